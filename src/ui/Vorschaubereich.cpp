#include "ui/Vorschaubereich.h"

#include <QScrollBar>

#include <algorithm>

namespace tafomat {

Vorschaubereich::Vorschaubereich(Bildfeld* bild, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);  // the keyboard's order of the window has no stop here
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(bild);
}

void Vorschaubereich::anpassen(QSize platz) {
    const QSize bild = widget()->size();
    const int querBalken = horizontalScrollBar()->sizeHint().height();
    const int hochBalken = verticalScrollBar()->sizeHint().width();
    // A scroll bar in one direction takes room from the other.
    bool quer = bild.width() > platz.width();
    const bool hoch = bild.height() + (quer ? querBalken : 0) > platz.height();
    quer = quer || (hoch && bild.width() + hochBalken > platz.width());
    // Decided here, since the scroll area would keep the bars that an earlier size needed.
    setHorizontalScrollBarPolicy(quer ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(hoch ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedSize(std::min(bild.width() + (hoch ? hochBalken : 0), platz.width()),
                 std::min(bild.height() + (quer ? querBalken : 0), platz.height()));
}

}  // namespace tafomat
