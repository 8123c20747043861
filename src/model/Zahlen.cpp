#include "model/Zahlen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "model/Dezimalzahl.h"

namespace tafomat {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over a text; every read that does not fit leaves the position where it was.
class Leser {
  public:
    explicit Leser(std::string_view text) : m_text(text) {}

    bool amEnde() const { return m_pos >= m_text.size(); }
    char aktuell() const { return amEnde() ? '\0' : m_text[m_pos]; }
    bool nimm(char c) {
        if (aktuell() != c) return false;
        ++m_pos;
        return true;
    }
    bool nimmEines(std::string_view zeichen) {
        if (amEnde() || zeichen.find(aktuell()) == std::string_view::npos) return false;
        ++m_pos;
        return true;
    }
    void überspringeBlanks() {
        while (aktuell() == ' ') ++m_pos;
    }
    std::string_view ziffern() {
        const std::size_t anfang = m_pos;
        while (isDigit(aktuell())) ++m_pos;
        return m_text.substr(anfang, m_pos - anfang);
    }
    std::size_t position() const { return m_pos; }
    void zurück(std::size_t pos) { m_pos = pos; }

  private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Exponents beyond this give inf or 0 anyway; the limit keeps the exponent text short.
constexpr long GrößterExponent = 99999;

long exponentWert(std::string_view ziffern) {
    long wert = 0;
    for (char c : ziffern) {
        wert = std::min(wert * 10 + (c - '0'), GrößterExponent);
    }
    return wert;
}

double basisZahl(Leser& leser, int basis) {
    double wert = 0;
    for (;;) {
        const char c = leser.aktuell();
        int ziffer = -1;
        if (isDigit(c)) ziffer = c - '0';
        if (c >= 'A' && c <= 'F') ziffer = c - 'A' + 10;
        if (c >= 'a' && c <= 'f') ziffer = c - 'a' + 10;
        if (ziffer < 0 || ziffer >= basis) return wert;
        wert = wert * basis + ziffer;
        leser.nimm(c);
    }
}

double dezimalZahl(Leser& leser, bool negativ) {
    std::string text = negativ ? "-" : "";
    text += "0";
    text += leser.ziffern();
    if (leser.nimm('.')) {
        text += '.';
        text += leser.ziffern();
    }
    const std::size_t vorExponent = leser.position();
    if (leser.nimmEines("EeDd")) {
        const bool exponentNegativ = leser.nimm('-');
        if (!exponentNegativ) leser.nimm('+');
        const std::string_view ziffern = leser.ziffern();
        if (ziffern.empty()) {
            leser.zurück(vorExponent);
        } else {
            text += exponentNegativ ? "e-" : "e";
            text += std::to_string(exponentWert(ziffern));
        }
    }
    return numberFromText(text);
}

// The digits of a finite number rounded to 15 significant digits, without trailing zeros,
// and the decimal order of the first digit (0.5: "5", -1; 1994000: "1994", 6).
struct Ziffernfolge {
    std::string ziffern;
    int ordnung = 0;
};

Ziffernfolge fünfzehnStellen(double betrag) {
    char puffer[64];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, betrag, std::chars_format::scientific, 14);
    const std::string_view text(puffer, fehler == std::errc() ? ende - puffer : 0);
    const std::size_t ePos = text.find('e');
    Ziffernfolge folge;
    folge.ziffern = std::string(1, text[0]) + std::string(text.substr(2, ePos - 2));
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    folge.ordnung);
    while (folge.ziffern.size() > 1 && folge.ziffern.back() == '0') folge.ziffern.pop_back();
    return folge;
}

// Digits and point of |zahl|, never with an exponent; with a zero before the point or not.
std::string betragText(double betrag, char dezimalzeichen, bool nullVorDemKomma) {
    if (betrag == 0) return "0";
    const Ziffernfolge folge = fünfzehnStellen(betrag);
    const int ganzeStellen = folge.ordnung + 1;
    const int anzahl = static_cast<int>(folge.ziffern.size());
    if (ganzeStellen <= 0) {
        return (nullVorDemKomma ? "0" : "") + std::string(1, dezimalzeichen) +
               std::string(-ganzeStellen, '0') + folge.ziffern;
    }
    if (ganzeStellen >= anzahl) return folge.ziffern + std::string(ganzeStellen - anzahl, '0');
    return folge.ziffern.substr(0, ganzeStellen) + dezimalzeichen +
           folge.ziffern.substr(ganzeStellen);
}

