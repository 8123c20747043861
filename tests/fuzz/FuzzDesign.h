#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Felder.h"

namespace tafomat::fuzz {

// Turns fuzzer bytes into a design: the parts between NUL bytes fill the template first, then
// the size text, the date, the five amounts and the picture name; the last three bytes set the
// positions. Anything missing keeps its start value.
inline void designAusBytes(const std::uint8_t* data, std::size_t size, Felder& felder) {
    static constexpr Feld Reihe[] = {Feld::Txt,           Feld::SchriftGröße,   Feld::DaTxt,
                                     Feld::AlTxt,         Feld::KiTxt,          Feld::AnTxt,
                                     Feld::NeTxt,         Feld::StTxt,          Feld::BildArt,
                                     Feld::BildQuallität, Feld::HintergrundName};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const Feld feld : Reihe) {
        if (rest.empty()) break;
        const std::size_t ende = rest.find('\0');
        felder.setText(feld, std::string(rest.substr(0, ende)));
        rest = ende == std::string_view::npos ? std::string_view{} : rest.substr(ende + 1);
    }
    if (size >= 3) {
        felder.setWert(Feld::XPos, static_cast<int>(data[size - 1] % 129) - 64);
        felder.setWert(Feld::YPos, static_cast<int>(data[size - 2] % 129) - 64);
        felder.setWert(Feld::Abstand, static_cast<int>(data[size - 3] % 65));
    }
}

}  // namespace tafomat::fuzz
