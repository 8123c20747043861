#include "phpgen/PhpSkript.h"

namespace tafomat {

std::optional<std::string> VorlageÜbersetzen(const Felder&, Surface&) { return std::nullopt; }

std::optional<std::string> PhpSkript(const Felder&, Surface&) { return std::nullopt; }

std::string PhpDateiname(std::string pfad) {
    constexpr std::string_view endung = ".php";
    if (pfad.size() < endung.size() || pfad.compare(pfad.size() - endung.size(), endung.size(), endung) != 0)
        pfad += endung;
    return pfad;
}

}  // namespace tafomat
