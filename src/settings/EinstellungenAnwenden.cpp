#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Writing a field runs its change handling in the window; an unchanged value must not.
bool übernimm(Felder& felder, Feld feld, const std::optional<std::string>& text) {
    if (!text) return false;
    if (felder.text(feld) != *text) felder.setText(feld, *text);
    return true;
}

bool übernimm(Felder& felder, Feld regler, const std::optional<int>& wert) {
    if (!wert) return false;
    if (felder.wert(regler) != *wert) felder.setWert(regler, *wert);
    return true;
}

bool eingabenÜbernehmen(Felder& felder, const Einstellungen& einstellungen) {
    for (std::size_t i = 0; i < Eingabefelder.size(); ++i) {
        if (!übernimm(felder, Eingabefelder[i], einstellungen.eingaben[i])) return false;
    }
    return true;
}

// Records 2 to 15, each only when all before it were read.
void restÜbernehmen(const Einstellungen& e, Felder& felder) {
    (void)(übernimm(felder, Feld::HintergrundName, e.hintergrundName) &&
           übernimm(felder, Feld::SchriftartListe, e.schriftart) &&
           übernimm(felder, Feld::SchriftGröße, e.schriftGröße) && e.farbe.has_value() &&
           übernimm(felder, Feld::XPos, e.xPos) && übernimm(felder, Feld::YPos, e.yPos) &&
           übernimm(felder, Feld::Abstand, e.abstand) && eingabenÜbernehmen(felder, e) &&
           übernimm(felder, Feld::Txt, e.vorlage));
}

}  // namespace

EinstellungenErgebnis EinstellungenAnwenden(const Einstellungen& einstellungen, Felder& felder,
                                            Surface& surface) {
    EinstellungenErgebnis ergebnis{einstellungen.gelesen, false, einstellungen.abbruch};
    if (!übernimm(felder, Feld::HintergrundPfad, einstellungen.hintergrundPfad)) return ergebnis;
    // A design whose picture is missing (the default "leer.jpg" exists nowhere) must still
    // load; the caller decides what the preview shows instead.
    ergebnis.bildFehlt = !surface.loadBackground(*einstellungen.hintergrundPfad);
    restÜbernehmen(einstellungen, felder);
    return ergebnis;
}

}  // namespace tafomat
