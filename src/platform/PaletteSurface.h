#pragma once

#include <QFont>
#include <QImage>
#include <QObject>

#include <string>

#include "preview/Surface.h"

namespace tafomat {

// The colour palette: a retained white picture of 128 x 32 pixels at 96 dpi. The palette is
// filled with boxes and read back pixel by pixel; text, which it never shows in the window,
// is drawn plainly, without the preview's caches.
class PaletteSurface : public QObject, public Surface {
    Q_OBJECT
  public:
    explicit PaletteSurface(QObject* parent = nullptr);

    const QImage& image() const;

    void clear() override;
    void setTextColor(Farbwert farbe) override;
    Farbwert textColor() const override;
    void setCurrentX(double x) override;
    double currentX() const override;
    void setCurrentY(double y) override;
    double currentY() const override;
    bool setFontSize(double punkte) override;
    double fontSize() const override;
    bool setFontName(const std::string& name) override;
    std::string fontName() const override;
    void drawText(const std::string& text) override;
    double textWidth(const std::string& text) const override;
    // The palette has no background picture: an empty path has nothing to remove, any other is
    // refused; nothing changes.
    bool loadBackground(const std::string& pfad) override;
    int width() const override;
    int height() const override;
    void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) override;
    Farbwert colorAt(int x, int y) const override;

  signals:
    void changed();

  private:
    QImage m_bild;
    QFont m_schrift;
    std::string m_schriftName = "Arial";
    double m_groesse = 8.25;
    Farbwert m_farbe = 0;
    double m_x = 0;
    double m_y = 0;
};

}  // namespace tafomat
