#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/Dezimalzahl.h"
#include "model/Zahlen.h"

using namespace tafomat;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// 15 significant digits: the text reads back within a few units in the 15th digit. Near the
// largest double the rounded text lies beyond it, and below 1e-300 the subnormal spacing is
// coarser than that; both are left out.
bool fastGleich(double zurueck, double zahl) {
    return std::fabs(zurueck - zahl) <= 1e-14 * std::fabs(zahl);
}

bool nurZeichen(const std::string& text, std::string_view erlaubt) {
    return text.find_first_not_of(erlaubt) == std::string::npos;
}

void textformenPruefen(double zahl) {
    const std::string regional = regionalNumberText(zahl);
    const std::string schlicht = plainNumberText(zahl);
    pruefe(nurZeichen(regional, "-0123456789,") && nurZeichen(schlicht, " -0123456789."));
    if (std::fabs(zahl) > 1e300 || (zahl != 0 && std::fabs(zahl) < 1e-300)) return;
    const auto regionalZurueck = readDecimal(regional);
    pruefe(regionalZurueck && fastGleich(*regionalZurueck, zahl));
    pruefe(fastGleich(leadingNumber(schlicht), zahl));
}

// A whole number of cents of two or more digits reads back from its amount text exactly:
// both sides are the correctly rounded quotient of the same whole number by 100.
void betragPruefen(double cent) {
    cent = std::trunc(cent);
    if (!(std::fabs(cent) >= 10 && std::fabs(cent) < 1e15)) return;
    const auto euro = readDecimal(amountText(plainNumberText(cent)));
    pruefe(euro && *euro == cent / 100);
}

// The exact arithmetic of money agrees with the double one within its rounding: a comma in the
// wrong place or a lost carry would be far off.
void exaktPruefen(std::string_view text) {
    const auto zahl = Dezimalzahl::lesen(text);
    if (!zahl) return;
    const double wert = zahl->wert();
    if (!(std::fabs(wert) < 1e100) || (wert != 0 && std::fabs(wert) < 1e-100)) return;
    const Dezimalzahl produkt = *zahl * zahl->malHundert();
    if (produkt.istExakt()) pruefe(fastGleich(produkt.wert(), wert * wert * 100));
    const Dezimalzahl differenz = zahl->malHundert() - *zahl;
    if (differenz.istExakt()) pruefe(fastGleich(differenz.wert(), wert * 99));
}

// The calendar date of a day reading, written again as text, reads as the same day.
void datumPruefen(Tageszahl tage) {
    const Kalenderdatum tag = kalenderdatum(tage);
    pruefe(tag.monat >= 1 && tag.monat <= 12 && tag.tag >= 1 && tag.tag <= 31);
    pruefe(tageszahl(tag) == std::floor(tage) && tage - std::floor(tage) < 1);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", tag.tag, tag.monat, tag.jahr);
    const auto wieder = readDate(text);
    pruefe(wieder && *wieder == std::floor(tage));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const double fuehrend = leadingNumber(text); std::isfinite(fuehrend)) {
        textformenPruefen(fuehrend);
        betragPruefen(fuehrend);
    }
    if (const auto dezimal = readDecimal(text); dezimal && std::isfinite(*dezimal)) {
        textformenPruefen(*dezimal);
        betragPruefen(*dezimal * 100);
    }
    exaktPruefen(text);
    if (const auto datum = readDate(text)) datumPruefen(*datum);
    return 0;
}
