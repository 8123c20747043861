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

// A frame whose line runs through the middle of its caption.
class CaptionFrame : public QGroupBox {
  public:
    CaptionFrame(const QString& caption, double blankWidth, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double m_blankWidth;
};

// A label drawn from its top-left corner.
class WideBlankLabel : public QLabel {
  public:
    WideBlankLabel(const QString& text, double blankWidth, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double m_blankWidth;
};

// A push button with its caption centred.
class WideBlankButton : public Knopf {
  public:
    WideBlankButton(const QString& text, double blankWidth, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double m_blankWidth;
};

}  // namespace tafomat
