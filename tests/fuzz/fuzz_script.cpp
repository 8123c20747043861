#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "FuzzDesign.h"
#include "common/RecordingSurface.h"
#include "phpgen/PhpSkript.h"

using namespace tafomat;

namespace {

bool endetMit(const std::string& text, std::string_view ende) {
    return text.size() >= ende.size() &&
           text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

// With TAFOMAT_SKRIPTE set to a folder, every script is also written there, so that a run
// over the corpus can hand them all to PHP's own parser.
void aufheben(const std::string& skript) {
    const char* ordner = std::getenv("TAFOMAT_SKRIPTE");
    if (!ordner) return;
    const std::string name =
        std::string(ordner) + "/" + std::to_string(std::hash<std::string>{}(skript)) + ".php";
    std::ofstream(name, std::ios::binary) << skript << "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FelderImSpeicher felder;
    felder.setText(Feld::BildQuallität, "75");
    fuzz::designAusBytes(data, size, felder);
    test::RecordingSurface fläche;
    const std::optional<std::string> skript = PhpSkript(felder, fläche);
    if (!skript) return 0;
    // The output call is the last statement: one of the three types, nothing after it.
    const std::size_t letzte = skript->rfind("\r\nImage");
    if (skript->rfind("<?php\r\n", 0) != 0 || !endetMit(*skript, ");\r\n?>") ||
        letzte == std::string::npos || skript->find("\r\n", letzte + 2) != skript->size() - 4)
        __builtin_trap();
    // Only what the generator writes itself may stand outside a string: no raw control code.
    for (const char zeichen : *skript) {
        const auto code = static_cast<unsigned char>(zeichen);
        if (code < 32 && zeichen != '\r' && zeichen != '\n') __builtin_trap();
    }
    aufheben(*skript);
    return 0;
}
