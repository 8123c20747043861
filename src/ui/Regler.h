#pragma once

#include <QScrollBar>

namespace tafomat {

// A scroll bar of the window. Keyboard users see where the focus is, and on a horizontal bar
// Right raises the value as Page Down and End do (QScrollBar inverts the arrows, which suits
// only vertical bars).
class Regler : public QScrollBar {
  public:
    explicit Regler(Qt::Orientation richtung, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tafomat
