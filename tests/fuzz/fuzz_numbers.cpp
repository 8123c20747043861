#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/Dezimalzahl.h"
#include "model/Zahlen.h"

using namespace tafomat;

namespace {

void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// 15 significant digits: the text reads back within a few units in the 15th digit. Near the
// largest double the rounded text lies beyond it, and below 1e-300 the subnormal spacing is
// coarser than that; both are left out.
bool fastGleich(double zurück, double zahl) {
    return std::fabs(zurück - zahl) <= 1e-14 * std::fabs(zahl);
}

bool nurZeichen(const std::string& text, std::string_view erlaubt) {
    return text.find_first_not_of(erlaubt) == std::string::npos;
}

void textformenPrüfen(double zahl) {
    const std::string regional = regionalNumberText(zahl);
    const std::string schlicht = plainNumberText(zahl);
    prüfe(nurZeichen(regional, "-0123456789,") && nurZeichen(schlicht, " -0123456789."));
    if (std::fabs(zahl) > 1e300 || (zahl != 0 && std::fabs(zahl) < 1e-300)) return;
    const auto regionalZurück = readDecimal(regional);
    prüfe(regionalZurück && fastGleich(*regionalZurück, zahl));
    prüfe(fastGleich(leadingNumber(schlicht), zahl));
}

// A whole number of cents of two or more digits reads back from its amount text exactly:
// both sides are the correctly rounded quotient of the same whole number by 100.
void betragPrüfen(double cent) {
    cent = std::trunc(cent);
    if (!(std::fabs(cent) >= 10 && std::fabs(cent) < 1e15)) return;
    const auto euro = readDecimal(amountText(plainNumberText(cent)));
    prüfe(euro && *euro == cent / 100);
}

// Whole numbers as digit strings, the oracle of the exact arithmetic: schoolbook sums and
// products share nothing with the 128-bit code they judge.
std::string ohneNullenVorn(std::string ziffern) {
    ziffern.erase(0, std::min(ziffern.find_first_not_of('0'), ziffern.size()));
    return ziffern.empty() ? "0" : ziffern;
}

std::string summe(const std::string& a, const std::string& b) {
    std::string ergebnis;
    int übertrag = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || übertrag; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        ergebnis.insert(ergebnis.begin(), static_cast<char>('0' + (x + y + übertrag) % 10));
        übertrag = (x + y + übertrag) / 10;
    }
    return ohneNullenVorn(ergebnis);
}

// Zeros at the end are set aside first, so that a long run of them costs nothing.
std::string produkt(std::string a, std::string b) {
    std::size_t nullen = 0;
    for (std::string* zahl : {&a, &b}) {
        const std::size_t letzte = zahl->find_last_not_of('0');
        if (letzte == std::string::npos) return "0";
        nullen += zahl->size() - letzte - 1;
        zahl->erase(letzte + 1);
    }
    std::vector<int> stellen(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            stellen[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = stellen.size() - 1; k > 0; --k) {
        stellen[k - 1] += stellen[k] / 10;
        stellen[k] %= 10;
    }
    std::string ergebnis;
    for (const int ziffer : stellen) ergebnis += static_cast<char>('0' + ziffer);
    return ohneNullenVorn(ergebnis) + std::string(nullen, '0');
}

std::string mitVorzeichen(bool negativ, const std::string& ziffern) {
    return negativ && ziffern != "0" ? "-" + ziffern : ziffern;
}

// The number times 10^stellen (an even count) as a whole number in digits: exactly its digits
// once stellen covers its places after the comma, however close to zero its value lies.
std::string verschoben(Dezimalzahl zahl, std::size_t stellen) {
    for (; stellen > 0; stellen -= 2) zahl = zahl.malHundert();
    return zahl.abgerundet();
}

// Places after the comma as the text has them, rounded up to an even count.
std::size_t geradeStellen(std::string_view text) {
    const std::size_t komma = text.find(',');
    if (komma == std::string_view::npos) return 0;
    std::size_t stellen = 0;
    for (const char zeichen : text.substr(komma + 1)) stellen += zeichen >= '0' && zeichen <= '9';
    return stellen + stellen % 2;
}

std::string gegenzeichen(std::string_view text) {
    std::string gegen(text);
    const std::size_t pos = gegen.find_first_not_of(' ');
    if (gegen[pos] == '-' || gegen[pos] == '+')
        gegen[pos] = gegen[pos] == '-' ? '+' : '-';
    else
        gegen.insert(pos, 1, '-');
    return gegen;
}

// 10^38 - 1 with the comma `stellen` places from the right.
std::string neunen(bool negativ, std::size_t stellen) {
    std::string ziffern = std::string(stellen > 38 ? stellen - 38 : 0, '0') + std::string(38, '9');
    ziffern.insert(ziffern.size() - stellen, stellen == ziffern.size() ? "0," : ",");
    if (stellen == 0) ziffern.pop_back();
    return (negativ ? "-" : "") + ziffern;
}

// A result that the exact arithmetic calls exact has the oracle's digits, also when it lies at
// the edge of 128 bits (-2^127 has no positive counterpart) or rounds to zero as a double.
void exaktGleich(const Dezimalzahl& ergebnis, std::size_t stellen, const std::string& erwartet) {
    if (ergebnis.istExakt()) prüfe(verschoben(ergebnis, stellen) == erwartet);
}

void exaktPrüfen(std::string_view text) {
    const auto zahl = Dezimalzahl::lesen(text);
    if (!zahl) return;
    const std::size_t s = geradeStellen(text);
    const std::string ganz = verschoben(*zahl, s);
    const bool negativ = ganz[0] == '-';
    const std::string x = negativ ? ganz.substr(1) : ganz;
    const auto gegen = Dezimalzahl::lesen(gegenzeichen(text));
    const auto grenze = Dezimalzahl::lesen(neunen(!negativ, s));
    prüfe(gegen && grenze);

    exaktGleich(*zahl * zahl->malHundert(), 2 * s, produkt(produkt(x, x), "100"));
    exaktGleich(zahl->malHundert() - *zahl, s, mitVorzeichen(negativ, produkt(x, "99")));
    // Near +-2^127: a square and its negative, and 10^38 - 1 of the other sign less the number.
    exaktGleich(*zahl * *zahl, 2 * s, produkt(x, x));
    exaktGleich(*zahl * *gegen, 2 * s, mitVorzeichen(true, produkt(x, x)));
    exaktGleich(*grenze - *zahl, s, mitVorzeichen(!negativ, summe(std::string(38, '9'), x)));
}

// The calendar date of a day reading, written again as text, reads as the same day.
void datumPrüfen(Tageszahl tage) {
    const Kalenderdatum tag = kalenderdatum(tage);
    prüfe(tag.monat >= 1 && tag.monat <= 12 && tag.tag >= 1 && tag.tag <= 31);
    prüfe(tageszahl(tag) == std::floor(tage) && tage - std::floor(tage) < 1);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", tag.tag, tag.monat, tag.jahr);
    const auto wieder = readDate(text);
    prüfe(wieder && *wieder == std::floor(tage));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const double führend = leadingNumber(text); std::isfinite(führend)) {
        textformenPrüfen(führend);
        betragPrüfen(führend);
    }
    if (const auto dezimal = readDecimal(text); dezimal && std::isfinite(*dezimal)) {
        textformenPrüfen(*dezimal);
        betragPrüfen(*dezimal * 100);
    }
    exaktPrüfen(text);
    if (const auto datum = readDate(text)) datumPrüfen(*datum);
    return 0;
}
