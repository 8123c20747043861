#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/Zahlen.h"
#include "phpgen/Zeichenplan.h"
#include "render/Bild.h"
#include "render/GdSurface.h"

namespace tafomat {

// The value a placeholder's script variable holds on the server, as the bytes GD is given.
using Serverwert = std::function<std::string(char platzhalter)>;

// The picture the script sends: the plan's calls drawn in order over the background with the
// font file, exactly as ImageTTFText draws them, each placeholder with its server value. nullopt
// when the font file cannot be read. The script places its glyphs as the system libgd does on
// either GD family; `familie` shows instead what a script of plain ImageTTFText calls, one per
// run, would send on that family.
std::optional<Bild> PlanZeichnen(const Zeichenplan& plan, const std::string& schriftdatei,
                                 Bild hintergrund, const Serverwert& wert,
                                 GdFamilie familie = GdFamilie::System);

// The banner that the design's script sends on the server's day `heute`: the template compiled
// on the preview surface as for the script, drawn over the preview's background with its font
// file and the values the script computes that day. nullopt where no script can be made. Leaves
// the surface at the size of the last #G, as making the script does.
std::optional<Bild> Serveransicht(const Felder& felder, GdSurface& vorschau, Tageszahl heute,
                                  GdFamilie familie = GdFamilie::System);

}  // namespace tafomat
