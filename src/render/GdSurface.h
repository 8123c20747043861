#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "render/Bild.h"
#include "render/GdSchrift.h"
#include "render/Hintergrunddatei.h"
#include "template/Surface.h"

namespace tafomat {

// Sizes above this draw letters far taller than any banner, and their glyphs alone would fill
// the memory; GD itself cannot set more than 15728 points.
inline constexpr double GrößteSchriftgröße = 2000;
inline bool isUsableFontSize(double punkte) {
    return punkte > 0 && punkte <= GrößteSchriftgröße;  // also false for NaN
}

// The preview surface: the background picture with text drawn over it exactly as GD draws it on
// the server (ImageTTFText at 96 dpi), from the font file that fontconfig gives for the font
// name. A run of text stays open while more text of the same colour, size and boldness follows,
// and is drawn, like the script's call, once it is complete.
class GdSurface : public Surface {
  public:
    GdSurface();  // the built-in picture, "Arial" 8.25 pt when a file answers it, black

    // The picture with everything drawn so far.
    const Bild& bild() const;
    // The background picture alone.
    const Bild& hintergrund() const { return m_hintergrund; }
    // Changes whenever another background is set, so that a copy of it knows when it is stale.
    std::uint64_t hintergrundNummer() const { return m_hintergrundNummer; }
    // Told at every change of the picture (clear, a new background, a box), and at the first
    // text drawn since the picture was last read outside this call, so that a window repaints
    // once per redraw and reads the picture when it paints.
    void beiÄnderung(std::function<void()> melden) { m_melden = std::move(melden); }
    // Whether a change is being told right now: a picture read then may still be drawn on
    // before the redraw ends.
    bool meldetGerade() const { return m_meldetGerade; }
    // Whether a font file answers the font name; without one no text is drawn or measured.
    bool hatSchrift() const { return m_schrift != nullptr; }
    // The font file the text is drawn from; empty without one.
    std::string schriftdatei() const;

    // Surface operations: see preview/Surface.h.
    void clear() override;
    void setTextColor(Farbwert farbe) override;
    Farbwert textColor() const override { return m_farbe; }
    void setCurrentX(double x) override;
    double currentX() const override;
    void setCurrentY(double y) override;
    double currentY() const override { return m_y; }
    // Refuses sizes that are not finite, 0 or less, above GrößteSchriftgröße, or that GD cannot set
    // for the font.
    [[nodiscard]] bool setFontSize(double punkte) override;
    double fontSize() const override { return m_punkte; }
    // Refuses a name (Windows-1252, as the design holds it) that no font file answers (see
    // schriftdateiSuchen); the font stays. The name is kept as given, since the script names its
    // font file after it.
    [[nodiscard]] bool setFontName(const std::string& name) override;
    std::string fontName() const override { return m_schriftName; }
    void setBold(bool fett) override { m_fett = fett; }
    void drawText(const std::string& text) override;
    double textWidth(const std::string& text) const override;
    [[nodiscard]] std::optional<double> widthAt(double punkte,
                                                const std::string& text) const override;
    [[nodiscard]] std::optional<Zeichenmaß> zeichenmaß(double punkte,
                                                       unsigned char zeichen) const override;
    Paarmaß paarmaß(double punkte, unsigned char vorher, unsigned char zeichen) const override;
    std::optional<Probenmaß> probenmaß(double punkte, const std::string& text) const override;
    // The path is Windows-1252 text, as the design holds it. Only JPEG content is taken, whatever
    // the name, read as GD reads it. An empty path leaves a white picture of the current size.
    [[nodiscard]] bool loadBackground(const std::string& pfad) override;
    // Why the last loadBackground failed; empty after one that succeeded.
    const std::optional<Bildfehler>& backgroundFailure() const { return m_hintergrundfehler; }
    // The Exif orientation of the picture the last loadBackground took; nullopt without one.
    std::optional<int> backgroundOrientation() const { return m_ausrichtung; }
    // While set, loadBackground only checks the file and keeps the background it has: work that
    // needs a picture's name and soundness, but not its pixels, never decodes it.
    void nurPrüfen(bool an) { m_nurPrüfen = an; }
    // The built-in picture becomes the background again, as at the start.
    void loadBuiltInBackground();
    // A picture read elsewhere becomes the background.
    void setBackground(Bild bild);
    int width() const override { return m_hintergrund.breite(); }
    int height() const override { return m_hintergrund.höhe(); }
    void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) override;
    Farbwert colorAt(int x, int y) const override;  // -1 outside the picture

  private:
    struct OffenerLauf {
        GdLauf lauf;
        std::int64_t x;
        std::int64_t y;
        Laufart art;
        Stift anfang;
    };

    bool setztLaufFort() const;
    Laufart laufart() const;
    void laufBeginnen();
    void laufZeichnen() const;
    std::shared_ptr<GdGröße> größe() const;
    void melden();

    Bild m_hintergrund;
    std::uint64_t m_hintergrundNummer = 0;
    mutable Bild m_bild;
    std::optional<Bildfehler> m_hintergrundfehler;
    std::optional<int> m_ausrichtung;
    bool m_nurPrüfen = false;
    std::string m_schriftName = "Arial";
    std::shared_ptr<GdSchrift> m_schrift;
    double m_punkte = 8.25;
    Farbwert m_farbe = 0;
    bool m_fett = false;
    Stift m_stift = 0;  // current x, exact in GD's pen units
    double m_y = 0;
    mutable std::optional<OffenerLauf> m_lauf;
    std::function<void()> m_melden;
    mutable bool m_gemeldet = false;
    bool m_meldetGerade = false;
};

}  // namespace tafomat
