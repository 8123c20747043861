#include "template/BildZeichnen.h"

#include <string>

namespace tafomat {

namespace {

constexpr Farbwert Schwarz = farbwert(0, 0, 0);

class Zeichner {
  public:
    Zeichner(const Felder& felder, Surface& fläche) : m_felder(felder), m_fläche(fläche) {}

    // Through the template and back to the base size; the command that stops the redraw, if any.
    [[nodiscard]] std::optional<Zeichenstopp> vorlageZeichnen() {
        Vorlagenleser leser(m_felder, Lesart::Vorschau);
        for (Zeichenereignis ereignis; leser.nächstes(ereignis);)
            if (!ausführen(ereignis))
                return Zeichenstopp{Zeichenstopp::Bei::Vorlage, ereignis.stelle};
        if (!m_fläche.setFontSize(Grundgröße(m_felder)))
            return Zeichenstopp{Zeichenstopp::Bei::Grundgröße};
        return std::nullopt;
    }

  private:
    [[nodiscard]] bool ausführen(const Zeichenereignis& ereignis) {
        using Art = Zeichenereignis::Art;
        switch (ereignis.art) {
            case Art::Zeile:
                m_fläche.setCurrentX(ereignis.x);
                m_fläche.setCurrentY(ereignis.y);
                return true;
            case Art::X:
                m_fläche.setCurrentX(ereignis.x);
                return true;
            case Art::Y:
                m_fläche.setCurrentY(ereignis.y);
                return true;
            case Art::Farbe:
                if (!ereignis.farbe) return false;
                m_fläche.setTextColor(*ereignis.farbe);
                return true;
            case Art::Größe:
                return m_fläche.setFontSize(ereignis.größe);
            case Art::Fett:
                m_fläche.setBold(ereignis.fett);
                return true;
            case Art::Platzhalter:
                m_fläche.drawText(m_felder.text(ereignis.platzhalter->feld));
                return true;
            case Art::Zeichen:
                m_zeichen[0] = ereignis.zeichen;
                m_fläche.drawText(m_zeichen);
                return true;
        }
        return true;
    }

    const Felder& m_felder;
    Surface& m_fläche;
    std::string m_zeichen = std::string(1, ' ');  // the one-character run, reused
};

[[nodiscard]] std::optional<Zeichenstopp> zeichnen(Felder& felder, Surface& fläche,
                                                   const Uhr& uhr) {
    if (!fläche.setFontSize(Grundgröße(felder))) return Zeichenstopp{Zeichenstopp::Bei::Grundgröße};
    if (!AbgeleiteteWerteBerechnen(felder, uhr)) return Zeichenstopp{Zeichenstopp::Bei::Werte};
    fläche.clear();
    fläche.setTextColor(Schwarz);
    fläche.setBold(false);
    return Zeichner(felder, fläche).vorlageZeichnen();
}

}  // namespace

std::optional<Zeichenstopp> BildZeichnen(Felder& felder, Surface& fläche, const Uhr& uhr) {
    const std::optional<Zeichenstopp> stopp = zeichnen(felder, fläche, uhr);
    fläche.setTextColor(Schwarz);
    fläche.setBold(false);
    return stopp;
}

}  // namespace tafomat
