#include "phpgen/Zeichenplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Vorlage.h"
#include "preview/BildZeichnen.h"

namespace tafomat {

namespace {

// Far beyond any picture, and still far inside the pen's range.
constexpr double GroessteLage = 1e12;

std::int64_t inStift(double pixel) {
    return std::llround(std::clamp(pixel, -GroessteLage, GroessteLage) * StiftJePixel);
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// PHP 8's GD stops the script at a colour component outside 0 to 255, so the script takes the
// component as the preview does: rounded half to even and limited to that range.
int farbanteil(double wert) {
    const double gerundet = std::nearbyint(wert);
    return std::isnan(gerundet) ? 0 : static_cast<int>(std::clamp(gerundet, 0.0, 255.0));
}

bool nurBlanks(const std::vector<Stueck>& stuecke) {
    return std::all_of(stuecke.begin(), stuecke.end(), [](const Stueck& stueck) {
        return !stueck.platzhalter &&
               std::all_of(stueck.text.begin(), stueck.text.end(), [](char c) { return c == ' '; });
    });
}

bool imIntBereich(std::int64_t wert) {
    return wert >= std::numeric_limits<int>::min() && wert <= std::numeric_limits<int>::max();
}

// What a run is drawn with; text that follows in another state begins a new run.
struct Laufzustand {
    double groesse = 0;
    bool fett = false;
    Farbaufruf farbe;
    bool operator==(const Laufzustand&) const = default;
};

class Übersetzung {
  public:
    Übersetzung(const Felder& felder, Surface& flaeche) : m_felder(felder), m_flaeche(flaeche) {}

    std::optional<Zeichenplan> übersetzen() {
        m_grundgröße = Grundgröße(m_felder);
        m_zeileY = m_felder.wert(Feld::YPos);
        // The widths are measured at the size that the drawing calls name, also when the last
        // redraw stopped before it set the base size.
        if (!größeSetzen(m_grundgröße)) return std::nullopt;
        const std::string vorlage = m_felder.text(Feld::Txt);
        std::size_t stelle = 0;
        for (Token token{}; nextToken(vorlage, stelle, token);) {
            if (!ausführen(token)) {
                if (!m_stopp) m_stopp = token.position;
                return std::nullopt;
            }
        }
        if (!PhpTextzeile()) return std::nullopt;
        return std::move(m_plan);
    }

    // Where übersetzen stopped: 0 at the base size.
    std::size_t stopp() const { return m_stopp; }

  private:
    bool ausführen(const Token& token) {
        m_stelle = token.position;
        switch (token.art) {
            case TokenArt::Zeilenumbruch:
                if (!PhpTextzeile()) return false;
                m_stift = 0;
                m_zeileY += m_grundgröße + m_felder.wert(Feld::Abstand);
                return true;
            case TokenArt::BefehlX:
                if (!PhpTextzeile()) return false;
                m_stift = inStift(token.werte[0]);
                return true;
            case TokenArt::BefehlY:
                if (!PhpTextzeile()) return false;
                m_zeileY = token.werte[0];
                return true;
            case TokenArt::BefehlF:
                PhpFarbe(token);
                return true;
            case TokenArt::BefehlG:
                return größeSetzen(token.werte[0]);
            case TokenArt::BefehlB:
                m_zustand.fett = !m_zustand.fett;
                return true;
            case TokenArt::Platzhalter:
            case TokenArt::Textzeichen:
                return PhpPlatzhalter(token);
        }
        return true;
    }

    bool größeSetzen(double größe) {
        if (!m_flaeche.setFontSize(größe)) return false;
        m_zustand.groesse = größe;
        return true;
    }

    // A colour, bold or size command changes only the text after it: a pending run ends when
    // text in another state follows, so that a command that changes nothing splits no run. A
    // colour statement that comes while a run is pending is written after that run, which is
    // drawn in its own colour.
    void PhpFarbe(const Token& token) {
        m_zustand.farbe = Farbaufruf{farbanteil(token.werte[0]), farbanteil(token.werte[1]),
                                     farbanteil(token.werte[2])};
        if (m_lauf.empty())
            m_plan.aufrufe.emplace_back(m_zustand.farbe);
        else
            m_danachFarben.push_back(m_zustand.farbe);
    }

    // A "#" that begins no command reaches here as a text character and is left out.
    bool PhpPlatzhalter(const Token& token) {
        if (token.art == TokenArt::Textzeichen) {
            if (token.zeichen == '#') return true;
            return textAnhängen(std::string(1, token.zeichen), 0, std::string(1, token.zeichen));
        }
        const Platzhalter* ph = platzhalter(token.zeichen);
        if (!ph) return true;
        return textAnhängen({}, ph->name, m_felder.text(ph->gemessen));
    }

    bool textAnhängen(const std::string& text, char platzhalterName, const std::string& gemessen) {
        if (!m_lauf.empty() && !(m_zustand == m_laufZustand) && !PhpTextzeile()) return false;
        if (m_lauf.empty()) {
            m_laufZustand = m_zustand;
            m_laufAnfang = m_stift;
            m_laufStelle = m_stelle;
        }
        if (platzhalterName || m_lauf.empty() || m_lauf.back().platzhalter)
            m_lauf.push_back(Stueck{text, platzhalterName});
        else
            m_lauf.back().text += text;
        m_laufGemessen += gemessen;
        return true;
    }

    // Writes the pending run, if any: a run of blanks only writes nothing and only moves the
    // next run to the right. The next run starts where GD's layout of this one ends.
    bool PhpTextzeile() {
        if (m_lauf.empty()) return true;
        const std::optional<std::int64_t> breite = laufbreite();
        // A run that cannot be written is the fault of its text, not of what ends it.
        if (!breite || (!nurBlanks(m_lauf) && !textaufrufSchreiben())) {
            m_stopp = m_laufStelle;
            return false;
        }
        m_stift = m_laufAnfang + *breite;
        for (const Farbaufruf& farbe : m_danachFarben) m_plan.aufrufe.emplace_back(farbe);
        m_danachFarben.clear();
        m_lauf.clear();
        m_laufGemessen.clear();
        return true;
    }

    std::optional<std::int64_t> laufbreite() {
        if (!m_flaeche.setFontSize(m_laufZustand.groesse)) return std::nullopt;
        const double breite = m_flaeche.textWidth(m_laufGemessen);
        if (!m_flaeche.setFontSize(m_zustand.groesse)) return std::nullopt;
        return inStift(breite);
    }

    // Black is the starting colour, as in the preview. y is the baseline, 3 pixels plus the size
    // below the line's top; positions are whole pixels, as GD takes them.
    bool textaufrufSchreiben() {
        if (m_plan.aufrufe.empty()) m_plan.aufrufe.emplace_back(Farbaufruf{});
        Textaufruf aufruf;
        aufruf.groesse = m_laufZustand.groesse;
        aufruf.fett = m_laufZustand.fett;
        aufruf.x = floorDiv(m_laufAnfang, StiftJePixel) + m_felder.wert(Feld::XPos);
        const double y = std::round(m_zeileY + 3 + m_laufZustand.groesse);
        if (!(std::fabs(y) <= std::numeric_limits<int>::max())) return false;
        aufruf.y = static_cast<std::int64_t>(y);
        if (!imIntBereich(aufruf.x) || !imIntBereich(aufruf.x + (aufruf.fett ? 1 : 0)))
            return false;
        aufruf.stuecke = std::move(m_lauf);
        m_plan.aufrufe.emplace_back(std::move(aufruf));
        return true;
    }

    const Felder& m_felder;
    Surface& m_flaeche;
    Zeichenplan m_plan;
    double m_grundgröße = 0;
    double m_zeileY = 0;
    std::int64_t m_stift = 0;  // x from the line's start or the last #X, in GD's pen units
    Laufzustand m_zustand;
    Laufzustand m_laufZustand;
    std::int64_t m_laufAnfang = 0;
    std::vector<Stueck> m_lauf;
    std::string m_laufGemessen;  // the run's text with each placeholder's field text
    std::vector<Farbaufruf> m_danachFarben;
    std::size_t m_stelle = 0;      // the token being compiled
    std::size_t m_laufStelle = 0;  // the pending run's first character
    std::size_t m_stopp = 0;
};

}  // namespace

const Platzhalter* platzhalter(char name) {
    for (const Platzhalter& ph : Platzhalterliste)
        if (ph.name == name) return &ph;
    return nullptr;
}

std::optional<Zeichenplan> VorlageÜbersetzen(const Felder& felder, Surface& flaeche) {
    return Übersetzung(felder, flaeche).übersetzen();
}

std::optional<std::size_t> Übersetzungsstopp(const Felder& felder, Surface& flaeche) {
    Übersetzung übersetzung(felder, flaeche);
    if (übersetzung.übersetzen()) return std::nullopt;
    return übersetzung.stopp();
}

}  // namespace tafomat
