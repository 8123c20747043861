#include "ui/Bildfeld.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace tafomat {

Bildfeld::Bildfeld(Source source, QWidget* parent) : QWidget(parent), m_source(std::move(source)) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    refresh();
}

void Bildfeld::refresh() {
    const QSize pictureSize = m_source().size();
    if (size() != pictureSize) {
        setFixedSize(pictureSize);
        emit resized();
    }
    update();
}

void Bildfeld::setHinweis(const QString& text) {
    if (text == m_hinweis) return;
    m_hinweis = text;
    update();
}

// Only what the screen shows is drawn: a large picture in its scroll area is copied in part.
void Bildfeld::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect teil = event->rect();
    painter.drawImage(teil.topLeft(), m_source(), teil);
    if (!m_hinweis.isEmpty()) hinweisZeichnen(painter);
}

// Over the part in view, so that the text stays in sight when the picture scrolls.
void Bildfeld::hinweisZeichnen(QPainter& painter) const {
    constexpr int Rand = 4;
    QRect sichtbar = visibleRegion().boundingRect();
    if (sichtbar.isEmpty()) sichtbar = rect();
    painter.fillRect(sichtbar, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(sichtbar.adjusted(Rand, Rand, -Rand, -Rand),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_hinweis);
}

void Bildfeld::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mousePressed(event->button(), event->modifiers(), std::floor(p.x()), std::floor(p.y()));
}

void Bildfeld::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMoved(event->buttons(), event->modifiers(), std::floor(p.x()), std::floor(p.y()));
}

}  // namespace tafomat
