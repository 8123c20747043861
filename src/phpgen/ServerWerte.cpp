#include "phpgen/ServerWerte.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

#include "phpgen/PhpSkript.h"

namespace tafomat {

namespace {

// A PHP number: an int, or a float where a literal or a result leaves the int range.
class PhpZahl {
  public:
    static PhpZahl ganz(std::int64_t wert) { return {true, wert, 0}; }
    static PhpZahl komma(double wert) { return {false, 0, wert}; }

    // A decimal literal as the script writes it: "500", "-150", "2.5", "-.5".
    static PhpZahl literal(const std::string& text) {
        const bool negativ = !text.empty() && text[0] == '-';
        std::uint64_t betrag = 0;
        const char* anfang = text.data() + (negativ ? 1 : 0);
        const char* ende = text.data() + text.size();
        const auto [rest, fehler] = std::from_chars(anfang, ende, betrag);
        constexpr auto Höchste = std::uint64_t(std::numeric_limits<std::int64_t>::max());
        if (fehler != std::errc() || rest != ende || betrag > Höchste)
            return komma(numberFromText(text));
        const auto wert = static_cast<std::int64_t>(betrag);
        return ganz(negativ ? -wert : wert);
    }

    double alsKomma() const { return m_ganz ? static_cast<double>(m_int) : m_float; }

    friend PhpZahl operator*(const PhpZahl& a, const PhpZahl& b) {
        std::int64_t produkt = 0;
        if (a.m_ganz && b.m_ganz && !__builtin_mul_overflow(a.m_int, b.m_int, &produkt))
            return ganz(produkt);
        return komma(a.alsKomma() * b.alsKomma());
    }
    friend PhpZahl operator-(const PhpZahl& a, const PhpZahl& b) {
        std::int64_t differenz = 0;
        if (a.m_ganz && b.m_ganz && !__builtin_sub_overflow(a.m_int, b.m_int, &differenz))
            return ganz(differenz);
        return komma(a.alsKomma() - b.alsKomma());
    }

    std::string text() const;

  private:
    PhpZahl(bool istGanz, std::int64_t i, double f) : m_ganz(istGanz), m_int(i), m_float(f) {}

    bool m_ganz;
    std::int64_t m_int;
    double m_float;
};

// The significant digits of a float rounded to `stellen`, without trailing zeros, and the
// position of the point after the first digit's order (0.05: "5", -1).
std::pair<std::string, int> ziffernUndPunkt(double betrag, int stellen) {
    char puffer[64];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, betrag,
                                    std::chars_format::scientific, stellen - 1)
                          .ptr;
    const std::string text(puffer, ende);
    const std::size_t e = text.find('e');
    std::string ziffern = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : "");
    ziffern.erase(std::max<std::size_t>(1, ziffern.find_last_not_of('0') + 1));
    return {ziffern, std::stoi(text.substr(e + 1)) + 1};
}

// PHP's string form of a float with its default precision of 14 digits: an exponent from
// 10^15 on and below 10^-4 ("1.0E+15", "1.5E-5"), "-0" for minus zero.
std::string phpKommaText(double zahl) {
    if (std::isnan(zahl)) return "NAN";
    const std::string zeichen = std::signbit(zahl) ? "-" : "";
    if (std::isinf(zahl)) return zeichen + "INF";
    if (zahl == 0) return zeichen + "0";
    const auto [ziffern, punkt] = ziffernUndPunkt(std::fabs(zahl), 14);
    if (punkt < -3 || punkt > 14) {
        const int exponent = punkt - 1;
        return zeichen + ziffern.substr(0, 1) + "." +
               (ziffern.size() > 1 ? ziffern.substr(1) : "0") + "E" + (exponent < 0 ? "-" : "+") +
               std::to_string(std::abs(exponent));
    }
    if (punkt <= 0) return zeichen + "0." + std::string(-punkt, '0') + ziffern;
    if (ziffern.size() <= std::size_t(punkt))
        return zeichen + ziffern + std::string(punkt - ziffern.size(), '0');
    return zeichen + ziffern.substr(0, punkt) + "." + ziffern.substr(punkt);
}

