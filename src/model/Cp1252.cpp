#include "model/Cp1252.h"

#include <array>

namespace tafomat {

namespace {

// Codes 0x80 to 0x9F; the undefined ones map to the C1 control of the same number.
constexpr std::array<char32_t, 32> Obere80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t unicodeFromCp1252(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) return Obere80[code - 0x80];
    return code;
}

std::optional<unsigned char> cp1252FromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (unsigned i = 0; i < Obere80.size(); ++i) {
        if (Obere80[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string utf8FromCp1252(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char zeichen : text) {
        const char32_t c = unicodeFromCp1252(static_cast<unsigned char>(zeichen));
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace tafomat
