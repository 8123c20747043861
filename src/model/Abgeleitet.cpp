#include "model/Abgeleitet.h"

#include <cmath>
#include <optional>

#include "model/Dezimalzahl.h"

namespace tafomat {

namespace {

// A value that is no number, or that overflowed, ends the computation.
[[nodiscard]] std::optional<double> endlich(std::optional<double> wert) {
    if (!wert || !std::isfinite(*wert)) return std::nullopt;
    return wert;
}

[[nodiscard]] std::optional<Dezimalzahl> dezimal(const Felder& felder, Feld feld) {
    std::optional<Dezimalzahl> zahl = Dezimalzahl::lesen(felder.text(feld));
    if (!zahl || !endlich(zahl->wert())) return std::nullopt;
    return zahl;
}

// The double computation decides whether a result overflows; the text shows the exact result
// where it fits, so that binary noise of the decimal inputs never shows.
[[nodiscard]] std::optional<double> ergebnis(double genähert, const Dezimalzahl& exakt) {
    if (!endlich(genähert)) return std::nullopt;
    return exakt.istExakt() ? exakt.wert() : genähert;
}

[[nodiscard]] bool TageBerechnen(Felder& felder, const Uhr& uhr) {
    const std::optional<Tageszahl> beginn = readDate(felder.text(Feld::DaTxt));
    if (!beginn) return false;
    const std::optional<double> tage = endlich(uhr.heute() - *beginn);
    if (!tage) return false;
    felder.setText(Feld::TaTxt, regionalNumberText(*tage));
    return true;
}

[[nodiscard]] bool ZigarettenBerechnen(Felder& felder) {
    const std::optional<Dezimalzahl> kippen = dezimal(felder, Feld::KiTxt);
    if (!kippen) return false;
    const std::optional<Dezimalzahl> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<double> alleKippen =
        ergebnis(kippen->wert() * tage->wert(), *kippen * *tage);
    if (!alleKippen) return false;
    felder.setText(Feld::GZTxt, regionalNumberText(*alleKippen));
    return true;
}

// In cents: (old cost - new cost) per day over the days, less the one-time purchase.
[[nodiscard]] bool EinsparungBerechnen(Felder& felder) {
    const std::optional<Dezimalzahl> alteKosten = dezimal(felder, Feld::AlTxt);
    if (!alteKosten) return false;
    const std::optional<Dezimalzahl> neueKosten = dezimal(felder, Feld::NeTxt);
    if (!neueKosten) return false;
    const std::optional<Dezimalzahl> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<Dezimalzahl> anschaffung = dezimal(felder, Feld::AnTxt);
    if (!anschaffung) return false;
    const double genähert = (alteKosten->wert() * 100 - neueKosten->wert() * 100) * tage->wert() -
                            anschaffung->wert() * 100;
    const Dezimalzahl exakt =
        (alteKosten->malHundert() - neueKosten->malHundert()) * *tage - anschaffung->malHundert();
    const std::optional<double> gespart = ergebnis(genähert, exakt);
    if (!gespart) return false;
    felder.setText(Feld::GETxt, amountText(plainNumberText(*gespart)));
    return true;
}

[[nodiscard]] bool FreienBetragBerechnen(Felder& felder) {
    const std::optional<Dezimalzahl> betrag = dezimal(felder, Feld::StTxt);
    if (!betrag) return false;
    const std::optional<Dezimalzahl> tage = dezimal(felder, Feld::TaTxt);
    if (!tage) return false;
    const std::optional<double> summe =
        ergebnis(betrag->wert() * 100 * tage->wert(), betrag->malHundert() * *tage);
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
