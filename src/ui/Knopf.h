#pragma once

#include <QLabel>
#include <QPushButton>

namespace tafomat {

// A push button whose face shows exactly its palette's button colour; the styles would shade
// it, and the icons that lie on it need the face to match their background.
class Knopf : public QPushButton {
  public:
    explicit Knopf(const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The bevel and the flat face; the caption and the focus come after.
    void flächeZeichnen(QPainter& painter, const QStyleOptionButton& option) const;
    void fokusZeichnen(QPainter& painter, const QStyleOptionButton& option) const;
};

// An icon box that lies on a button: it keeps its tooltip, and its clicks reach the button.
class Knopfbild : public QLabel {
  public:
    Knopfbild(QAbstractButton* knopf, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void weitergeben(QMouseEvent* event);

    QAbstractButton* m_knopf;
};

}  // namespace tafomat
