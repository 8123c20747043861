#include "ui/Vorlagenfeld.h"

#include <QAbstractUndoItem>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextDocument>

namespace tafomat {

namespace {

// Rides along in an aid's undo step: undone, it names the selection before the step; redone,
// the selection after it. The document's own undo only places a caret.
class Auswahlmerker : public QAbstractUndoItem {
  public:
    Auswahlmerker(std::optional<Vorlagenauswahl>& ziel, std::optional<Vorlagenauswahl> rück,
                  std::optional<Vorlagenauswahl> vor)
        : m_ziel(ziel), m_rück(rück), m_vor(vor) {}
    void undo() override {
        if (m_rück) m_ziel = m_rück;
    }
    void redo() override {
        if (m_vor) m_ziel = m_vor;
    }

  private:
    std::optional<Vorlagenauswahl>& m_ziel;
    std::optional<Vorlagenauswahl> m_rück;
    std::optional<Vorlagenauswahl> m_vor;
};

}  // namespace

Vorlagenfeld::Vorlagenfeld(QWidget* parent) : Cp1252TextEdit(parent) {}

bool Vorlagenfeld::ersetzen(Vorlagenauswahl ersetzt, const QString& einsatz, Vorlagenauswahl danach,
                            Schritt schritt) {
    QTextDocument& dokument = *document();
    QTextCursor cursor(&dokument);
    cursor.setPosition(feldPosition(dokument, ersetzt.start));
    cursor.setPosition(feldPosition(dokument, ersetzt.start + ersetzt.länge),
                       QTextCursor::KeepAnchor);
    if (cursor.selectedText() == einsatz) return false;

    const bool anschließen =
        schritt == Schritt::Fortsetzen && dokument.availableUndoSteps() == m_stufenNachHilfe;
    if (anschließen) {
        cursor.joinPreviousEditBlock();
    } else {
        cursor.beginEditBlock();
        dokument.appendUndoItem(new Auswahlmerker(m_auswahlDanach, auswahlLesen(*this), {}));
    }
    cursor.insertText(einsatz);
    dokument.appendUndoItem(new Auswahlmerker(m_auswahlDanach, {}, danach));
    cursor.endEditBlock();
    m_stufenNachHilfe = dokument.availableUndoSteps();
    auswahlSetzen(*this, danach);
    return true;
}

void Vorlagenfeld::rückgängig() {
    schrittAnwenden(&QPlainTextEdit::undo);
}

void Vorlagenfeld::wiederholen() {
    schrittAnwenden(&QPlainTextEdit::redo);
}

void Vorlagenfeld::schrittAnwenden(void (QPlainTextEdit::*schritt)()) {
    m_auswahlDanach.reset();
    (this->*schritt)();
    if (m_auswahlDanach) auswahlSetzen(*this, *m_auswahlDanach);
    m_auswahlDanach.reset();
}

void Vorlagenfeld::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) {
        rückgängig();
    } else if (event->matches(QKeySequence::Redo)) {
        wiederholen();
    } else {
        Cp1252TextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Vorlagenfeld::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menü = createStandardContextMenu(event->pos());
    menü->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* eintrag : menü->actions()) {
        const bool rück = eintrag->objectName() == QLatin1String("edit-undo");
        const bool vor = eintrag->objectName() == QLatin1String("edit-redo");
        if (!rück && !vor) continue;
        disconnect(eintrag, &QAction::triggered, nullptr, nullptr);
        connect(eintrag, &QAction::triggered, this,
                rück ? &Vorlagenfeld::rückgängig : &Vorlagenfeld::wiederholen);
    }
    if (m_menüergänzung) m_menüergänzung(*menü);
    menü->popup(event->globalPos());
}

}  // namespace tafomat
