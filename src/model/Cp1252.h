#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// Windows-1252 code of a Unicode code point, if the code page holds it. The five codes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of
// the same number, so that every byte survives a round trip.
[[nodiscard]] std::optional<unsigned char> cp1252FromUnicode(char32_t codePoint);
char32_t unicodeFromCp1252(unsigned char code);

// Windows-1252 text in UTF-8, as file names are held by the system.
std::string utf8FromCp1252(std::string_view text);

}  // namespace tafomat
