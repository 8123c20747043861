#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "publish/Ziel.h"

namespace tafomat {

// Where a design was published last, kept beside it ("DESIGN.txt.ziel") so that the publish
// dialog offers it again: the target and the banner's public address, never a password.
struct Zielangaben {
    Ziel ziel;
    std::string adresse;
};

// One "name=value" line for each of the target's parts and the address; nullopt where a value
// would break its line.
std::optional<std::string> ZieldateiText(const Zielangaben& angaben);
// What such a file holds, or nullopt for anything else, so that a damaged file offers nothing.
std::optional<Zielangaben> ZieldateiLesen(std::string_view text);

// The target's address without its user, who has a field of his own in the dialog.
std::string ServerOhneBenutzer(const Ziel& ziel);

}  // namespace tafomat
