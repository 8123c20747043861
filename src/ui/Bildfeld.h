#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>

namespace tafomat {

// A picture box without border that shows a drawing surface's picture at its top-left corner
// and takes the picture's size. It reads the picture when it paints, so that drawing on the
// surface never copies it. Mouse events carry positions in picture pixels; while a button that
// went down over the box is held, it goes on reporting movements outside its area too.
class Bildfeld : public QWidget {
    Q_OBJECT
  public:
    using Source = std::function<const QImage&()>;
    explicit Bildfeld(Source source, QWidget* parent = nullptr);

    // The picture was drawn on or replaced: take its size and show it anew.
    void refresh();
    // A text shown over the visible part of the picture, which it dims; empty: none.
    void setHinweis(const QString& text);
    const QString& hinweis() const { return m_hinweis; }

  signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    // The box took the size of a picture of another size.
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void hinweisZeichnen(QPainter& painter) const;

    Source m_source;
    QString m_hinweis;
};

}  // namespace tafomat
