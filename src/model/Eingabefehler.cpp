#include "model/Eingabefehler.h"

#include <cmath>

#include "model/Dezimalzahl.h"
#include "model/Zahlen.h"

namespace tafomat {

namespace {

bool istZiffer(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

// Amounts are also taken times 100, as whole cents.
[[nodiscard]] std::optional<Lesefehler> zahlLesen(std::string_view text, bool betrag) {
    if (text.find_first_not_of(' ') == std::string_view::npos) return Lesefehler::Leer;
    const std::optional<Dezimalzahl> zahl = Dezimalzahl::lesen(text);
    if (!zahl) return Lesefehler::KeineZahl;
    if (!std::isfinite(zahl->wert())) return Lesefehler::ZuGroß;
    if (betrag && !std::isfinite(zahl->malHundert().wert())) return Lesefehler::ZuGroß;
    return std::nullopt;
}

}  // namespace

std::optional<Lesefehler> LesefehlerVon(Feld feld, std::string_view text) {
    const std::optional<Datensatzart> art = DatensatzartVon(feld);
    if (art == Datensatzart::Datum) {
        if (readDate(text)) return std::nullopt;
        return Lesefehler::KeinDatum;
    }
    if (art == Datensatzart::Anzahl) return zahlLesen(text, false);
    if (art == Datensatzart::Betrag) return zahlLesen(text, true);
    return std::nullopt;
}

Wortlaut Eingabegrund(Feld feld, Lesefehler fehler) {
    switch (fehler) {
        case Lesefehler::KeinDatum:
            return {"%1 ist kein Datum.", "no date"};
        case Lesefehler::Leer:
            return {"Das Feld ist leer.", "no number"};
        case Lesefehler::KeineZahl:
            if (DatensatzartVon(feld) == Datensatzart::Anzahl)
                return {"%1 ist keine Zahl.", "no number"};
            return {"%1 ist kein Betrag.", "no number"};
        case Lesefehler::ZuGroß:
            break;
    }
    return {"%1 ist zu groß zum Rechnen.", "too large"};
}

// A thousands mark stands before a group of exactly three digits that ends the number, meets
// the comma or meets the next mark.
bool hatVerdächtigenPunkt(std::string_view text) {
    if (!Dezimalzahl::lesen(text)) return false;
    for (std::size_t punkt = text.find('.'); punkt != std::string_view::npos;
         punkt = text.find('.', punkt + 1)) {
        std::size_t ende = punkt + 1;
        while (ende < text.size() && istZiffer(text[ende])) ++ende;
        const bool gruppe = ende - punkt - 1 == 3 && punkt > 0 && istZiffer(text[punkt - 1]);
        const bool danach =
            ende == text.size() || text[ende] == ',' || text[ende] == '.' || text[ende] == ' ';
        if (!gruppe || !danach) return true;
    }
    return false;
}

}  // namespace tafomat
