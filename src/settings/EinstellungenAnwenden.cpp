#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Writing a field runs its change handling in the window; an unchanged value must not.
void übernimm(Felder& felder, Feld feld, const std::string& text) {
    if (felder.text(feld) != text) felder.setText(feld, text);
}

void übernimm(Felder& felder, Feld regler, long long wert) {
    // The reading kept the value within the scroll bar's range.
    const int reglerwert = static_cast<int>(wert);
    if (felder.wert(regler) != reglerwert) felder.setWert(regler, reglerwert);
}

void übernimm(Felder& felder, const Datensatz& satz, const Datensatzwert& wert) {
    switch (satz.art) {
        case Datensatzart::Textfarbe:
            return;
        case Datensatzart::Regler:
            return übernimm(felder, *satz.feld, std::get<long long>(wert));
        case Datensatzart::Bildpfad:
        case Datensatzart::Bildname:
        case Datensatzart::Schriftart:
        case Datensatzart::Schriftgröße:
        case Datensatzart::Datum:
        case Datensatzart::Anzahl:
        case Datensatzart::Betrag:
        case Datensatzart::Vorlage:
            return übernimm(felder, *satz.feld, std::get<std::string>(wert));
    }
}

}  // namespace

EinstellungenErgebnis EinstellungenAnwenden(const Einstellungen& einstellungen, Felder& felder,
                                            Surface& surface) {
    EinstellungenErgebnis ergebnis{einstellungen.gelesen, false, einstellungen.abbruch};
    for (std::size_t i = 0; i < Datensätze.size(); ++i) {
        const std::optional<Datensatzwert>& wert = einstellungen.werte[i];
        if (!wert) return ergebnis;
        übernimm(felder, Datensätze[i], *wert);
        // A design whose picture is missing (the default "leer.jpg" exists nowhere) must still
        // load; the caller decides what the preview shows instead.
        if (Datensätze[i].art == Datensatzart::Bildpfad)
            ergebnis.bildFehlt = !surface.loadBackground(std::get<std::string>(*wert));
    }
    return ergebnis;
}

}  // namespace tafomat
