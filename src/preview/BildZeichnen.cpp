#include "preview/BildZeichnen.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/Vorlage.h"
#include "model/Zahlen.h"

namespace tafomat {

namespace {

constexpr Farbwert Schwarz = farbwert(0, 0, 0);

Feld feldVonPlatzhalter(char name) {
    switch (name) {
        case '1':
            return Feld::DaTxt;
        case '2':
            return Feld::TaTxt;
        case '3':
            return Feld::AlTxt;
        case '4':
            return Feld::KiTxt;
        case '5':
            return Feld::AnTxt;
        case '6':
            return Feld::NeTxt;
        case '7':
            return Feld::GETxt;
        case '8':
            return Feld::StTxt;
        case '9':
            return Feld::GSTxt;
        default:
            return Feld::GZTxt;
    }
}

// A colour component as the preview takes it: rounded half to even, above 255 counts as 255.
// A negative component counts as 0, so that it never reaches into the neighbouring component.
// A rounded value outside the 16-bit range cannot be a component at all: nullopt.
std::optional<int> farbanteil(double wert) {
    const double gerundet = std::nearbyint(wert);  // the default rounding mode: halves to even
    if (!(gerundet >= -32768 && gerundet <= 32767)) return std::nullopt;
    if (gerundet > 255) return 255;
    if (gerundet < 0) return 0;
    return static_cast<int>(gerundet);
}

class Zeichner {
  public:
    Zeichner(Felder& felder, Surface& flaeche) : m_felder(felder), m_flaeche(flaeche) {}

    // From the start position through the template and back to the base size; the command
    // that stops the redraw, if any.
    std::optional<Zeichenstopp> vorlageZeichnen() {
        const int xStart = m_felder.wert(Feld::XPos);
        m_zeileY = m_felder.wert(Feld::YPos);
        m_flaeche.setCurrentX(xStart);
        m_flaeche.setCurrentY(m_zeileY);
        const std::string vorlage = m_felder.text(Feld::Txt);
        m_grundgroesse = Grundgröße(m_felder);
        std::size_t stelle = 0;
        for (Token token{}; nextToken(vorlage, stelle, token);) {
            if (!ausfuehren(token)) return Zeichenstopp{Zeichenstopp::Bei::Vorlage, token.position};
        }
        if (!m_flaeche.setFontSize(m_grundgroesse))
            return Zeichenstopp{Zeichenstopp::Bei::Grundgröße};
        return std::nullopt;
    }

  private:
    bool ausfuehren(const Token& token) {
        switch (token.art) {
            case TokenArt::Zeilenumbruch:
                neueZeile();
                return true;
            case TokenArt::BefehlX:
                m_flaeche.setCurrentX(token.werte[0]);
                return true;
            case TokenArt::BefehlY:
                m_flaeche.setCurrentY(token.werte[0]);
                return true;
            case TokenArt::BefehlF:
                return farbeSetzen(token);
            case TokenArt::BefehlG:
                return m_flaeche.setFontSize(token.werte[0]);
            case TokenArt::BefehlB:
                m_fett = !m_fett;
                m_flaeche.setBold(m_fett);
                return true;
            case TokenArt::Platzhalter:
                m_flaeche.drawText(m_felder.text(feldVonPlatzhalter(token.zeichen)));
                return true;
            case TokenArt::Textzeichen:
                m_zeichen[0] = token.zeichen;
                m_flaeche.drawText(m_zeichen);
                return true;
        }
        return true;
    }

    void neueZeile() {
        m_flaeche.setCurrentX(m_felder.wert(Feld::XPos));
        m_zeileY += m_grundgroesse + m_felder.wert(Feld::Abstand);
        m_flaeche.setCurrentY(m_zeileY);
    }

    bool farbeSetzen(const Token& token) {
        const auto rot = farbanteil(token.werte[0]);
        const auto gruen = farbanteil(token.werte[1]);
        const auto blau = farbanteil(token.werte[2]);
        if (!rot || !gruen || !blau) return false;
        m_flaeche.setTextColor(farbwert(*rot, *gruen, *blau));
        return true;
    }

    Felder& m_felder;
    Surface& m_flaeche;
    double m_grundgroesse = 0;
    double m_zeileY = 0;
    bool m_fett = false;
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

double Grundgröße(const Felder& felder) {
    return std::floor(leadingNumber(felder.text(Feld::SchriftGröße)));
}

std::optional<Zeichenstopp> BildZeichnen(Felder& felder, Surface& flaeche, const Uhr& uhr) {
    const std::optional<Zeichenstopp> stopp = zeichnen(felder, flaeche, uhr);
    flaeche.setTextColor(Schwarz);
    flaeche.setBold(false);
    return stopp;
}

}  // namespace tafomat
