#include "ui/Vorlagenauswahl.h"

#include <QTextBlock>

#include <algorithm>

namespace tafomat {

int vorlagenPosition(const QTextDocument& dokument, int feldPosition) {
    // Each line before the position's line ends in one more character than the widget counts.
    return feldPosition + dokument.findBlock(feldPosition).blockNumber();
}

int feldPosition(const QTextDocument& dokument, int vorlagenPosition) {
    for (QTextBlock zeile = dokument.begin(); zeile.isValid(); zeile = zeile.next()) {
        const int zeilenanfang = zeile.position() + zeile.blockNumber();
        const int zeichen = zeile.length() - 1;  // without the line break
        const bool letzte = !zeile.next().isValid();
        if (vorlagenPosition < zeilenanfang + zeichen + 2 || letzte) {
            const int spalte = std::clamp(vorlagenPosition - zeilenanfang, 0, zeichen);
            return zeile.position() + spalte;
        }
    }
    return 0;
}

Vorlagenauswahl auswahlLesen(const QPlainTextEdit& feld) {
    const QTextCursor cursor = feld.textCursor();
    const QTextDocument& dokument = *feld.document();
    const int anfang = vorlagenPosition(dokument, cursor.selectionStart());
    const int ende = vorlagenPosition(dokument, cursor.selectionEnd());
    return {anfang, ende - anfang};
}

void auswahlSetzen(QPlainTextEdit& feld, Vorlagenauswahl auswahl) {
    const QTextDocument& dokument = *feld.document();
    QTextCursor cursor(feld.document());
    cursor.setPosition(feldPosition(dokument, auswahl.start));
    cursor.setPosition(feldPosition(dokument, auswahl.start + auswahl.länge),
                       QTextCursor::KeepAnchor);
    feld.setTextCursor(cursor);
}

}  // namespace tafomat
