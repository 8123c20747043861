#include "model/Dezimalzahl.h"

#include <algorithm>

#include "model/Zahlen.h"

namespace tafomat {

namespace {

__extension__ using Ganz128 = __int128;
__extension__ using Betrag128 = unsigned __int128;

// 10^38 - 1 is the largest run of nines below 2^127.
constexpr std::size_t HöchsteStellen = 38;

bool istZiffer(char zeichen) {
    return zeichen >= '0' && zeichen <= '9';
}

void führendeNullenWeg(std::string& ziffern) {
    ziffern.erase(0, std::min(ziffern.find_first_not_of('0'), ziffern.size()));
}

// Adds one to a whole number written in digits.
std::string umEinsGrößer(std::string ziffern) {
    for (auto stelle = ziffern.rbegin(); stelle != ziffern.rend(); ++stelle) {
        if (*stelle != '9') {
            ++*stelle;
            return ziffern;
        }
        *stelle = '0';
    }
    return "1" + ziffern;
}

// The digits of the magnitude. It is taken unsigned, where -2^127 has its positive counterpart.
std::string zifferntext(Ganz128 zahl) {
    std::string text;
    const Betrag128 betrag = static_cast<Betrag128>(zahl);
    for (Betrag128 rest = zahl < 0 ? Betrag128(0) - betrag : betrag; rest != 0; rest /= 10)
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    return text;
}

}  // namespace

// All digits as one whole number and how many of them follow the comma: -4,350 is -435 and 2.
struct Dezimalzahl::Festkomma {
    Ganz128 ziffern = 0;
    std::size_t stellen = 0;

    // The digits at more places after the comma; nullopt when they would not fit.
    [[nodiscard]] std::optional<Ganz128> aufStellen(std::size_t mehrStellen) const {
        Ganz128 ergebnis = ziffern;
        for (std::size_t i = stellen; i < mehrStellen; ++i)
            if (__builtin_mul_overflow(ergebnis, Ganz128(10), &ergebnis)) return std::nullopt;
        return ergebnis;
    }
};

std::optional<Dezimalzahl> Dezimalzahl::lesen(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return std::nullopt;
    Dezimalzahl zahl;
    if (text[pos] == '-' || text[pos] == '+') zahl.m_negativ = text[pos++] == '-';
    bool hatKomma = false;
    bool hatZiffern = false;
    // Points are thousands marks wherever they stand, also after the comma.
    for (; pos < text.size(); ++pos) {
        const char zeichen = text[pos];
        if (istZiffer(zeichen)) {
            (hatKomma ? zahl.m_bruch : zahl.m_ganz) += zeichen;
            hatZiffern = true;
        } else if (zeichen == ',' && !hatKomma) {
            hatKomma = true;
        } else if (zeichen != '.') {
            break;
        }
    }
    if (!hatZiffern || text.find_first_not_of(' ', pos) != std::string_view::npos)
        return std::nullopt;
    führendeNullenWeg(zahl.m_ganz);
    return zahl;
}

double Dezimalzahl::wert() const {
    return numberFromText((m_negativ ? "-0" : "0") + m_ganz + "." + m_bruch);
}

Dezimalzahl Dezimalzahl::malHundert() const {
    Dezimalzahl zahl = *this;
    const std::size_t verschoben = std::min<std::size_t>(2, m_bruch.size());
    zahl.m_ganz += m_bruch.substr(0, verschoben) + std::string(2 - verschoben, '0');
    zahl.m_bruch.erase(0, verschoben);
    führendeNullenWeg(zahl.m_ganz);
    return zahl;
}

std::string Dezimalzahl::abgerundet() const {
    std::string ganz = m_ganz;
    const bool hatBruch = m_bruch.find_first_not_of('0') != std::string::npos;
    if (m_negativ && hatBruch) ganz = umEinsGrößer(ganz);
    if (ganz.empty()) return "0";
    return m_negativ ? "-" + ganz : ganz;
}

std::optional<Dezimalzahl::Festkomma> Dezimalzahl::festkomma() const {
    if (!m_exakt) return std::nullopt;
    std::string bruch = m_bruch;
    bruch.erase(bruch.find_last_not_of('0') + 1);
    std::string alle = m_ganz + bruch;
    führendeNullenWeg(alle);
    if (alle.size() > HöchsteStellen) return std::nullopt;
    Festkomma zahl{0, bruch.size()};
    for (const char ziffer : alle) zahl.ziffern = zahl.ziffern * 10 + (ziffer - '0');
    if (m_negativ) zahl.ziffern = -zahl.ziffern;
    return zahl;
}

Dezimalzahl Dezimalzahl::ausFestkomma(const Festkomma& zahl) {
    std::string ziffern = zifferntext(zahl.ziffern);
    if (ziffern.size() <= zahl.stellen) ziffern.insert(0, zahl.stellen + 1 - ziffern.size(), '0');
    Dezimalzahl ergebnis;
    ergebnis.m_negativ = zahl.ziffern < 0;
    ergebnis.m_ganz = ziffern.substr(0, ziffern.size() - zahl.stellen);
    ergebnis.m_bruch = ziffern.substr(ergebnis.m_ganz.size());
    führendeNullenWeg(ergebnis.m_ganz);
    return ergebnis;
}

Dezimalzahl Dezimalzahl::nichtExakt() {
    Dezimalzahl zahl;
    zahl.m_exakt = false;
    return zahl;
}

Dezimalzahl operator-(const Dezimalzahl& a, const Dezimalzahl& b) {
    const auto x = a.festkomma();
    const auto y = b.festkomma();
    if (!x || !y) return Dezimalzahl::nichtExakt();
    const std::size_t stellen = std::max(x->stellen, y->stellen);
    const auto xZiffern = x->aufStellen(stellen);
    const auto yZiffern = y->aufStellen(stellen);
    Ganz128 differenz = 0;
    if (!xZiffern || !yZiffern || __builtin_sub_overflow(*xZiffern, *yZiffern, &differenz))
        return Dezimalzahl::nichtExakt();
    return Dezimalzahl::ausFestkomma({differenz, stellen});
}

Dezimalzahl operator*(const Dezimalzahl& a, const Dezimalzahl& b) {
    const auto x = a.festkomma();
    const auto y = b.festkomma();
    Ganz128 produkt = 0;
    if (!x || !y || __builtin_mul_overflow(x->ziffern, y->ziffern, &produkt))
        return Dezimalzahl::nichtExakt();
    return Dezimalzahl::ausFestkomma({produkt, x->stellen + y->stellen});
}

}  // namespace tafomat
