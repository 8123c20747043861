#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tafomat {

PictureBox::PictureBox(Source source, QWidget* parent)
    : QWidget(parent), m_source(std::move(source)) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    refresh();
}

void PictureBox::refresh() {
    const QSize pictureSize = m_source().size();
    if (size() != pictureSize) {
        setFixedSize(pictureSize);
        emit resized();
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_source());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mousePressed(event->button(), event->modifiers(), std::floor(p.x()), std::floor(p.y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMoved(event->buttons(), event->modifiers(), std::floor(p.x()), std::floor(p.y()));
}

}  // namespace tafomat
