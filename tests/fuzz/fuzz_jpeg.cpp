#include <cstddef>
#include <cstdint>
#include <string_view>

#include "render/Bilddatei.h"
#include "render/Hintergrunddatei.h"

using namespace tafomat;

namespace {

void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// Decoding is libjpeg's work, not the walker's: small pictures keep the runs fast.
constexpr std::int64_t GrößteGeprüfteBildpunktzahl = 256 * 256;

}  // namespace

// A background's bytes come from anywhere. The marker walk must never read outside them, and
// the size it finds is the size GD decodes: the pixel limit is checked on that size alone.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<int> ausrichtung = exifAusrichtung(bytes);
    prüfe(!ausrichtung || (*ausrichtung >= 1 && *ausrichtung <= 8));
    const int scans = jpegScans(bytes);
    prüfe(scans >= 0 && static_cast<std::size_t>(scans) <= size / 4);
    const std::optional<Bildmaß> maß = jpegBildmaß(bytes);
    if (!maß || std::int64_t{maß->breite} * maß->höhe > GrößteGeprüfteBildpunktzahl ||
        scans > GrößteScanzahl)
        return 0;
    if (const std::optional<Bild> bild = jpegLesen(bytes))
        prüfe(bild->breite() == maß->breite && bild->höhe() == maß->höhe);
    // Listening for libjpeg's warnings jumps out of it on an error: no leak, no stray read.
    static_cast<void>(jpegWarnt(bytes));
    return 0;
}
