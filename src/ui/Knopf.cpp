#include "ui/Knopf.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tafomat {

namespace {

// The styles' bevels are at most two pixels wide.
constexpr int Bevelbreite = 2;

}  // namespace

Knopf::Knopf(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    flächeZeichnen(painter, option);
    QStyleOptionButton beschriftung = option;
    beschriftung.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawControl(QStyle::CE_PushButtonLabel, beschriftung);
    fokusZeichnen(painter, option);
}

void Knopf::flächeZeichnen(QPainter& painter, const QStyleOptionButton& option) const {
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    const QRect fläche = rect().adjusted(Bevelbreite, Bevelbreite, -Bevelbreite, -Bevelbreite);
    painter.fillRect(fläche, palette().color(QPalette::Button));
}

void Knopf::fokusZeichnen(QPainter& painter, const QStyleOptionButton& option) const {
    if (!(option.state & QStyle::State_HasFocus)) return;
    QStyleOptionFocusRect fokus;
    fokus.QStyleOption::operator=(option);
    fokus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &painter, this);
}

Knopfbild::Knopfbild(QAbstractButton* knopf, QWidget* parent) : QLabel(parent), m_knopf(knopf) {}

void Knopfbild::mousePressEvent(QMouseEvent* event) {
    if (m_knopf->focusPolicy() & Qt::ClickFocus) m_knopf->setFocus(Qt::MouseFocusReason);
    weitergeben(event);
}

void Knopfbild::mouseReleaseEvent(QMouseEvent* event) {
    weitergeben(event);
}

void Knopfbild::mouseMoveEvent(QMouseEvent* event) {
    weitergeben(event);
}

void Knopfbild::mouseDoubleClickEvent(QMouseEvent* event) {
    weitergeben(event);
}

// The icon keeps the mouse while a button is held, so the button sees the whole click.
void Knopfbild::weitergeben(QMouseEvent* event) {
    const QPointF ort = m_knopf->mapFromGlobal(event->globalPosition());
    QMouseEvent weiter(event->type(), ort, event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    QApplication::sendEvent(m_knopf, &weiter);
    event->setAccepted(weiter.isAccepted());
}

}  // namespace tafomat
