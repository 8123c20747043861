#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tafomat {

// The font file that answers a family name, as fontconfig gives it for a regular face: the family
// itself, or a stand-in that the system's font configuration names for it (Liberation Sans, made
// with Arial's widths, for "Arial"). nullopt when only the configuration's last resort would
// answer, when GD could not use the file, or when the name cannot stand in a script's font file
// name. GD opens the first face of a file, so a family that lives further inside a collection
// does not answer either.
[[nodiscard]] std::optional<std::string> schriftdateiSuchen(const std::string& familie);

// The family of the font file that schriftdateiSuchen gives for a family, when that is another
// family than the one asked for: the nearest match fontconfig found. nullopt when the file is the
// family's own, a stand-in that the system's configuration binds to it as its equal (Liberation
// Sans, made with Arial's widths, for "Arial"), or no file answers. Names in UTF-8.
[[nodiscard]] std::optional<std::string> ersatzfamilie(const std::string& familie);

// Why no font file answers a family name.
enum class Schriftmangel {
    NichtInstalliert,  // only the configuration's last resort answers
    KeinDateiname,     // the name cannot stand in a script's font file name
    Beschädigt,        // the file that answers is cut off or damaged: GD cannot read it
    ZweiterSchnitt,    // the family is a later face of a collection, and GD opens the first
    NurBitmaps,        // the file that answers holds bitmaps only, which GD cannot scale
};

// The font file that answers a family name, or why none does; a file fontconfig gives that fails
// GD's checks is named too (datei stays empty then).
struct Schriftfund {
    std::optional<std::string> datei;
    Schriftmangel mangel = Schriftmangel::NichtInstalliert;
    std::string gefunden;  // the file fontconfig gives, where one answers
};
[[nodiscard]] Schriftfund schriftSuchen(const std::string& familie);

// Whether the family is there, only GD cannot draw it.
inline bool installiertAberNichtZeichenbar(const Schriftfund& fund) {
    return !fund.datei && fund.mangel != Schriftmangel::NichtInstalliert &&
           fund.mangel != Schriftmangel::KeinDateiname;
}

// The families of the installed scalable fonts that answer their own name, each once, in
// alphabetical order; their names as fontconfig gives them, in UTF-8.
std::vector<std::string> schriftfamilien();

}  // namespace tafomat
