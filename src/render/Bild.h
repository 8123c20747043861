#pragma once

#include <cstdint>
#include <vector>

#include "template/Surface.h"

namespace tafomat {

// A colour as GD's true-colour pixels hold it: red in bits 16 to 23, green in 8 to 15, blue
// in 0 to 7.
inline constexpr std::uint32_t gdRgb(const Farbanteile& farbe) {
    return (static_cast<std::uint32_t>(farbe.rot) << 16) |
           (static_cast<std::uint32_t>(farbe.grün) << 8) | static_cast<std::uint32_t>(farbe.blau);
}

// A true-colour picture as GD keeps one that it read from a JPEG: every pixel opaque, stored as
// 0xFFRRGGBB (the alpha byte full, so that a QImage of format RGB32 can show the pixels in place).
// It knows the rows it changed since it was made, so that a copy of a large background becomes
// that background again by copying back only those rows.
class Bild {
  public:
    Bild() = default;
    Bild(int breite, int höhe, std::uint32_t farbe = 0xFFFFFF);
    // A copy starts with no row changed.
    Bild(const Bild& anderes);
    Bild& operator=(const Bild& anderes);
    Bild(Bild&&) = default;
    Bild& operator=(Bild&&) = default;

    int breite() const { return m_breite; }
    int höhe() const { return m_höhe; }
    bool leer() const { return m_punkte.empty(); }
    bool enthält(int x, int y) const { return x >= 0 && y >= 0 && x < m_breite && y < m_höhe; }

    // 0xRRGGBB; the point must lie in the picture.
    std::uint32_t punkt(int x, int y) const { return m_punkte[index(x, y)] & 0xFFFFFF; }
    void setzePunkt(int x, int y, std::uint32_t farbe) {
        m_punkte[index(x, y)] = farbe | Deckend;
        if (y < m_ersteGeänderte) m_ersteGeänderte = y;
        if (y > m_letzteGeänderte) m_letzteGeänderte = y;
    }
    const std::uint32_t* daten() const { return m_punkte.data(); }

    // Makes the picture equal to `vorlage`, of which it is a copy changed only by setzePunkt
    // since it was copied or last brought back: only the changed rows are copied.
    void zurückAuf(const Bild& vorlage);

    bool operator==(const Bild& anderes) const {
        return m_breite == anderes.m_breite && m_höhe == anderes.m_höhe &&
               m_punkte == anderes.m_punkte;
    }

  private:
    static constexpr std::uint32_t Deckend = 0xFF000000;
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_breite) +
               static_cast<std::size_t>(x);
    }

    void keineZeileGeändert();

    int m_breite = 0;
    int m_höhe = 0;
    std::vector<std::uint32_t> m_punkte;
    int m_ersteGeänderte = 0;
    int m_letzteGeänderte = -1;
};

}  // namespace tafomat
