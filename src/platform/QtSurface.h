#pragma once

#include <QFont>
#include <QImage>
#include <QObject>

#include "preview/Surface.h"

namespace tafomat {

// The preview surface: a picture with text drawn over it, measured and drawn at 96 dpi,
// the resolution at which GD on the server turns points into pixels.
class QtSurface : public QObject, public Surface {
    Q_OBJECT
public:
    explicit QtSurface(QObject* parent = nullptr);  // built-in picture, Arial 8.25 pt, black

    const QImage& image() const;

    // Surface operations: see preview/Surface.h (implemented in QtSurface.cpp).
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
    bool loadBackground(const std::string& pfad) override;
    int width() const override;
    int height() const override;
    void fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) override;
    Farbwert colorAt(int x, int y) const override;

signals:
    // The picture changed (drawn, cleared, or a new background with maybe a new size).
    void changed();

private:
    // members are the preview implementer's choice
};

}  // namespace tafomat
