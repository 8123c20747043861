#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/RegularFile.h"
#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "render/GdSurface.h"
#include "settings/Einstellungen.h"
#include "template/BildZeichnen.h"

namespace tafomat {

// What the window and the command line do alike with a design besides writing its fields. The
// window runs these steps from its controls' change handling; the command line keeps the fields
// in a plain store and runs them through Gestaltungsfelder.

// The output type's rule: jpeg offers the qualities 100 down to 0 and takes 75, png the
// compression levels 9 down to 0 and takes 9; any other type becomes gif, which takes none. The
// result is what the quality list offers.
std::vector<int> BildArtAnwenden(Felder& felder);

// The font box's handling: the preview takes the font that the box names; a name that no font
// file answers leaves the font it has.
void SchriftartAnwenden(const Felder& felder, GdSurface& vorschau);

// Reads a settings file's bytes into the fields and the preview (EinstellungenAnwenden). Where
// the design's picture cannot be loaded, the preview takes the built-in one, as at the start, and
// its backgroundFailure() says why.
[[nodiscard]] EinstellungenErgebnis EinstellungenLaden(std::string_view bytes, Felder& felder,
                                                       GdSurface& vorschau);

// What reading a settings file into the fields came to.
struct EinstellungenGelesen {
    bool geöffnet = false;  // false: the file could not be read at all
    EinstellungenErgebnis ergebnis;
    std::optional<ReadFailure> lesefehler;  // why the file could not be read
};

// The design as the settings file keeps it, for telling whether it changed, with the size as the
// size box gives it: the preview's own size depends on the last redraw or script.
std::string Gestaltungsstand(const Felder& felder, const Surface& vorschau);

// The design's fields where no window holds them: a plain store that answers a change as the
// window's controls do. A value of the template, the inputs, the positions or the font and size
// boxes redraws the preview, the font box applying its font first; the output type, its quality,
// the window-level values and what the redraw writes change nothing else. Loading a design thus
// leaves the preview as the window's loading leaves it, also where a later value stops the redraw
// and the picture of an earlier one stays.
class Gestaltungsfelder : public Felder {
  public:
    Gestaltungsfelder(GdSurface& vorschau, const Uhr& uhr);

    std::string text(Feld feld) const override { return m_felder.text(feld); }
    void setText(Feld feld, const std::string& text) override;
    int wert(Feld regler) const override { return m_felder.wert(regler); }
    void setWert(Feld regler, int wert) override;

    // The window's redraw (preview/BildZeichnen.h).
    [[nodiscard]] std::optional<Zeichenstopp> neuZeichnen();

  private:
    void geändert(Feld feld);

    FelderImSpeicher m_felder;
    GdSurface& m_vorschau;
    const Uhr& m_uhr;
};

}  // namespace tafomat
