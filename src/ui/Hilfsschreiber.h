#pragma once

#include <string>

#include "model/Felder.h"
#include "template/Befehlschreiben.h"
#include "template/Surface.h"
#include "ui/Vorlagenfeld.h"

namespace tafomat {

// Writes the editing aids' commands into the template field, each use as one undo step; the
// movements of one drag over the preview make one step together.
class Hilfsschreiber {
  public:
    Hilfsschreiber(Vorlagenfeld& feld, const Felder& felder) : m_feld(feld), m_felder(felder) {}

    // Puts the command at the selection and selects what was written, so that using the aid
    // again replaces it; the focus goes back to the template.
    void befehlSchreiben(Hilfsbefehl art, const std::string& befehl);
    void fettSchreiben();
    // The caret goes to the start of the template; the focus stays where it is.
    void größeSchreiben(const std::string& befehl);
    void zugBeginnen() { m_zugBeginnt = true; }
    void zugSchreiben(const std::string& positionsbefehl);

  private:
    void anwenden(const Schreibung& schreibung, Vorlagenfeld::Schritt schritt);
    void auswählen(const Schreibung& schreibung);
    [[nodiscard]] Textauswahl auswahl() const;

    Vorlagenfeld& m_feld;
    const Felder& m_felder;
    bool m_zugBeginnt = true;
};

// 8 x 8 cells, row by row: red and green run through 0, 85, 170 and 255, blue rises by 85 a
// row. A strip narrower than a cell keeps the background.
void FarbpaletteZeichnen(Surface& palette);

}  // namespace tafomat
