#pragma once

#include <QPlainTextEdit>
#include <QValidator>

namespace tafomat {

// Keeps characters that Windows-1252 cannot hold, and line breaks, out of a one-line field,
// typed, pasted or set; the rest of a pasted text stays. A line break would end the field's
// record in the settings file early.
class Cp1252Validator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// A multi-line text field that keeps characters outside Windows-1252 out at entry: typed,
// pasted, dropped or composed.
class Cp1252TextEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tafomat
