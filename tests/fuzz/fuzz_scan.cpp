#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Vorlage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view vorlage(reinterpret_cast<const char*>(data), size);
    std::size_t ende = 0;
    for (const tafomat::Token& token : tafomat::scanTemplate(vorlage)) {
        // tokens come in text order and never reach past the template's end
        if (token.position <= ende || token.position > size || token.breite == 0) __builtin_trap();
        ende = token.position;
    }
    return 0;
}
