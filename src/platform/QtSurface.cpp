#include "platform/QtSurface.h"

namespace tafomat {

QImage alsQImage(const Bild& bild) {
    if (bild.leer()) return {};
    // 96 dots per inch, the resolution at which GD turns points into pixels.
    constexpr int PunkteJeMeter = 3780;
    QImage bildQt(reinterpret_cast<const uchar*>(bild.daten()), bild.breite(), bild.höhe(),
                  bild.breite() * 4, QImage::Format_RGB32);
    bildQt.setDotsPerMeterX(PunkteJeMeter);
    bildQt.setDotsPerMeterY(PunkteJeMeter);
    return bildQt;
}

QtSurface::QtSurface(QObject* parent) : QObject(parent) {
    beiÄnderung([this] {
        m_veraltet = true;
        emit changed();
    });
}

QtSurface::QtSurface(Bild hintergrund, QObject* parent) : QtSurface(parent) {
    setBackground(std::move(hintergrund));
}

// Copied only when something was drawn since the last copy, so that repainting costs nothing.
const QImage& QtSurface::image() const {
    const Bild& aktuell = bild();
    if (m_veraltet) {
        m_image = QImage();  // a large picture is not held twice while it is copied
        m_image = alsQImage(aktuell).copy();
        m_veraltet = meldetGerade();
    }
    return m_image;
}

const QImage& QtSurface::ansicht() const {
    m_ansicht = alsQImage(bild());
    return m_ansicht;
}

}  // namespace tafomat
