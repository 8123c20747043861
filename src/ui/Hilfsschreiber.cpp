#include "ui/Hilfsschreiber.h"

#include <algorithm>

#include "platform/QtText.h"
#include "template/Befehlstexte.h"

namespace tafomat {

namespace {

constexpr int Zellengröße = 8;

Vorlagenauswahl feldauswahl(Textauswahl auswahl) {
    return {static_cast<int>(auswahl.start), static_cast<int>(auswahl.länge)};
}

}  // namespace

Textauswahl Hilfsschreiber::auswahl() const {
    const Vorlagenauswahl auswahl = auswahlLesen(m_feld);
    return {static_cast<std::size_t>(auswahl.start), static_cast<std::size_t>(auswahl.länge)};
}

void Hilfsschreiber::anwenden(const Schreibung& schreibung, Vorlagenfeld::Schritt schritt) {
    m_feld.ersetzen(feldauswahl(schreibung.ersetzt), toQString(schreibung.einsatz),
                    feldauswahl(schreibung.danach), schritt);
}

void Hilfsschreiber::auswählen(const Schreibung& schreibung) {
    auswahlSetzen(m_feld, feldauswahl(schreibung.danach));
    m_feld.setFocus();
}

void Hilfsschreiber::befehlSchreiben(Hilfsbefehl art, const std::string& befehl) {
    const Schreibung schreibung = BefehlSchreiben(m_felder.text(Feld::Txt), auswahl(), art, befehl);
    anwenden(schreibung, Vorlagenfeld::Schritt::Neu);
    auswählen(schreibung);
}

void Hilfsschreiber::fettSchreiben() {
    const Schreibung schreibung = FettSchreiben(m_felder.text(Feld::Txt), auswahl());
    anwenden(schreibung, Vorlagenfeld::Schritt::Neu);
    auswählen(schreibung);
}

void Hilfsschreiber::größeSchreiben(const std::string& befehl) {
    anwenden(BefehlSchreiben(m_felder.text(Feld::Txt), auswahl(), Hilfsbefehl::Größe, befehl),
             Vorlagenfeld::Schritt::Neu);
}

void Hilfsschreiber::zugSchreiben(const std::string& positionsbefehl) {
    const Schreibung schreibung = BefehlSchreiben(m_felder.text(Feld::Txt), auswahl(),
                                                  Hilfsbefehl::Position, positionsbefehl);
    anwenden(schreibung,
             m_zugBeginnt ? Vorlagenfeld::Schritt::Neu : Vorlagenfeld::Schritt::Fortsetzen);
    m_zugBeginnt = false;
    auswählen(schreibung);
}

void FarbpaletteZeichnen(Surface& palette) {
    int rot = 0;
    int grün = 0;
    int blau = 0;
    for (int zeile = 0; Zellengröße * (zeile + 1) <= palette.height(); ++zeile) {
        for (int spalte = 0; Zellengröße * (spalte + 1) <= palette.width(); ++spalte) {
            const int x = Zellengröße * spalte;
            const int y = Zellengröße * zeile;
            palette.fillBox(x, y, x + Zellengröße - 1, y + Zellengröße - 1,
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
