#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tafomat {

// Colour value: red in the lowest 8 bits, green in the next 8, blue above them.
using Farbwert = std::int32_t;

inline constexpr Farbwert farbwert(int rot, int grün, int blau) {
    return rot + 256 * grün + 65536 * blau;
}

struct Farbanteile {
    int rot = 0;
    int grün = 0;
    int blau = 0;
    bool operator==(const Farbanteile&) const = default;
};

// The colour's red, green and blue, each the 8 bits of its place.
inline constexpr Farbanteile farbanteile(Farbwert farbe) {
    return {farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF};
}

// GD lays text out at 300 dpi and draws it at 96 dpi: its pen moves in 1/64 of a pixel at
// 300 dpi, 1/200 of a pixel of the picture. Widths are exact multiples of this unit, so positions
// kept in it add up without rounding.
inline constexpr int StiftJePixel = 200;

// Positions beyond this many pixels are cut back to it: far beyond any picture, it keeps pixel
// arithmetic inside int and the pen's far inside its range.
inline constexpr double GrößteLage = 1e9;

// A position in pen units, from pixels far beyond any picture on cut back to a bound that keeps
// all arithmetic of the pen inside its range.
std::int64_t inStift(double pixel);
// The whole pixel a pen position lies in (rounded down, also left of 0).
std::int64_t ganzerPixel(std::int64_t stift);

// What a run of text is drawn with. Text that follows in the same state continues the open run,
// laid out with it as one drawing call; text in another state begins a new run.
struct Laufart {
    double größe = 0;
    bool fett = false;
    Farbwert farbe = 0;
    bool operator==(const Laufart&) const = default;
};

// Whether text drawn in the state `jetzt` continues the open run (none: no run is open). The
// preview and the script split text into runs by this one rule.
inline bool setztLaufFort(const std::optional<Laufart>& offen, const Laufart& jetzt) {
    return offen && *offen == jetzt;
}

// Bold text is drawn a second time one pixel to the right: `zeichnen` gets each copy's shift.
template <typename Zeichnen>
void kopienZeichnen(bool fett, Zeichnen&& zeichnen) {
    zeichnen(0);
    if (fett) zeichnen(1);
}

// How the GD families lay out one character at a size, for a script that places glyphs
// itself: the system libgd's advance in pen units and bundled GD's in 1/64 pixel, where the
// glyph's bitmap begins left of the pen at 96 dpi, whether it has any ink, and the unhinted
// advance in pen units that libgd built with libraqm gives it.
struct Zeichenmaß {
    std::int64_t vorschub = 0;
    std::int64_t vorschub96 = 0;
    int links = 0;
    bool tinte = false;
    std::int64_t vorschubRaqm = 0;
};

// Two neighbours in one call: the system libgd's kerning in pen units, bundled GD's in 1/64
// pixel, libraqm's in pen units, and whether libraqm joins them in a ligature.
struct Paarmaß {
    std::int64_t kerning = 0;
    std::int64_t kerning96 = 0;
    std::int64_t kerningRaqm = 0;
    bool ligaturRaqm = false;
    bool operator==(const Paarmaß&) const = default;
};

// What ImageTTFBBox gives for a text: its right, lower and upper edge with the pen at (0, 0).
struct Textrahmen {
    int rechts = 0;
    int unten = 0;
    int oben = 0;
    bool operator==(const Textrahmen&) const = default;
};

// The same text's box on each GD layout that a script knows; nullopt where that GD refuses it.
struct Probenmaß {
    std::optional<Textrahmen> system;
    std::optional<Textrahmen> gebündelt;
    std::optional<Textrahmen> raqm;
};

// A drawing surface measured in pixels, x from the left and y from the top, that keeps what
// is drawn on it until cleared. The preview renderer and the script compiler draw and measure
// only through this; texts are Windows-1252 bytes.
class Surface {
  public:
    virtual ~Surface() = default;

    // Removes drawn text and boxes; the background picture alone shows.
    virtual void clear() = 0;

    virtual void setTextColor(Farbwert farbe) = 0;
    virtual Farbwert textColor() const = 0;

    // The next text is drawn with its top-left corner at the current position. Setting either
    // coordinate begins a new run (see drawText).
    virtual void setCurrentX(double x) = 0;
    virtual double currentX() const = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentY() const = 0;

    // A size the surface cannot use (0 or less, not finite) is refused: false, nothing changes.
    [[nodiscard]] virtual bool setFontSize(double punkte) = 0;
    virtual double fontSize() const = 0;
    // A name the surface cannot use is refused: false, nothing changes.
    [[nodiscard]] virtual bool setFontName(const std::string& name) = 0;
    virtual std::string fontName() const = 0;

    // Bold text is drawn a second time one pixel to the right; the advance stays that of one copy.
    virtual void setBold(bool fett) = 0;

    // Draws at the current position in the current font, size, colour and boldness with a
    // transparent background; current x then moves right by the text's advance, current y stays.
    // Texts drawn one after another in the same colour, size and boldness form one run, laid out
    // as the script's drawing call lays out that run on the server (kerned, from a whole pixel);
    // other text begins a new run where the previous one ended.
    virtual void drawText(const std::string& text) = 0;
    // The advance of the text as one run of its own, in pixels.
    virtual double textWidth(const std::string& text) const = 0;
    // The same at a size, without changing the surface; nullopt for a size it cannot use.
    [[nodiscard]] virtual std::optional<double> widthAt(double punkte,
                                                        const std::string& text) const = 0;
    // A character's and a pair's measures at a size in the current font, without changing the
    // surface; nullopt where the surface cannot tell or GD would refuse the character.
    [[nodiscard]] virtual std::optional<Zeichenmaß> zeichenmaß(double, unsigned char) const {
        return std::nullopt;
    }
    virtual Paarmaß paarmaß(double, unsigned char, unsigned char) const { return {}; }
    // A text's boxes at a size in the current font on each layout, without changing the surface.
    virtual std::optional<Probenmaß> probenmaß(double, const std::string&) const {
        return std::nullopt;
    }

    // A JPEG file becomes the background and the surface takes its size; an empty path removes
    // the background picture. A file that cannot be loaded is refused: false, nothing changes.
    [[nodiscard]] virtual bool loadBackground(const std::string& pfad) = 0;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // Fills the rectangle with both corners included.
    virtual void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) = 0;
    virtual Farbwert colorAt(int x, int y) const = 0;
};

}  // namespace tafomat
