#include "ui/WideBlanks.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace tafomat {

namespace {

constexpr int CaptionLeft = 6;

struct Piece {
    QString text;  // empty for a run of blanks
    qsizetype blanks = 0;
};

std::vector<Piece> pieces(const QString& text) {
    std::vector<Piece> result;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype run = i;
        while (run < text.size() && text.at(run) == QLatin1Char(' ')) ++run;
        const qsizetype blanks = run - i;
        if (blanks >= 2 || (blanks == 1 && i == 0)) {
            result.push_back({QString(), blanks});
            i = run;
            continue;
        }
        qsizetype end = run;
        while (end < text.size() && !(text.at(end) == QLatin1Char(' ') && end + 1 < text.size() &&
                                      text.at(end + 1) == QLatin1Char(' '))) {
            ++end;
        }
        result.push_back({text.mid(i, end - i), 0});
        i = end;
    }
    return result;
}

double advance(const QFontMetricsF& metrics, const Piece& piece, double blankWidth) {
    if (piece.blanks == 0) return metrics.horizontalAdvance(piece.text);
    return static_cast<double>(piece.blanks) *
           std::max(blankWidth, metrics.horizontalAdvance(QLatin1Char(' ')));
}

}  // namespace

double wideBlanksWidth(const QFontMetricsF& metrics, const QString& text, double blankWidth) {
    double width = 0;
    for (const Piece& piece : pieces(text)) width += advance(metrics, piece, blankWidth);
    return width;
}

void drawWideBlanks(QPainter& painter, const QFontMetricsF& metrics, const QString& text,
                    QPointF baselineStart, double blankWidth) {
    double x = baselineStart.x();
    for (const Piece& piece : pieces(text)) {
        if (piece.blanks == 0) painter.drawText(QPointF(x, baselineStart.y()), piece.text);
        x += advance(metrics, piece, blankWidth);
    }
}

template <>
void WideBlanks<QGroupBox>::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetricsF metrics(font());
    const int middle = static_cast<int>(metrics.height() / 2);
    qDrawShadeRect(&painter, rect().adjusted(0, middle, 0, 0), palette(), true, 1);
    const double width = wideBlanksWidth(metrics, title(), m_blankWidth);
    painter.fillRect(QRectF(CaptionLeft, 0, width + 3, metrics.height()), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    drawWideBlanks(painter, metrics, title(), QPointF(CaptionLeft, metrics.ascent()), m_blankWidth);
}

template <>
void WideBlanks<QLabel>::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetricsF metrics(font());
    painter.setPen(palette().color(QPalette::WindowText));
    drawWideBlanks(painter, metrics, text(), QPointF(0, metrics.ascent()), m_blankWidth);
}

template <>
void WideBlanks<Knopf>::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    flächeZeichnen(painter, option);
    const QFontMetricsF metrics(font());
    const double width = wideBlanksWidth(metrics, text(), m_blankWidth);
    const QPointF start((this->width() - width) / 2,
                        (height() - metrics.height()) / 2 + metrics.ascent());
    painter.setPen(palette().color(QPalette::ButtonText));
    drawWideBlanks(painter, metrics, text(), start, m_blankWidth);
    fokusZeichnen(painter, option);
}

}  // namespace tafomat
