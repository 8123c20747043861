#pragma once

#include <QDialog>
#include <QImage>

#include "platform/Foto.h"

class QComboBox;
class QSlider;
class QSpinBox;

namespace tafomat {

// The photo fitted into the view with the frame of the banner's part over it; dragging moves the
// frame, which always stays inside the photo.
class Zuschnittansicht : public QWidget {
  public:
    Zuschnittansicht(const QImage& foto, QWidget* parent = nullptr);

    // The frame keeps this ratio of width to height and this share (0 to 1) of the largest
    // frame of that ratio that fits, around its centre.
    void rahmenFormen(double seitenverhältnis, double anteil);
    // Moves the frame by so many of the photo's pixels, as far as the photo reaches.
    void verschieben(QPointF umFotopixel);
    QRect rahmen() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void einpassen();

    QImage m_foto;
    QImage m_ansicht;
    double m_maßstab;  // view pixels per photo pixel
    QRectF m_rahmen;   // in the photo's pixels
    QPointF m_griff;
};

// Turns a photo into a banner: a preset size (468 × 60, 500 × 100, 500 × 150) or a free one, the
// part of the photo in a frame the user drags, and the JPEG quality. Closed with
// "Unverändert übernehmen" where the picture may stay as it is.
class Zuschnittdialog : public QDialog {
  public:
    enum Ergebnis { Unverändert = 2 };

    Zuschnittdialog(const QImage& foto, bool unverändertErlaubt, QWidget* parent = nullptr);

    Zuschnitt zuschnitt() const;

    QComboBox* vorlagen() const { return m_vorlagen; }
    QSpinBox* breite() const { return m_breite; }
    QSpinBox* höhe() const { return m_höhe; }
    QSpinBox* qualität() const { return m_qualität; }
    QSlider* anteil() const { return m_anteil; }
    Zuschnittansicht* ansicht() const { return m_ansicht; }

  private:
    void vorlageWählen();
    void rahmenAnpassen();

    Zuschnittansicht* m_ansicht;
    QComboBox* m_vorlagen;
    QSpinBox* m_breite;
    QSpinBox* m_höhe;
    QSpinBox* m_qualität;
    QSlider* m_anteil;
};

}  // namespace tafomat
