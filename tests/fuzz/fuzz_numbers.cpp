#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Zahlen.h"

using namespace tafomat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double fuehrend = leadingNumber(text);
    if (std::isfinite(fuehrend)) {
        regionalNumberText(fuehrend);
        amountText(plainNumberText(fuehrend));
    }
    if (const auto dezimal = readDecimal(text); dezimal && std::isfinite(*dezimal)) {
        // the regional text of a number reads back as the same number
        const auto zurueck = readDecimal(regionalNumberText(*dezimal));
        if (!zurueck) __builtin_trap();
    }
    if (const auto datum = readDate(text)) {
        const Kalenderdatum tag = kalenderdatum(*datum);
        if (tag.monat < 1 || tag.monat > 12 || tag.tag < 1 || tag.tag > 31) __builtin_trap();
        if (tageszahl(tag) != std::floor(*datum)) __builtin_trap();
    }
    return 0;
}
