#pragma once

#include <functional>
#include <optional>
#include <string>

#include "phpgen/Zeichenplan.h"
#include "render/Bild.h"

namespace tafomat {

// The value a placeholder's script variable holds on the server, as the bytes GD is given.
using Serverwert = std::function<std::string(char platzhalter)>;

// The picture the script sends: the plan's calls drawn in order over the background with the
// font file, exactly as ImageTTFText draws them, each placeholder with its server value. nullopt
// when the font file cannot be read.
std::optional<Bild> PlanZeichnen(const Zeichenplan& plan, const std::string& schriftdatei,
                                 Bild hintergrund, const Serverwert& wert);

}  // namespace tafomat
