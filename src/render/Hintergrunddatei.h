#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// Names here are ASCII: moc reads this header through QtSurface.h.

// A background is decoded at 4 bytes per pixel. The command line holds it in at most three
// copies (the background, the drawn preview and the server view): at 16 megapixels its peak
// was 291 MB, measured. No banner comes near 4096 x 4096.
inline constexpr std::int64_t GrößteBildpunktzahl = 4096 * 4096;
// A photo of that many pixels takes a few megabytes; the file is held while it is decoded.
inline constexpr std::size_t GrößteBilddatei = 32 * 1024 * 1024;

// Every scan is a pass of the decoder over the whole picture, so a small file that repeats one
// scan keeps it busy for minutes, and GD on the server too. Encoders write few: libjpeg's
// progressive script, which jpegtran -progressive and GD's interlaced JPEG follow, has 10 for a
// colour picture. Decoders draw a line: Chromium's JPEG decoder gives up at scan 100, the
// TurboJPEG scan limit that libjpeg-turbo's fuzzers and tjbench -limitscans set is 500 (its
// djpeg -maxscans has no default), ImageMagick's is 1024. 100, ten times what libjpeg writes,
// keeps the largest allowed picture within seconds (3 s of CPU here).
inline constexpr int GrößteScanzahl = 100;

// Why a background picture cannot be loaded. (moc reads this header, and takes no umlaut in an
// enum: hence the transliterated names.)
enum class Bildfehlergrund {
    Fehlt,              // no file of that name
    KeineNormaleDatei,  // a folder, pipe, device or socket
    NichtLesbar,        // opening or reading failed
    ZuGrosseDatei,      // more than GrößteBilddatei bytes
    KeinJpeg,           // the content is no JPEG picture
    ZuVieleBildpunkte,  // declares more than GrößteBildpunktzahl pixels
    Beschaedigt,        // more than GrößteScanzahl scans, or libjpeg warned or gave up
};

struct Bildfehler {
    Bildfehlergrund grund;
    int breite = 0;  // the size the JPEG declares, where its frame header was read
    int höhe = 0;
    bool operator==(const Bildfehler&) const = default;
};

struct Bildmaß {
    int breite;
    int höhe;
    bool operator==(const Bildmaß&) const = default;
};

// The size declared in a JPEG's frame header (SOF), found by walking the marker segments
// from the start of the picture, without decoding; nullopt when the bytes are no JPEG or the
// scan begins before any frame header.
[[nodiscard]] std::optional<Bildmaß> jpegBildmaß(std::string_view bytes);

struct Hintergrunddatei {
    std::string bytes;  // the JPEG file, when it passed every check
    std::optional<Bildfehler> fehler;
};

// The scans of a JPEG up to its end marker, counted without decoding.
int jpegScans(std::string_view bytes);

// The orientation (1 to 8) that a JPEG's first Exif segment (APP1) gives its picture; nullopt
// without one. Cameras store a turned photo as taken and leave the turn to this entry, which
// GD on the server ignores.
[[nodiscard]] std::optional<int> exifAusrichtung(std::string_view bytes);

// Reads a background picture safely: a regular file of at most GrößteBilddatei bytes that
// holds a JPEG declaring at most GrößteBildpunktzahl pixels in at most GrößteScanzahl scans.
// The path is given as the file system takes it. Decoding is left to the caller, whose decoder may
// still fail (Bildfehlergrund::Beschaedigt).
[[nodiscard]] Hintergrunddatei HintergrunddateiLesen(const std::string& pfad);

}  // namespace tafomat
