#pragma once

#include <cstdint>
#include <vector>

namespace tafomat {

// A true-colour picture as GD keeps one that it read from a JPEG: every pixel opaque, stored as
// 0xFFRRGGBB (the alpha byte full, so that a QImage of format RGB32 can show the pixels in place).
// It knows the rows it changed since it was made, so that a copy of a large background becomes
// that background again by copying back only those rows.
class Bild {
  public:
    Bild() = default;
    Bild(int breite, int hoehe, std::uint32_t farbe = 0xFFFFFF);
    // A copy starts with no row changed.
    Bild(const Bild& anderes);
    Bild& operator=(const Bild& anderes);
    Bild(Bild&&) = default;
    Bild& operator=(Bild&&) = default;

    int breite() const { return m_breite; }
    int hoehe() const { return m_hoehe; }
    bool leer() const { return m_punkte.empty(); }
    bool enthaelt(int x, int y) const { return x >= 0 && y >= 0 && x < m_breite && y < m_hoehe; }

    // 0xRRGGBB; the point must lie in the picture.
    std::uint32_t punkt(int x, int y) const { return m_punkte[index(x, y)] & 0xFFFFFF; }
    void setzePunkt(int x, int y, std::uint32_t farbe) {
        m_punkte[index(x, y)] = farbe | Deckend;
        if (y < m_ersteGeaenderte) m_ersteGeaenderte = y;
        if (y > m_letzteGeaenderte) m_letzteGeaenderte = y;
    }
    const std::uint32_t* daten() const { return m_punkte.data(); }

    // Makes the picture equal to `vorlage`, of which it is a copy changed only by setzePunkt
    // since it was copied or last brought back: only the changed rows are copied.
    void zurueckAuf(const Bild& vorlage);

    bool operator==(const Bild& anderes) const {
        return m_breite == anderes.m_breite && m_hoehe == anderes.m_hoehe &&
               m_punkte == anderes.m_punkte;
    }

  private:
    static constexpr std::uint32_t Deckend = 0xFF000000;
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_breite) +
               static_cast<std::size_t>(x);
    }

    void keineZeileGeaendert();

    int m_breite = 0;
    int m_hoehe = 0;
    std::vector<std::uint32_t> m_punkte;
    int m_ersteGeaenderte = 0;
    int m_letzteGeaenderte = -1;
};

}  // namespace tafomat
