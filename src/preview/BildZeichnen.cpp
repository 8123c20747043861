#include "preview/BildZeichnen.h"

#include <string>

namespace tafomat {

namespace {

constexpr Farbwert Schwarz = farbwert(0, 0, 0);

class Zeichner {
  public:
    Zeichner(const Felder& felder, Surface& flaeche) : m_felder(felder), m_flaeche(flaeche) {}

    // Through the template and back to the base size; the command that stops the redraw, if any.
    std::optional<Zeichenstopp> vorlageZeichnen() {
        Vorlagenleser leser(m_felder, Lesart::Vorschau);
        for (Zeichenereignis ereignis; leser.nächstes(ereignis);)
            if (!ausführen(ereignis))
                return Zeichenstopp{Zeichenstopp::Bei::Vorlage, ereignis.stelle};
        if (!m_flaeche.setFontSize(Grundgröße(m_felder)))
            return Zeichenstopp{Zeichenstopp::Bei::Grundgröße};
        return std::nullopt;
    }

  private:
    bool ausführen(const Zeichenereignis& ereignis) {
        using Art = Zeichenereignis::Art;
        switch (ereignis.art) {
            case Art::Zeile:
                m_flaeche.setCurrentX(ereignis.x);
                m_flaeche.setCurrentY(ereignis.y);
                return true;
            case Art::X:
                m_flaeche.setCurrentX(ereignis.x);
                return true;
            case Art::Y:
                m_flaeche.setCurrentY(ereignis.y);
                return true;
            case Art::Farbe:
                if (!ereignis.farbe) return false;
                m_flaeche.setTextColor(*ereignis.farbe);
                return true;
            case Art::Größe:
                return m_flaeche.setFontSize(ereignis.größe);
            case Art::Fett:
                m_flaeche.setBold(ereignis.fett);
                return true;
            case Art::Platzhalter:
                m_flaeche.drawText(m_felder.text(ereignis.platzhalter->feld));
                return true;
            case Art::Zeichen:
                m_zeichen[0] = ereignis.zeichen;
                m_flaeche.drawText(m_zeichen);
                return true;
        }
        return true;
    }

    const Felder& m_felder;
    Surface& m_flaeche;
    std::string m_zeichen = std::string(1, ' ');  // the one-character run, reused
};

std::optional<Zeichenstopp> zeichnen(Felder& felder, Surface& flaeche, const Uhr& uhr) {
    if (!flaeche.setFontSize(Grundgröße(felder)))
        return Zeichenstopp{Zeichenstopp::Bei::Grundgröße};
    if (!AbgeleiteteWerteBerechnen(felder, uhr)) return Zeichenstopp{Zeichenstopp::Bei::Werte};
    flaeche.clear();
    flaeche.setTextColor(Schwarz);
    flaeche.setBold(false);
    return Zeichner(felder, flaeche).vorlageZeichnen();
}

}  // namespace

std::optional<Zeichenstopp> BildZeichnen(Felder& felder, Surface& flaeche, const Uhr& uhr) {
    const std::optional<Zeichenstopp> stopp = zeichnen(felder, flaeche, uhr);
    flaeche.setTextColor(Schwarz);
    flaeche.setBold(false);
    return stopp;
}

}  // namespace tafomat
