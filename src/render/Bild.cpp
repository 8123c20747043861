#include "render/Bild.h"

#include <algorithm>
#include <cstddef>

namespace tafomat {

Bild::Bild(int breite, int hoehe, std::uint32_t farbe)
    : m_breite(breite > 0 && hoehe > 0 ? breite : 0),
      m_hoehe(breite > 0 && hoehe > 0 ? hoehe : 0),
      m_punkte(static_cast<std::size_t>(m_breite) * static_cast<std::size_t>(m_hoehe),
               farbe | Deckend) {
    keineZeileGeaendert();
}

Bild::Bild(const Bild& anderes)
    : m_breite(anderes.m_breite), m_hoehe(anderes.m_hoehe), m_punkte(anderes.m_punkte) {
    keineZeileGeaendert();
}

Bild& Bild::operator=(const Bild& anderes) {
    m_breite = anderes.m_breite;
    m_hoehe = anderes.m_hoehe;
    m_punkte = anderes.m_punkte;
    keineZeileGeaendert();
    return *this;
}

void Bild::zurueckAuf(const Bild& vorlage) {
    if (m_breite != vorlage.m_breite || m_hoehe != vorlage.m_hoehe) {
        *this = vorlage;
        return;
    }
    if (m_ersteGeaenderte <= m_letzteGeaenderte) {
        const auto anfang = static_cast<std::ptrdiff_t>(index(0, m_ersteGeaenderte));
        const auto ende = static_cast<std::ptrdiff_t>(index(0, m_letzteGeaenderte + 1));
        std::copy(vorlage.m_punkte.begin() + anfang, vorlage.m_punkte.begin() + ende,
                  m_punkte.begin() + anfang);
    }
    keineZeileGeaendert();
}

void Bild::keineZeileGeaendert() {
    m_ersteGeaenderte = m_hoehe;
    m_letzteGeaenderte = -1;
}

}  // namespace tafomat
