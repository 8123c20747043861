#include "ui/Eingabeliste.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tafomat {

// Between events no entry is current, so that a pick is the only change that makes an entry
// current before it writes the entry's text: that is how editTextChanged tells a pick from an
// edit.
Eingabeliste::Eingabeliste(QWidget* parent) : QComboBox(parent) {
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
        forgetCurrentItem(0);
        emit picked();
    });
    view()->setTextElideMode(Qt::ElideNone);
}

void Eingabeliste::appendItem(const QString& item) {
    const QSignalBlocker quiet(this);
    const QString text = currentText();
    const int caret = lineEdit()->cursorPosition();
    addItem(item);  // the first entry becomes current and writes its text
    showWithoutCurrentItem(text, caret);
}

void Eingabeliste::clearAll() {
    const QSignalBlocker quiet(this);
    clear();
    clearEditText();
}

void Eingabeliste::setTextShownFromStart(const QString& text) {
    setEditText(text);
    lineEdit()->setCursorPosition(0);
}

void Eingabeliste::showPopup() {
    view()->setMinimumWidth(widestEntry());
    QComboBox::showPopup();
    // Highlighted only: the entry becomes current when it is picked.
    const QModelIndex eintrag = model()->index(entryOfText(), modelColumn());
    view()->setCurrentIndex(eintrag);
    if (eintrag.isValid()) view()->scrollTo(eintrag, QAbstractItemView::PositionAtCenter);
}

void Eingabeliste::setEntryRule(std::function<QString(const QString&)> rule) {
    m_entryRule = std::move(rule);
}

int Eingabeliste::entryOfText() const {
    const QString text = m_entryRule ? m_entryRule(currentText()) : currentText();
    return findText(text, Qt::MatchExactly);
}

int Eingabeliste::widestEntry() const {
    const QAbstractItemView& liste = *view();
    const int rand = 2 * liste.frameWidth() + liste.verticalScrollBar()->sizeHint().width();
    return liste.sizeHintForColumn(0) + rand;
}

void Eingabeliste::forgetCurrentItem(int caret) {
    showWithoutCurrentItem(currentText(), caret);
}

void Eingabeliste::showWithoutCurrentItem(const QString& text, int caret) {
    if (currentIndex() == -1 && currentText() == text) return;
    const QSignalBlocker quiet(this);
    setCurrentIndex(-1);
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(caret);
}

void Eingabeliste::keyPressEvent(QKeyEvent* event) {
    const bool step = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (step && event->modifiers() == Qt::NoModifier) {
        // The arrow keys step through the list from the entry that matches the text.
        const QSignalBlocker quiet(this);
        setCurrentIndex(entryOfText());
    }
    QComboBox::keyPressEvent(event);
    forgetCurrentItem(lineEdit()->cursorPosition());
}

void Eingabeliste::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

}  // namespace tafomat