// inf and nan have no number text; callers check finiteness first. They get the C library's
// words, so that nothing breaks on them.
std::string nichtEndlichText(double zahl) {
    if (std::isnan(zahl)) return "nan";
    return zahl < 0 ? "-inf" : "inf";
}

// Day number of a proleptic Gregorian date, counted from 1.1.1970 (after H. Hinnant).
std::int64_t tageSeit1970(std::int64_t jahr, int monat, int tag) {
    jahr -= monat <= 2;
    const std::int64_t ära = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const std::int64_t jahrDerÄra = jahr - ära * 400;
    const int m = monat > 2 ? monat - 3 : monat + 9;
    const std::int64_t tagDesJahres = (153 * m + 2) / 5 + tag - 1;
    const std::int64_t tagDerÄra =
        jahrDerÄra * 365 + jahrDerÄra / 4 - jahrDerÄra / 100 + tagDesJahres;
    return ära * 146097 + tagDerÄra - 719468;
}

Kalenderdatum datumSeit1970(std::int64_t tage) {
    tage += 719468;
    const std::int64_t ära = (tage >= 0 ? tage : tage - 146096) / 146097;
    const std::int64_t tagDerÄra = tage - ära * 146097;
    const std::int64_t jahrDerÄra =
        (tagDerÄra - tagDerÄra / 1460 + tagDerÄra / 36524 - tagDerÄra / 146096) / 365;
    const std::int64_t tagDesJahres =
        tagDerÄra - (365 * jahrDerÄra + jahrDerÄra / 4 - jahrDerÄra / 100);
    const std::int64_t mp = (5 * tagDesJahres + 2) / 153;
    const int tag = static_cast<int>(tagDesJahres - (153 * mp + 2) / 5 + 1);
    const int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t jahr = jahrDerÄra + ära * 400 + (monat <= 2);
    return {static_cast<int>(jahr), monat, tag};
}

// 30.12.1899, day 0 of the day numbers, counted from 1.1.1970.
constexpr std::int64_t Nulltag = -25569;

bool istSchaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int tageImMonat(int jahr, int monat) {
    static constexpr int Tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && istSchaltjahr(jahr) ? 29 : Tage[monat - 1];
}

[[nodiscard]] std::optional<int> zahlAusZiffern(std::string_view ziffern, std::size_t min,
                                                std::size_t max) {
    if (ziffern.size() < min || ziffern.size() > max) return std::nullopt;
    int wert = 0;
    for (char c : ziffern) wert = wert * 10 + (c - '0');
    return wert;
}

// A year of one or two digits means 2000 to 2029 for 00 to 29 and 1930 to 1999 for 30 to 99;
// three or four digits are the year as written, from 100 on.
[[nodiscard]] std::optional<int> jahrAusZiffern(std::string_view ziffern) {
    const std::optional<int> jahr = zahlAusZiffern(ziffern, 1, 4);
    if (!jahr) return std::nullopt;
    if (ziffern.size() <= 2) return *jahr < 30 ? 2000 + *jahr : 1900 + *jahr;
    if (*jahr < 100) return std::nullopt;
    return jahr;
}

[[nodiscard]] std::optional<Kalenderdatum> datumLesen(Leser& leser) {
    const std::optional<int> tag = zahlAusZiffern(leser.ziffern(), 1, 2);
    if (!tag || !leser.nimm('.')) return std::nullopt;
    const std::optional<int> monat = zahlAusZiffern(leser.ziffern(), 1, 2);
    if (!monat || !leser.nimm('.')) return std::nullopt;
    const std::optional<int> jahr = jahrAusZiffern(leser.ziffern());
    if (!jahr || *monat < 1 || *monat > 12) return std::nullopt;
    if (*tag < 1 || *tag > tageImMonat(*jahr, *monat)) return std::nullopt;
    return Kalenderdatum{*jahr, *monat, *tag};
}

