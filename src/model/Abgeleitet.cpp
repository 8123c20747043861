#include "model/Abgeleitet.h"

#include <cmath>
#include <optional>

namespace tafomat {

namespace {

// A value that is no number, or that overflowed, ends the computation.
std::optional<double> endlich(std::optional<double> wert) {
    if (!wert || !std::isfinite(*wert)) return std::nullopt;
    return wert;
}

std::optional<double> dezimal(const Felder& felder, Feld feld) {
    return endlich(readDecimal(felder.text(feld)));
}

bool TageBerechnen(Felder& felder, const Uhr& uhr) {
    const std::optional<Tageszahl> beginn = readDate(felder.text(Feld::DaTxt));
    if (!beginn) return false;
    const std::optional<double> tage = endlich(uhr.heute() - *beginn);
    if (!tage) return false;
    felder.setText(Feld::TaTxt, regionalNumberText(*tage));
    return true;
}

bool ZigarettenBerechnen(Felder& felder) {
    const std::optional<double> kippen = dezimal(felder, Feld::KiTxt);
    if (!kippen) return false;
    const std::optional<double> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<double> alleKippen = endlich(*kippen * *tage);
    if (!alleKippen) return false;
    felder.setText(Feld::GZTxt, regionalNumberText(*alleKippen));
    return true;
}

// In cents: (old cost - new cost) per day over the days, less the one-time purchase.
bool EinsparungBerechnen(Felder& felder) {
    const std::optional<double> alteKosten = dezimal(felder, Feld::AlTxt);
    if (!alteKosten) return false;
    const std::optional<double> neueKosten = dezimal(felder, Feld::NeTxt);
    if (!neueKosten) return false;
    const std::optional<double> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<double> anschaffung = dezimal(felder, Feld::AnTxt);
    if (!anschaffung) return false;
    const std::optional<double> gespart =
        endlich((*alteKosten * 100 - *neueKosten * 100) * *tage - *anschaffung * 100);
    if (!gespart) return false;
    felder.setText(Feld::GETxt, amountText(plainNumberText(*gespart)));
    return true;
}

bool FreienBetragBerechnen(Felder& felder) {
    const std::optional<double> betrag = dezimal(felder, Feld::StTxt);
    if (!betrag) return false;
    const std::optional<double> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<double> summe = endlich(*betrag * 100 * *tage);
    if (!summe) return false;
    felder.setText(Feld::GSTxt, amountText(plainNumberText(*summe)));
    return true;
}

}  // namespace

bool AbgeleiteteWerteBerechnen(Felder& felder, const Uhr& uhr) {
    return TageBerechnen(felder, uhr) && ZigarettenBerechnen(felder) &&
           EinsparungBerechnen(felder) && FreienBetragBerechnen(felder);
}

}  // namespace tafomat
