#include "render/Bild.h"

namespace tafomat {

Bild::Bild(int breite, int hoehe, std::uint32_t farbe)
    : m_breite(breite > 0 && hoehe > 0 ? breite : 0),
      m_hoehe(breite > 0 && hoehe > 0 ? hoehe : 0),
      m_punkte(static_cast<std::size_t>(m_breite) * static_cast<std::size_t>(m_hoehe),
               farbe | Deckend) {}

}  // namespace tafomat
