#include "ui/Hinweiszeile.h"

#include <QPainter>
#include <QTextLayout>

namespace tafomat {

namespace {

constexpr int Rand = 3;

}  // namespace

Hinweiszeile::Hinweiszeile(QWidget* parent) : QWidget(parent) {
    // The tooltip's colours: readable in every palette, and set apart from the controls.
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    zeigen();
}

void Hinweiszeile::setzen(Hinweisart art, const QString& satz, const QString& ganz) {
    const Hinweis neu{satz, ganz.isEmpty() ? satz : ganz};
    const auto alt = m_hinweise.find(art);
    if (alt != m_hinweise.end() && alt->second.satz == neu.satz && alt->second.ganz == neu.ganz)
        return;
    m_hinweise[art] = neu;
    zeigen();
}

void Hinweiszeile::löschen(Hinweisart art) {
    if (m_hinweise.erase(art)) zeigen();
}

QString Hinweiszeile::satz() const {
    return m_hinweise.empty() ? QString() : m_hinweise.begin()->second.satz;
}

void Hinweiszeile::zeigen() {
    QStringList texte;
    for (const auto& [art, hinweis] : m_hinweise) texte.append(hinweis.ganz);
    setToolTip(texte.join(QStringLiteral("\n\n")));
    setAutoFillBackground(!m_hinweise.empty());
    update();
}

// Word-wrapped into the lines that fit; the last one that fits ends in "…" when text is left.
void Hinweiszeile::paintEvent(QPaintEvent*) {
    const QString text = satz();
    if (text.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect platz = rect().adjusted(Rand, 1, -Rand, -1);
    const QFontMetrics maße = fontMetrics();
    QTextLayout satzbau(text, font());
    satzbau.beginLayout();
    int y = platz.top();
    for (QTextLine zeile = satzbau.createLine(); zeile.isValid(); zeile = satzbau.createLine()) {
        zeile.setLineWidth(platz.width());
        const bool letzte = y + 2 * maße.lineSpacing() > platz.bottom() + 1;
        const QString stück = text.mid(zeile.textStart(), letzte ? -1 : zeile.textLength());
        painter.drawText(QPoint(platz.left(), y + maße.ascent()),
                         maße.elidedText(stück.trimmed(), Qt::ElideRight, platz.width()));
        y += maße.lineSpacing();
        if (letzte) break;
    }
    satzbau.endLayout();
}

}  // namespace tafomat
