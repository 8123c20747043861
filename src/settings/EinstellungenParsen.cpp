#include <algorithm>

#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Takes the characters up to the next line end and the line end itself. CR LF, a lone CR and
// a lone LF all end a line, so that files edited on any system read alike.
std::string_view takeLine(std::string_view& rest) {
    const std::size_t ende = rest.find_first_of("\r\n");
    const std::string_view zeile = rest.substr(0, ende);
    if (ende == std::string_view::npos) {
        rest = {};
        return zeile;
    }
    const bool crlf = rest[ende] == '\r' && ende + 1 < rest.size() && rest[ende + 1] == '\n';
    rest.remove_prefix(ende + (crlf ? 2 : 1));
    return zeile;
}

bool isBlank(char zeichen) {
    return zeichen == ' ' || zeichen == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

// Far beyond every range the file knows; keeps long runs of digits from overflowing.
constexpr long long Sättigung = 1'000'000'000'000;

// The digits up to a point or the end, saturated.
long long takeWholePart(std::string_view& text) {
    long long betrag = 0;
    while (!text.empty() && isDigit(text.front())) {
        betrag = std::min(betrag * 10 + (text.front() - '0'), Sättigung);
        text.remove_prefix(1);
    }
    return betrag;
}

struct Bruchteil {
    bool ziffern;
    bool aufrunden;
};

// The point and the digits after it, if the text goes on with a point.
Bruchteil takeFraction(std::string_view& text) {
    if (!text.starts_with('.')) return {false, false};
    text.remove_prefix(1);
    const bool ziffern = !text.empty() && isDigit(text.front());
    const bool aufrunden = ziffern && text.front() >= '5';
    while (!text.empty() && isDigit(text.front())) text.remove_prefix(1);
    return {ziffern, aufrunden};
}

// A sign, digits with at most one point, and nothing else; rounded, halves away from zero.
[[nodiscard]] std::optional<long long> readWholeNumber(std::string_view text) {
    text = trimBlanks(text);
    const bool negativ = text.starts_with('-');
    if (negativ || text.starts_with('+')) text.remove_prefix(1);
    const bool ganzeZiffern = !text.empty() && isDigit(text.front());
    long long betrag = takeWholePart(text);
    const Bruchteil bruch = takeFraction(text);
    if (!(ganzeZiffern || bruch.ziffern) || !text.empty()) return std::nullopt;
    if (bruch.aufrunden) betrag = std::min(betrag + 1, Sättigung);
    return negativ ? -betrag : betrag;
}

// Reads one record after the other into the result and records where and why it stopped.
class Datensatzleser {
  public:
    Datensatzleser(std::string_view bytes, Einstellungen& ziel) : m_rest(bytes), m_ziel(ziel) {}

    [[nodiscard]] bool zeile(std::optional<Datensatzwert>& wert) {
        if (!beginnt()) return false;
        const std::string_view text = takeLine(m_rest);
        if (text.size() > LängsteTextzeile) return abbrechen(Abbruch::ZuLang);
        wert = std::string(text);
        return gelesen();
    }

    [[nodiscard]] bool zahl(std::optional<Datensatzwert>& wert) {
        const std::optional<long long> zahl = zahlLesen();
        if (!zahl) return false;
        wert = *zahl;
        return gelesen();
    }

    [[nodiscard]] bool regler(Feld regler, std::optional<Datensatzwert>& wert) {
        const std::optional<long long> zahl = zahlLesen();
        if (!zahl) return false;
        const Reglerbereich bereich = bereichVon(regler);
        if (*zahl < bereich.min || *zahl > bereich.max) {
            return abbrechen(Abbruch::AußerhalbBereich);
        }
        wert = *zahl;
        return gelesen();
    }

    // The lines up to the end, joined with CR LF; the line end of the last line is dropped.
    [[nodiscard]] bool vorlage(std::optional<Datensatzwert>& wert) {
        if (!beginnt()) return false;
        std::string text(takeLine(m_rest));
        while (!m_rest.empty()) {
            text += Zeilenumbruch;
            text += takeLine(m_rest);
        }
        wert = std::move(text);
        return gelesen();
    }

  private:
    [[nodiscard]] std::optional<long long> zahlLesen() {
        if (!beginnt()) return std::nullopt;
        const std::optional<long long> zahl = readWholeNumber(takeLine(m_rest));
        if (!zahl) abbrechen(Abbruch::KeineZahl);
        return zahl;
    }

    [[nodiscard]] bool beginnt() { return !m_rest.empty() || abbrechen(Abbruch::DateiEnde); }

    bool gelesen() {
        ++m_ziel.gelesen;
        return true;
    }

    bool abbrechen(Abbruch grund) {
        m_ziel.abbruch = grund;
        return false;
    }

    std::string_view m_rest;
    Einstellungen& m_ziel;
};

[[nodiscard]] bool lesen(Datensatzleser& leser, const Datensatz& satz,
                         std::optional<Datensatzwert>& wert) {
    switch (satz.art) {
        case Datensatzart::Textfarbe:
            return leser.zahl(wert);
        case Datensatzart::Regler:
            return leser.regler(*satz.feld, wert);
        case Datensatzart::Vorlage:
            return leser.vorlage(wert);
        case Datensatzart::Bildpfad:
        case Datensatzart::Bildname:
        case Datensatzart::Schriftart:
        case Datensatzart::Schriftgröße:
        case Datensatzart::Datum:
        case Datensatzart::Anzahl:
        case Datensatzart::Betrag:
            break;
    }
    return leser.zeile(wert);
}

template <typename T>
[[nodiscard]] std::optional<T> wertAls(const Einstellungen& einstellungen, int nummer) {
    if (nummer < 1 || nummer > EinstellungenDatensätze) return std::nullopt;
    const std::optional<Datensatzwert>& wert =
        einstellungen.werte[static_cast<std::size_t>(nummer - 1)];
    if (!wert || !std::holds_alternative<T>(*wert)) return std::nullopt;
    return std::get<T>(*wert);
}

int textfarbennummer() {
    const auto satz = std::find_if(Datensätze.begin(), Datensätze.end(), [](const Datensatz& s) {
        return s.art == Datensatzart::Textfarbe;
    });
    return static_cast<int>(satz - Datensätze.begin()) + 1;
}

}  // namespace

std::optional<std::string> Einstellungen::text(Feld feld) const {
    return wertAls<std::string>(*this, Datensatznummer(feld));
}

std::optional<long long> Einstellungen::zahl(Feld feld) const {
    return wertAls<long long>(*this, Datensatznummer(feld));
}

std::optional<long long> Einstellungen::farbe() const {
    return wertAls<long long>(*this, textfarbennummer());
}

Einstellungen EinstellungenParsen(std::string_view bytes) {
    Einstellungen ziel;
    Datensatzleser leser(bytes, ziel);
    for (std::size_t i = 0; i < Datensätze.size(); ++i) {
        if (!lesen(leser, Datensätze[i], ziel.werte[i])) return ziel;
    }
    return ziel;
}

}  // namespace tafomat
