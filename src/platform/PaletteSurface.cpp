#include "platform/PaletteSurface.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "platform/QtSurface.h"
#include "platform/QtText.h"

namespace tafomat {

PaletteSurface::PaletteSurface(QObject* parent)
    : QObject(parent),
      m_bild(withSurfaceResolution(QImage(128, 32, QImage::Format_RGB32))),
      m_schrift(QStringLiteral("Arial")) {
    m_bild.fill(Qt::white);
    m_schrift.setPointSizeF(m_groesse);
}

const QImage& PaletteSurface::image() const {
    return m_bild;
}

void PaletteSurface::clear() {
    m_bild.fill(Qt::white);
    emit changed();
}

void PaletteSurface::setTextColor(Farbwert farbe) {
    m_farbe = farbe;
}
Farbwert PaletteSurface::textColor() const {
    return m_farbe;
}
void PaletteSurface::setCurrentX(double x) {
    m_x = x;
}
double PaletteSurface::currentX() const {
    return m_x;
}
void PaletteSurface::setCurrentY(double y) {
    m_y = y;
}
double PaletteSurface::currentY() const {
    return m_y;
}

bool PaletteSurface::setFontSize(double punkte) {
    if (!isUsableFontSize(punkte)) return false;
    m_groesse = punkte;
    m_schrift.setPointSizeF(punkte);
    return true;
}

double PaletteSurface::fontSize() const {
    return m_groesse;
}

bool PaletteSurface::setFontName(const std::string& name) {
    const QString familie = toQString(name);
    if (!isUsableFontFamily(familie)) return false;
    m_schriftName = name;
    m_schrift.setFamily(familie);
    return true;
}

std::string PaletteSurface::fontName() const {
    return m_schriftName;
}

void PaletteSurface::drawText(const std::string& text) {
    if (text.empty()) return;
    {
        QPainter maler(&m_bild);
        maler.setFont(m_schrift);
        maler.setPen(toQColor(m_farbe));
        maler.drawText(QPointF(m_x, m_y + QFontMetricsF(m_schrift, &m_bild).ascent()),
                       toQString(text));
    }
    m_x += textWidth(text);
    emit changed();
}

double PaletteSurface::textWidth(const std::string& text) const {
    return QFontMetricsF(m_schrift, &m_bild).horizontalAdvance(toQString(text));
}

bool PaletteSurface::loadBackground(const std::string& pfad) {
    return pfad.empty();
}

int PaletteSurface::width() const {
    return m_bild.width();
}
int PaletteSurface::height() const {
    return m_bild.height();
}

void PaletteSurface::fillBox(int x1, int y1, int x2, int y2, Farbwert farbe) {
    {
        QPainter maler(&m_bild);
        maler.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                             QPoint(std::max(x1, x2), std::max(y1, y2))),
                       toQColor(farbe));
    }
    emit changed();
}

Farbwert PaletteSurface::colorAt(int x, int y) const {
    if (!m_bild.valid(x, y)) return -1;
    const QRgb punkt = m_bild.pixel(x, y);
    return farbwert(qRed(punkt), qGreen(punkt), qBlue(punkt));
}

}  // namespace tafomat
