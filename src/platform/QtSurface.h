#pragma once

#include <QImage>
#include <QObject>

#include "render/GdSurface.h"

namespace tafomat {

// A GD surface whose picture a widget shows: the picture as a QImage over the surface's own
// pixels, and a signal when it changed (see GdSurface::beiÄnderung).
class QtSurface : public QObject, public GdSurface {
    Q_OBJECT
  public:
    // The preview: the built-in picture.
    explicit QtSurface(QObject* parent = nullptr);
    // A surface over a picture of its own, such as the colour palette's white 128 x 32 pixels.
    explicit QtSurface(Bild hintergrund, QObject* parent = nullptr);

    // The picture as it is now; a copy that later drawing leaves alone.
    const QImage& image() const;
    // The picture as it is now, over the surface's own pixels, not copied: for showing at once,
    // valid until the next drawing.
    const QImage& ansicht() const;

  signals:
    void changed();

  private:
    mutable QImage m_image;
    mutable bool m_veraltet = true;
    mutable QImage m_ansicht;
};

// The picture's pixels, shared, not copied: valid while the picture is unchanged.
QImage alsQImage(const Bild& bild);

}  // namespace tafomat
