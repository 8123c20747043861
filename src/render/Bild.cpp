#include "render/Bild.h"

#include <algorithm>
#include <cstddef>

namespace tafomat {

Bild::Bild(int breite, int höhe, std::uint32_t farbe)
    : m_breite(breite > 0 && höhe > 0 ? breite : 0),
      m_höhe(breite > 0 && höhe > 0 ? höhe : 0),
      m_punkte(static_cast<std::size_t>(m_breite) * static_cast<std::size_t>(m_höhe),
               farbe | Deckend) {
    keineZeileGeändert();
}

Bild::Bild(const Bild& anderes)
    : m_breite(anderes.m_breite), m_höhe(anderes.m_höhe), m_punkte(anderes.m_punkte) {
    keineZeileGeändert();
}

Bild& Bild::operator=(const Bild& anderes) {
    m_breite = anderes.m_breite;
    m_höhe = anderes.m_höhe;
    m_punkte = anderes.m_punkte;
    keineZeileGeändert();
    return *this;
}

void Bild::zurückAuf(const Bild& vorlage) {
    if (m_breite != vorlage.m_breite || m_höhe != vorlage.m_höhe) {
        *this = vorlage;
        return;
    }
    if (m_ersteGeänderte <= m_letzteGeänderte) {
        const auto anfang = static_cast<std::ptrdiff_t>(index(0, m_ersteGeänderte));
        const auto ende = static_cast<std::ptrdiff_t>(index(0, m_letzteGeänderte + 1));
        std::copy(vorlage.m_punkte.begin() + anfang, vorlage.m_punkte.begin() + ende,
                  m_punkte.begin() + anfang);
    }
    keineZeileGeändert();
}

void Bild::keineZeileGeändert() {
    m_ersteGeänderte = m_höhe;
    m_letzteGeänderte = -1;
}

}  // namespace tafomat
