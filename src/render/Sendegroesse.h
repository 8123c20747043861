#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "render/Bild.h"

namespace tafomat {

// The output call of the design's script: "jpeg", "png" or "gif", and the quality (-1 for gif).
struct Bildausgabe {
    std::string art;
    int qualität;
};

// nullopt when the type or the quality could not go into a script (phpgen/Bildausgabe.h).
[[nodiscard]] std::optional<Bildausgabe> BildausgabeLesen(const Felder& felder);

// What a forum checks of the banner as the server sends it: "468 × 60 Pixel, 14,2 KB (jpeg 75)",
// in Windows-1252, the bytes of the banner encoded as the script encodes it, in KB of 1024 bytes
// with one decimal; gif names no quality.
std::string Sendegröße(const Bild& banner, const Bildausgabe& ausgabe);

// "468 × 60 Pixel".
std::string Pixelgröße(int breite, int höhe);

}  // namespace tafomat
