#include "template/Vorlagenleser.h"

#include <cmath>
#include <utility>

#include "model/Vorlage.h"
#include "model/Zahlen.h"

namespace tafomat {

namespace {

[[nodiscard]] std::optional<int> farbanteil(double wert, Lesart lesart) {
    const double gerundet = std::nearbyint(wert);  // the default rounding mode: halves to even
    if (std::isnan(gerundet))
        return lesart == Lesart::Skript ? std::optional<int>(0) : std::nullopt;
    if (lesart == Lesart::Vorschau && !(gerundet >= -32768 && gerundet <= 32767))
        return std::nullopt;
    return static_cast<int>(std::fmin(std::fmax(gerundet, 0), 255));
}

[[nodiscard]] std::optional<Farbwert> farbe(const Token& token, Lesart lesart) {
    const auto rot = farbanteil(token.werte[0], lesart);
    const auto grün = farbanteil(token.werte[1], lesart);
    const auto blau = farbanteil(token.werte[2], lesart);
    if (!rot || !grün || !blau) return std::nullopt;
    return farbwert(*rot, *grün, *blau);
}

}  // namespace

double Grundgröße(const Felder& felder) {
    return std::floor(leadingNumber(felder.text(Feld::SchriftGröße)));
}

Vorlagenleser::Vorlagenleser(const Felder& felder, Lesart lesart)
    : m_felder(&felder),
      m_lesart(lesart),
      m_vorlage(felder.text(Feld::Txt)),
      m_grundgröße(Grundgröße(felder)) {}

Vorlagenleser::Vorlagenleser(std::string vorlage, Lesart lesart)
    : m_felder(nullptr), m_lesart(lesart), m_vorlage(std::move(vorlage)), m_grundgröße(0) {}

bool Vorlagenleser::nächstes(Zeichenereignis& ereignis) {
    using Art = Zeichenereignis::Art;
    ereignis = {};
    if (!m_angefangen) {
        m_angefangen = true;
        m_zeileY = wert(Feld::YPos);
        ereignis.art = Art::Zeile;
        ereignis.x = wert(Feld::XPos);
        ereignis.y = m_zeileY;
        return true;
    }
    for (Token token{}; nextToken(m_vorlage, m_stelle, token);) {
        ereignis.stelle = token.position;
        ereignis.breite = token.breite;
        switch (token.art) {
            case TokenArt::Zeilenumbruch:
                m_zeileY += m_grundgröße + wert(Feld::Abstand);
                ereignis.art = Art::Zeile;
                ereignis.x = wert(Feld::XPos);
                ereignis.y = m_zeileY;
                return true;
            case TokenArt::BefehlX:
                ereignis.art = Art::X;
                ereignis.x = token.werte[0] + (m_lesart == Lesart::Skript ? wert(Feld::XPos) : 0);
                return true;
            case TokenArt::BefehlY:
                if (m_lesart == Lesart::Skript) m_zeileY = token.werte[0];
                ereignis.art = Art::Y;
                ereignis.y = token.werte[0];
                return true;
            case TokenArt::BefehlF:
                ereignis.art = Art::Farbe;
                ereignis.farbe = farbe(token, m_lesart);
                return true;
            case TokenArt::BefehlG:
                ereignis.art = Art::Größe;
                ereignis.größe = token.werte[0];
                return true;
            case TokenArt::BefehlB:
                m_fett = !m_fett;
                ereignis.art = Art::Fett;
                ereignis.fett = m_fett;
                return true;
            case TokenArt::Platzhalter:
                ereignis.art = Art::Platzhalter;
                ereignis.platzhalter = platzhalter(token.zeichen);
                return true;
            case TokenArt::Textzeichen:
                if (token.zeichen == '#' && m_lesart == Lesart::Skript) continue;
                ereignis.art = Art::Zeichen;
                ereignis.zeichen = token.zeichen;
                return true;
        }
    }
    return false;
}

}  // namespace tafomat