// "hh:mm" or "hh:mm:ss" as the fraction of a day.
[[nodiscard]] std::optional<double> uhrzeitLesen(Leser& leser) {
    const std::optional<int> stunden = zahlAusZiffern(leser.ziffern(), 1, 2);
    if (!stunden || *stunden > 23 || !leser.nimm(':')) return std::nullopt;
    const std::optional<int> minuten = zahlAusZiffern(leser.ziffern(), 1, 2);
    if (!minuten || *minuten > 59) return std::nullopt;
    int sekunden = 0;
    if (leser.nimm(':')) {
        const std::optional<int> s = zahlAusZiffern(leser.ziffern(), 1, 2);
        if (!s || *s > 59) return std::nullopt;
        sekunden = *s;
    }
    return (*stunden * 3600.0 + *minuten * 60.0 + sekunden) / 86400.0;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string bereinigt;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') bereinigt += c;
    }
    Leser leser(bereinigt);
    bool negativ = false;
    if (leser.nimm('-')) {
        negativ = true;
    } else {
        leser.nimm('+');
    }
    if (leser.nimm('&')) {
        double wert = 0;
        if (leser.nimmEines("Hh"))
            wert = basisZahl(leser, 16);
        else if (leser.nimmEines("Oo"))
            wert = basisZahl(leser, 8);
        return negativ ? -wert : wert;
    }
    return dezimalZahl(leser, negativ);
}

std::optional<double> readDecimal(std::string_view text) {
    const std::optional<Dezimalzahl> zahl = Dezimalzahl::lesen(text);
    if (!zahl) return std::nullopt;
    return zahl->wert();
}

// The C locale's reading is used, so that a decimal comma of the process locale does not matter.
double numberFromText(const std::string& text) {
    double wert = 0;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler == std::errc()) return wert;
    if (fehler != std::errc::result_out_of_range) return 0;
    // Decimal order of the first nonzero digit decides between overflow and underflow.
    const bool negativ = text[0] == '-';
    const std::size_t ePos = text.find('e');
    const std::string_view mantisse(text.data(), ePos == std::string::npos ? text.size() : ePos);
    long exponent =
        ePos == std::string::npos ? 0 : std::strtol(text.c_str() + ePos + 1, nullptr, 10);
    const std::size_t punkt = std::min(mantisse.find('.'), mantisse.size());
    const std::size_t ersteZiffer = mantisse.find_first_of("123456789");
    const long ordnung = static_cast<long>(punkt) - static_cast<long>(ersteZiffer) + exponent;
    const double betrag = ordnung > 0 ? HUGE_VAL : 0.0;
    return negativ ? -betrag : betrag;
}

Tageszahl tageszahl(Kalenderdatum datum) {
    return static_cast<double>(tageSeit1970(datum.jahr, datum.monat, datum.tag) - Nulltag);
}

Kalenderdatum kalenderdatum(Tageszahl tage) {
    // Far beyond any date the window can show; keeps the conversion to whole days defined.
    constexpr double Grenze = 1e9;
    const double ganzeTage = std::isnan(tage) ? 0 : std::clamp(std::floor(tage), -Grenze, Grenze);
    return datumSeit1970(static_cast<std::int64_t>(ganzeTage) + Nulltag);
}

std::optional<Tageszahl> readDate(std::string_view text) {
    Leser leser(text);
    leser.überspringeBlanks();
    const std::optional<Kalenderdatum> datum = datumLesen(leser);
    if (!datum) return std::nullopt;
    Tageszahl tage = tageszahl(*datum);
    const std::size_t nachDatum = leser.position();
    leser.überspringeBlanks();
    if (leser.amEnde()) return tage;
    if (leser.position() == nachDatum) return std::nullopt;
    const std::optional<double> uhrzeit = uhrzeitLesen(leser);
    leser.überspringeBlanks();
    if (!uhrzeit || !leser.amEnde()) return std::nullopt;
    return tage + *uhrzeit;
}

std::string regionalNumberText(double zahl) {
    if (!std::isfinite(zahl)) return nichtEndlichText(zahl);
    const std::string betrag = betragText(std::fabs(zahl), ',', true);
    return zahl < 0 ? "-" + betrag : betrag;
}

std::string plainNumberText(double zahl) {
    if (!std::isfinite(zahl)) return nichtEndlichText(zahl);
    const std::string betrag = betragText(std::fabs(zahl), '.', false);
    return (zahl < 0 ? "-" : " ") + betrag;
}

std::string amountText(std::string_view plainText) {
    std::string text(plainText);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    if (text.size() >= 2)
        return text.substr(0, text.size() - 2) + "," + text.substr(text.size() - 2);
    return "," + text;
}

}  // namespace tafomat
