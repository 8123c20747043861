#include "ui/Regler.h"

#include <QKeyEvent>
#include <QPainter>

namespace tafomat {

Regler::Regler(Qt::Orientation richtung, QWidget* parent) : QScrollBar(richtung, parent) {}

void Regler::keyPressEvent(QKeyEvent* event) {
    const bool waagerecht = orientation() == Qt::Horizontal;
    const bool pfeil = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (!waagerecht || !pfeil || event->modifiers() != Qt::NoModifier) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    const bool nachRechts = (event->key() == Qt::Key_Right) != isRightToLeft();
    triggerAction(nachRechts ? SliderSingleStepAdd : SliderSingleStepSub);
    event->accept();
}

// The styles draw no focus on scroll bars; a frame in the highlight colour shows it.
void Regler::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tafomat
