#include "ui/Cp1252Filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "platform/QtText.h"

namespace tafomat {

namespace {

bool hasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

QString keepOneLine(const QString& text) {
    QString line = keepCp1252(text);
    line.remove(QLatin1Char('\r'));
    line.remove(QLatin1Char('\n'));
    return line;
}

}  // namespace

QValidator::State Cp1252Validator::validate(QString& input, int& pos) const {
    if (fitsCp1252(input) && !hasLineBreak(input)) return Acceptable;
    const QString beforeCaret = keepOneLine(input.left(pos));
    input = beforeCaret + keepOneLine(input.mid(pos));
    pos = static_cast<int>(beforeCaret.size());
    return Acceptable;
}

void Cp1252TextEdit::keyPressEvent(QKeyEvent* event) {
    if (!fitsCp1252(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Cp1252TextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (fitsCp1252(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(keepCp1252(event->commitString()), event->replacementStart(),
                             event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void Cp1252TextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    insertPlainText(keepCp1252(source->text()));
}

}  // namespace tafomat
