#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "render/Bild.h"

namespace tafomat {

// A JPEG picture as ImageCreateFromJPEG reads it on the server (libgd, with PHP's default of
// ignoring libjpeg's warnings, so that a cut-off file still shows what it holds). nullopt when
// GD would not read it.
[[nodiscard]] std::optional<Bild> jpegLesen(std::string_view bytes);

// Whether libjpeg warns while it decodes the whole JPEG, or gives up: a picture cut off, or
// changed by an upload in ASCII mode. Where PHP ignores the warnings, as it does by default,
// GD draws the rest of such a picture grey or striped; the script asks GD to heed them, and
// then sends a picture that says so. Decodes at an eighth of the size, one row at a time.
[[nodiscard]] bool jpegWarnt(std::string_view bytes);

// A PNG picture as GD reads it; nullopt when it is none.
[[nodiscard]] std::optional<Bild> pngLesen(std::string_view bytes);

// A GIF picture as GD reads it, in true colour; nullopt when it is none.
std::optional<Bild> gifLesen(std::string_view bytes);

// The picture as GD writes a true-colour PNG; empty when the picture is empty.
std::string pngSchreiben(const Bild& bild);
// The picture as GD writes a JPEG of the best quality; empty when the picture is empty.
std::string jpegSchreiben(const Bild& bild);

// The picture as the script's output call sends it, byte for byte as GD writes it for PHP:
// Imagejpeg with the quality, Imagepng with the compression level, Imagegif (which takes none).
// Empty when the picture is empty or the type none of "jpeg", "png" and "gif".
std::string ausgabeBytes(const Bild& bild, const std::string& art, int qualität);

// The JPEG bytes of the built-in banner picture of 460 x 66 pixels.
std::string_view eingebautesBildJpeg();

}  // namespace tafomat
