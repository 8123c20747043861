#pragma once

#include <QPlainTextEdit>

namespace tafomat {

// The selection of a multi-line field as the template counts it: a line break is two
// characters, CR and LF, where the widget counts one. The start is the left end.
struct Vorlagenauswahl {
    int start;
    int länge;
};

Vorlagenauswahl auswahlLesen(const QPlainTextEdit& feld);
// Positions beyond the end stand at the end; a position between CR and LF at the line's end.
void auswahlSetzen(QPlainTextEdit& feld, Vorlagenauswahl auswahl);

int vorlagenPosition(const QTextDocument& dokument, int feldPosition);
int feldPosition(const QTextDocument& dokument, int vorlagenPosition);

}  // namespace tafomat
