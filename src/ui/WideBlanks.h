#pragma once

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>

#include "ui/Knopf.h"

namespace tafomat {

// Captions whose runs of blanks (a leading run, or two or more blanks in a row) leave room for
// an icon or a list that lies over them. The stand-in fonts give a blank less width than the
// window was laid out for, so each blank of such a run is drawn at least `blankWidth` pixels
// wide. The widgets' text stays the caption as given.

double wideBlanksWidth(const QFontMetricsF& metrics, const QString& text, double blankWidth);
void drawWideBlanks(QPainter& painter, const QFontMetricsF& metrics, const QString& text,
                    QPointF baselineStart, double blankWidth);

// A widget of base `Basis` that draws its caption with wide blanks: a frame with its line
// through the middle of the caption, a label from its top-left corner, a push button with the
// caption centred.
template <class Basis>
class WideBlanks : public Basis {
  public:
    WideBlanks(const QString& caption, double blankWidth, QWidget* parent = nullptr)
        : Basis(caption, parent), m_blankWidth(blankWidth) {}

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double m_blankWidth;
};

template <>
void WideBlanks<QGroupBox>::paintEvent(QPaintEvent*);
template <>
void WideBlanks<QLabel>::paintEvent(QPaintEvent*);
template <>
void WideBlanks<Knopf>::paintEvent(QPaintEvent*);

using CaptionFrame = WideBlanks<QGroupBox>;
using WideBlankLabel = WideBlanks<QLabel>;
using WideBlankButton = WideBlanks<Knopf>;

}  // namespace tafomat
