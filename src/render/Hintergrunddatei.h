#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// Names here are ASCII: moc reads this header through QtSurface.h.

// A background is decoded at 4 bytes per pixel and held in up to three copies (the decoded
// picture, the background and the drawn preview): 16 megapixels keep that near 200 MB, and
// no banner comes near 4096 x 4096.
inline constexpr std::int64_t GroessteBildpunktzahl = 4096 * 4096;
// A photo of that many pixels takes a few megabytes; the file is held while it is decoded.
inline constexpr std::size_t GroessteBilddatei = 32 * 1024 * 1024;

// Why a background picture cannot be loaded.
enum class Bildfehlergrund {
    Fehlt,              // no file of that name
    KeineNormaleDatei,  // a folder, pipe, device or socket
    NichtLesbar,        // opening or reading failed
    ZuGrosseDatei,      // more than GroessteBilddatei bytes
    KeinJpeg,           // the content is no JPEG picture
    ZuVieleBildpunkte,  // declares more than GroessteBildpunktzahl pixels
    Beschaedigt,        // passed these checks, but its decoder gave up
};

struct Bildfehler {
    Bildfehlergrund grund;
    int breite = 0;  // the size the JPEG declares, where its frame header was read
    int hoehe = 0;
    bool operator==(const Bildfehler&) const = default;
};

struct Bildmass {
    int breite;
    int hoehe;
    bool operator==(const Bildmass&) const = default;
};

// The size declared in a JPEG's frame header (SOF), found by walking the marker segments
// from the start of the picture, without decoding; nullopt when the bytes are no JPEG or the
// scan begins before any frame header.
std::optional<Bildmass> jpegBildmass(std::string_view bytes);

struct Hintergrunddatei {
    std::string bytes;  // the JPEG file, when it passed every check
    std::optional<Bildfehler> fehler;
};

// Reads a background picture safely: a regular file of at most GroessteBilddatei bytes that
// holds a JPEG declaring at most GroessteBildpunktzahl pixels. The path is given as the file
// system takes it. Decoding is left to the caller, whose decoder may still fail
// (Bildfehlergrund::Beschaedigt).
Hintergrunddatei HintergrunddateiLesen(const std::string& pfad);

}  // namespace tafomat
