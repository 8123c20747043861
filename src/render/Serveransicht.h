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
// every GD family it knows; `familie` shows instead what a script of plain ImageTTFText calls,
// one per run, would send on that family.
[[nodiscard]] std::optional<Bild> PlanZeichnen(const Zeichenplan& plan,
                                               const std::string& schriftdatei, Bild hintergrund,
                                               const Serverwert& wert,
                                               GdFamilie familie = GdFamilie::System);
// The same, drawn onto `bild`, which holds the background; false when the font file cannot be
// read.
[[nodiscard]] bool PlanZeichnenAuf(const Zeichenplan& plan, const std::string& schriftdatei,
                                   Bild& bild, const Serverwert& wert,
                                   GdFamilie familie = GdFamilie::System);

// The banner that the design's script sends on the server's day `heute`: the template compiled
// on the preview surface as for the script, drawn over the preview's background with its font
// file and the values the script computes that day. nullopt where no script can be made.
[[nodiscard]] std::optional<Bild> Serveransicht(const Felder& felder, const GdSurface& vorschau,
                                                Tageszahl heute,
                                                GdFamilie familie = GdFamilie::System);

// The server's banner kept from one redraw to the next: drawn anew over the preview's background,
// of which only the rows the last banner changed are copied back.
class Serverbild {
  public:
    // Draws what Serveransicht gives; false where no script can be made, and the picture is then
    // the background alone.
    [[nodiscard]] bool zeichnen(const Felder& felder, const GdSurface& vorschau, Tageszahl heute);
    const Bild& bild() const { return m_bild; }
    // Lets the picture go until the next drawing.
    void freigeben();

  private:
    Bild m_bild;
    std::optional<std::uint64_t> m_hintergrund;  // the number of the background it holds
};

}  // namespace tafomat
