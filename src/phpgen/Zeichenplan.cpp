#include "phpgen/Zeichenplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "template/Vorlagenleser.h"

namespace tafomat {

namespace {

bool nurBlanks(const std::vector<Stück>& stücke) {
    return std::all_of(stücke.begin(), stücke.end(), [](const Stück& stück) {
        return !stück.platzhalter &&
               std::all_of(stück.text.begin(), stück.text.end(), [](char c) { return c == ' '; });
    });
}

bool imIntBereich(std::int64_t wert) {
    return wert >= std::numeric_limits<int>::min() && wert <= std::numeric_limits<int>::max();
}

class Übersetzung {
  public:
    Übersetzung(const Felder& felder, const Surface& fläche) : m_felder(felder), m_fläche(fläche) {}

    [[nodiscard]] std::optional<Zeichenplan> übersetzen() {
        // The widths are measured at the size that the drawing calls name.
        if (!größeSetzen(Grundgröße(m_felder))) return std::nullopt;
        Vorlagenleser leser(m_felder, Lesart::Skript);
        for (Zeichenereignis ereignis; leser.nächstes(ereignis);) {
            m_stelle = ereignis.stelle;
            if (!ausführen(ereignis)) {
                if (!m_stopp) m_stopp = ereignis.stelle;
                return std::nullopt;
            }
        }
        if (!PhpTextzeile()) return std::nullopt;
        return std::move(m_plan);
    }

    // Where übersetzen stopped: 0 at the base size.
    std::size_t stopp() const { return m_stopp; }

  private:
    [[nodiscard]] bool ausführen(const Zeichenereignis& ereignis) {
        using Art = Zeichenereignis::Art;
        switch (ereignis.art) {
            case Art::Zeile:
                if (!PhpTextzeile()) return false;
                m_stift = inStift(ereignis.x);
                m_zeileY = ereignis.y;
                return true;
            case Art::X:
                if (!PhpTextzeile()) return false;
                m_stift = inStift(ereignis.x);
                return true;
            case Art::Y:
                if (!PhpTextzeile()) return false;
                m_zeileY = ereignis.y;
                return true;
            case Art::Farbe:
                PhpFarbe(ereignis.farbe.value_or(0));
                return true;
            case Art::Größe:
                return größeSetzen(ereignis.größe);
            case Art::Fett:
                m_zustand.fett = ereignis.fett;
                return true;
            case Art::Platzhalter:
                return textAnhängen({}, ereignis.platzhalter->name,
                                    m_felder.text(ereignis.platzhalter->feld));
            case Art::Zeichen:
                return textAnhängen(std::string(1, ereignis.zeichen), 0,
                                    std::string(1, ereignis.zeichen));
        }
        return true;
    }

    [[nodiscard]] bool größeSetzen(double größe) {
        if (!m_fläche.widthAt(größe, {})) return false;
        m_zustand.größe = größe;
        return true;
    }

    // A colour, bold or size command changes only the text after it: a pending run ends when
    // text in another state follows, so that a command that changes nothing splits no run. A
    // colour statement that comes while a run is pending is written after that run, which is
    // drawn in its own colour.
    void PhpFarbe(Farbwert farbe) {
        m_zustand.farbe = farbe;
        if (m_lauf.empty())
            m_plan.aufrufe.emplace_back(Farbaufruf{farbanteile(farbe)});
        else
            m_danachFarben.push_back(Farbaufruf{farbanteile(farbe)});
    }

    [[nodiscard]] bool textAnhängen(const std::string& text, char platzhalterName,
                                    const std::string& gemessen) {
        const std::optional<Laufart> offen =
            m_lauf.empty() ? std::nullopt : std::optional(m_laufart);
        if (offen && !setztLaufFort(offen, m_zustand) && !PhpTextzeile()) return false;
        if (m_lauf.empty()) {
            m_laufart = m_zustand;
            m_laufAnfang = m_stift;
            m_laufStelle = m_stelle;
        }
        if (platzhalterName || m_lauf.empty() || m_lauf.back().platzhalter)
            m_lauf.push_back(Stück{text, platzhalterName});
        else
            m_lauf.back().text += text;
        m_laufGemessen += gemessen;
        return true;
    }

    // Writes the pending run, if any: a run of blanks only writes nothing and only moves the
    // next run to the right. The next run starts where GD's layout of this one ends.
    [[nodiscard]] bool PhpTextzeile() {
        if (m_lauf.empty()) return true;
        const std::optional<double> breite = m_fläche.widthAt(m_laufart.größe, m_laufGemessen);
        // A run that cannot be written is the fault of its text, not of what ends it.
        if (!breite || (!nurBlanks(m_lauf) && !textaufrufSchreiben())) {
            m_stopp = m_laufStelle;
            return false;
        }
        m_stift = m_laufAnfang + inStift(*breite);
        for (const Farbaufruf& farbe : m_danachFarben) m_plan.aufrufe.emplace_back(farbe);
        m_danachFarben.clear();
        m_lauf.clear();
        m_laufGemessen.clear();
        return true;
    }

    // Black is the starting colour, as in the preview. y is the baseline, 3 pixels plus the size
    // below the line's top; positions are whole pixels, as GD takes them.
    [[nodiscard]] bool textaufrufSchreiben() {
        if (m_plan.aufrufe.empty()) m_plan.aufrufe.emplace_back(Farbaufruf{});
        Textaufruf aufruf;
        aufruf.größe = m_laufart.größe;
        aufruf.fett = m_laufart.fett;
        aufruf.x = ganzerPixel(m_laufAnfang);
        const double y = std::round(m_zeileY + 3 + m_laufart.größe);
        if (!(std::fabs(y) <= std::numeric_limits<int>::max())) return false;
        aufruf.y = static_cast<std::int64_t>(y);
        if (!imIntBereich(aufruf.x) || !imIntBereich(aufruf.x + (aufruf.fett ? 1 : 0)))
            return false;
        aufruf.stücke = std::move(m_lauf);
        m_plan.aufrufe.emplace_back(std::move(aufruf));
        return true;
    }

    const Felder& m_felder;
    const Surface& m_fläche;
    Zeichenplan m_plan;
    double m_zeileY = 0;
    std::int64_t m_stift = 0;  // x from the picture's left, in GD's pen units
    Laufart m_zustand;
    Laufart m_laufart;
    std::int64_t m_laufAnfang = 0;
    std::vector<Stück> m_lauf;
    std::string m_laufGemessen;  // the run's text with each placeholder's field text
    std::vector<Farbaufruf> m_danachFarben;
    std::size_t m_stelle = 0;      // the event being compiled
    std::size_t m_laufStelle = 0;  // the pending run's first character
    std::size_t m_stopp = 0;
};

}  // namespace

std::optional<Zeichenplan> VorlageÜbersetzen(const Felder& felder, const Surface& fläche) {
    return Übersetzung(felder, fläche).übersetzen();
}

std::optional<std::size_t> Übersetzungsstopp(const Felder& felder, const Surface& fläche) {
    Übersetzung übersetzung(felder, fläche);
    if (übersetzung.übersetzen()) return std::nullopt;
    return übersetzung.stopp();
}

}  // namespace tafomat
