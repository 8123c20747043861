#include "ui/EditableList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tafomat {

// Between events no entry is current, so that a pick is the only change that makes an entry
// current before it writes the entry's text: that is how editTextChanged tells a pick from an
// edit.
EditableList::EditableList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox picks a matching entry when editing ends or Return is pressed; here only the
    // user picks.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (currentIndex() == -1) emit edited();
    });
    connect(this, &QComboBox::activated, this, [this] {
        forgetCurrentItem();
        emit picked();
    });
}

void EditableList::appendItem(const QString& item) {
    const QSignalBlocker quiet(this);
    const QString text = currentText();
    const int caret = lineEdit()->cursorPosition();
    addItem(item);  // the first entry becomes current and writes its text
    showWithoutCurrentItem(text, caret);
}

void EditableList::clearAll() {
    const QSignalBlocker quiet(this);
    clear();
    clearEditText();
}

void EditableList::forgetCurrentItem() {
    showWithoutCurrentItem(currentText(), lineEdit()->cursorPosition());
}

void EditableList::showWithoutCurrentItem(const QString& text, int caret) {
    if (currentIndex() == -1 && currentText() == text) return;
    const QSignalBlocker quiet(this);
    setCurrentIndex(-1);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(caret);
}

void EditableList::keyPressEvent(QKeyEvent* event) {
    const bool step = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (step && event->modifiers() == Qt::NoModifier) {
        // The arrow keys step through the list from the entry that matches the text.
        const QSignalBlocker quiet(this);
        setCurrentIndex(findText(currentText(), Qt::MatchExactly));
    }
    QComboBox::keyPressEvent(event);
    forgetCurrentItem();
}

void EditableList::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

}  // namespace tafomat
