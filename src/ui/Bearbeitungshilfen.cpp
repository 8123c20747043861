// MainWindow's editing aids, the event procedures that write commands into the template.
#include <algorithm>

#include "design/Gestaltung.h"
#include "platform/QtText.h"
#include "template/Befehlschreiben.h"
#include "template/Befehlstexte.h"
#include "template/BildZeichnen.h"
#include "ui/MainWindow.h"
#include "ui/Vorlagenauswahl.h"

namespace tafomat {

namespace {

constexpr int Zellengröße = 8;

Textauswahl textauswahl(Vorlagenauswahl auswahl) {
    return {static_cast<std::size_t>(auswahl.start), static_cast<std::size_t>(auswahl.länge)};
}

Vorlagenauswahl feldauswahl(Textauswahl auswahl) {
    return {static_cast<int>(auswahl.start), static_cast<int>(auswahl.länge)};
}

}  // namespace

// Writes what the aid's rule makes of the selection, as one undo step; the movements of one
// drag over the preview make one step together.
void MainWindow::schreibungAnwenden(const Schreibung& schreibung, Vorlagenfeld::Schritt schritt) {
    m_s.Txt->ersetzen(feldauswahl(schreibung.ersetzt), toQString(schreibung.einsatz),
                      feldauswahl(schreibung.danach), schritt);
}

// Puts the command at the selection and selects what was written, so that using the aid again
// replaces it.
void MainWindow::befehlSchreiben(Hilfsbefehl art, const std::string& befehl,
                                 Vorlagenfeld::Schritt schritt) {
    const Textauswahl auswahl = textauswahl(auswahlLesen(*m_s.Txt));
    const Schreibung schreibung = BefehlSchreiben(m_felder.text(Feld::Txt), auswahl, art, befehl);
    schreibungAnwenden(schreibung, schritt);
    auswahlSetzen(*m_s.Txt, feldauswahl(schreibung.danach));
    m_s.Txt->setFocus();
}

void MainWindow::Fett_Click() {
    const Schreibung schreibung =
        FettSchreiben(m_felder.text(Feld::Txt), textauswahl(auswahlLesen(*m_s.Txt)));
    schreibungAnwenden(schreibung);
    BildZeichnen();
    auswahlSetzen(*m_s.Txt, feldauswahl(schreibung.danach));
    m_s.Txt->setFocus();
}

void MainWindow::PicFa_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers, double x, double y) {
    if (taste != Qt::LeftButton) return;
    const Farbwert farbe = m_palette.colorAt(static_cast<int>(x), static_cast<int>(y));
    befehlSchreiben(Hilfsbefehl::Farbe, Farbbefehl(farbe));
}

void MainWindow::Pic_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double, double) {
    m_zugBeginnt = true;
}

void MainWindow::Pic_MouseMove(Qt::MouseButtons tasten, Qt::KeyboardModifiers, double x, double y) {
    if (tasten == Qt::NoButton) return;
    const auto schritt =
        m_zugBeginnt ? Vorlagenfeld::Schritt::Neu : Vorlagenfeld::Schritt::Fortsetzen;
    m_zugBeginnt = false;
    befehlSchreiben(Hilfsbefehl::Position, Positionsbefehl(x, y), schritt);
    BildZeichnen();
}

// The caret goes to the start of the template and the focus stays in the list, so that the
// user can go on typing the size.
void MainWindow::SchriftGrößeSetzen() {
    if (!m_größenbefehlAus) {
        const std::string befehl = Größenbefehl(m_felder.text(Feld::SchriftGröße));
        schreibungAnwenden(BefehlSchreiben(m_felder.text(Feld::Txt),
                                           textauswahl(auswahlLesen(*m_s.Txt)), Hilfsbefehl::Größe,
                                           befehl));
    }
    BildZeichnen();
}

// A name that the surface cannot use keeps the previous font; the notice line says so.
void MainWindow::SchriftartSetzen() {
    SchriftartAnwenden(m_felder, m_vorschau);
    m_meldungen.SchriftMelden();
    BildZeichnen();
}

void MainWindow::XPos_Change() {
    setWindowTitle(QString::number(m_s.XPos->value()));
    BildZeichnen();
}

void MainWindow::YPos_Change() {
    setWindowTitle(QString::number(m_s.YPos->value()));
    BildZeichnen();
}

// 8 x 8 cells, row by row: red and green run through 0, 85, 170 and 255, blue rises by 85 a
// row. A strip narrower than a cell keeps the background.
void MainWindow::FarbpaletteZeichnen() {
    int rot = 0;
    int grün = 0;
    int blau = 0;
    for (int zeile = 0; Zellengröße * (zeile + 1) <= m_palette.height(); ++zeile) {
        for (int spalte = 0; Zellengröße * (spalte + 1) <= m_palette.width(); ++spalte) {
            const int x = Zellengröße * spalte;
            const int y = Zellengröße * zeile;
            m_palette.fillBox(
                x, y, x + Zellengröße - 1, y + Zellengröße - 1,
                farbwert(std::min(rot, 255), std::min(grün, 255), std::min(blau, 255)));
            rot += 85;
            if (rot > 256) {
                rot = 0;
                grün += 85;
                if (grün > 256) {
                    grün = 0;
                    blau += 85;
                }
            }
        }
    }
}

}  // namespace tafomat
