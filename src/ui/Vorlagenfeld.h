#pragma once

#include <functional>
#include <optional>

#include "ui/Cp1252Filter.h"
#include "ui/Vorlagenauswahl.h"

class QMenu;

namespace tafomat {

// The template field. An editing aid changes it as one undo step, and undoing or redoing that
// step brings back the template and the selection that went with it; typing keeps the field's
// own undo history around the aids' steps.
class Vorlagenfeld : public Cp1252TextEdit {
  public:
    enum class Schritt { Neu, Fortsetzen };

    explicit Vorlagenfeld(QWidget* parent = nullptr);

    // Replaces the characters of `ersetzt` by `einsatz` and selects `danach`. Fortsetzen adds
    // the change to the aid's previous step, as long as nothing else changed the text since.
    // A replacement that would leave the text as it is changes nothing: false, no step.
    bool ersetzen(Vorlagenauswahl ersetzt, const QString& einsatz, Vorlagenauswahl danach,
                  Schritt schritt = Schritt::Neu);

    void rückgängig();
    void wiederholen();

    // Adds entries of its own to the field's context menu, after Qt's standard ones.
    void setMenüergänzung(std::function<void(QMenu&)> ergänzung) {
        m_menüergänzung = std::move(ergänzung);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void schrittAnwenden(void (QPlainTextEdit::*schritt)());

    // Set by the aids' undo items while an undo or redo runs.
    std::optional<Vorlagenauswahl> m_auswahlDanach;
    // The number of undo steps right after the aid's last change.
    int m_stufenNachHilfe = -1;
    std::function<void(QMenu&)> m_menüergänzung;
};

}  // namespace tafomat