std::string PhpZahl::text() const {
    return m_ganz ? std::to_string(m_int) : phpKommaText(m_float);
}

std::string mitKomma(std::string text) {
    for (char& zeichen : text)
        if (zeichen == '.') zeichen = ',';
    return text;
}

// A PHP expression of products and differences of variables, evaluated as PHP does.
class Formel {
  public:
    Formel(std::string_view text, const std::map<std::string_view, PhpZahl>& zahlen)
        : m_text(text), m_zahlen(zahlen) {}

    PhpZahl differenz() {
        PhpZahl wert = produkt();
        while (nimm('-')) wert = wert - produkt();
        return wert;
    }

  private:
    PhpZahl produkt() {
        PhpZahl wert = faktor();
        while (nimm('*')) wert = wert * faktor();
        return wert;
    }
    PhpZahl faktor() {
        if (nimm('(')) {
            const PhpZahl wert = differenz();
            nimm(')');
            return wert;
        }
        std::size_t ende = m_stelle + 1;
        while (ende < m_text.size() && std::isalpha(static_cast<unsigned char>(m_text[ende])))
            ++ende;
        const std::string_view name = m_text.substr(m_stelle, ende - m_stelle);
        m_stelle = ende;
        return m_zahlen.at(name);
    }
    bool nimm(char zeichen) {
        if (m_stelle >= m_text.size() || m_text[m_stelle] != zeichen) return false;
        ++m_stelle;
        return true;
    }

    std::string_view m_text;
    const std::map<std::string_view, PhpZahl>& m_zahlen;
    std::size_t m_stelle = 0;
};

std::string textVon(const Serverrechnung& rechnung, const PhpZahl& zahl, const Felder& felder) {
    switch (rechnung.text) {
        case Serverrechnung::Text::Euro:
            // The script's substr lines put the comma before the last two characters, as
            // amountText does with a text that has no leading blank.
            return amountText(zahl.text());
        case Serverrechnung::Text::Komma:
            return mitKomma(zahl.text());
        case Serverrechnung::Text::Getippt:
            break;
    }
    return felder.text(rechnung.getippt);
}

}  // namespace

std::optional<ServerWerte> ServerWerteBerechnen(const Felder& felder, Tageszahl heute) {
    const std::optional<Eingabewerte> werte = EingabewerteLesen(felder);
    if (!werte) return std::nullopt;
    const double tageszahlen = std::floor(heute) - tageszahl(werte->beginn);
    if (!(std::fabs(tageszahlen) <= 1e15)) return std::nullopt;
    const PhpZahl tage = PhpZahl::ganz(static_cast<std::int64_t>(tageszahlen));
    ServerWerte ergebnis;
    ergebnis.datum = felder.text(Feld::DaTxt);
    ergebnis.tage = tage.text();
    std::map<std::string_view, PhpZahl> zahlen{{"$Tage", tage}};
    for (const Serverrechnung& rechnung : Serverrechnungen) {
        const PhpZahl zahl = rechnung.eingabe ? PhpZahl::literal(*werte.*rechnung.eingabe)
                                              : Formel(rechnung.formel, zahlen).differenz();
        zahlen.insert_or_assign(rechnung.variable, zahl);
        ergebnis.*rechnung.wert = textVon(rechnung, zahl, felder);
    }
    return ergebnis;
}

const std::string& ServerwertVon(const ServerWerte& werte, const Platzhalter& platzhalter) {
    if (platzhalter.variable == "$Datum") return werte.datum;
    if (platzhalter.variable == "$Tage") return werte.tage;
    for (const Serverrechnung& rechnung : Serverrechnungen)
        if (rechnung.variable == platzhalter.variable) return werte.*rechnung.wert;
    return werte.datum;
}

}  // namespace tafomat
