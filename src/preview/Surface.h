#pragma once

#include <cstdint>
#include <string>

namespace tafomat {

// Colour value: red in the lowest 8 bits, green in the next 8, blue above them.
using Farbwert = std::int32_t;

inline constexpr Farbwert farbwert(int rot, int gruen, int blau) {
    return rot + 256 * gruen + 65536 * blau;
}

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

    // The next text is drawn with its top-left corner at the current position.
    virtual void setCurrentX(double x) = 0;
    virtual double currentX() const = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentY() const = 0;

    // A size the surface cannot use (0 or less, not finite) is refused: false, nothing changes.
    virtual bool setFontSize(double punkte) = 0;
    virtual double fontSize() const = 0;
    // A name the surface cannot use is refused: false, nothing changes.
    virtual bool setFontName(const std::string& name) = 0;
    virtual std::string fontName() const = 0;

    // Draws at the current position in the current font, size and colour with a transparent
    // background; current x then moves right by textWidth(text), current y stays.
    virtual void drawText(const std::string& text) = 0;
    virtual double textWidth(const std::string& text) const = 0;

    // A JPEG file becomes the background and the surface takes its size; an empty path removes
    // the background picture. A file that cannot be loaded is refused: false, nothing changes.
    virtual bool loadBackground(const std::string& pfad) = 0;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // Fills the rectangle with both corners included.
    virtual void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) = 0;
    virtual Farbwert colorAt(int x, int y) const = 0;
};

}  // namespace tafomat
