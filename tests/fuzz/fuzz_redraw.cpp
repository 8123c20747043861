#include <cstddef>
#include <cstdint>

#include "FuzzDesign.h"
#include "common/RecordingSurface.h"
#include "preview/BildZeichnen.h"

using namespace tafomat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FelderImSpeicher felder;
    fuzz::designAusBytes(data, size, felder);
    test::RecordingSurface flaeche;
    BildZeichnen(felder, flaeche, FesteUhr(tageszahl({2026, 12, 7})));
    // every redraw, completed or stopped, leaves the text colour black
    if (flaeche.textColor() != 0) __builtin_trap();
    return 0;
}
