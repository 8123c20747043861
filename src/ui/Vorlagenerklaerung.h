#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

#include "template/Vorlagendeutung.h"

class QMenu;

namespace tafomat {

class Hinweiszeile;
class Vorlagenfeld;
class Vorlagenfarben;

// The template field explains itself: its commands coloured as the reader reads them, the
// command under the pointer in a tooltip and the one at the caret in the notice line, the first
// command that reads otherwise than it looks named by its line, and a context-menu entry that
// writes a placeholder or a position command at the caret.
class Vorlagenerklärung : public QObject {
  public:
    Vorlagenerklärung(Vorlagenfeld& feld, Hinweiszeile& hinweis, QObject* parent = nullptr);

    // The line that explains the command or placeholder at this place of the template (also
    // right after it), empty for plain text.
    QString erklärungBei(int vorlagenPosition) const;

  protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

  private:
    void vorlageLesen();
    void caretErklären();
    void menüErgänzen(QMenu& menü);
    void einfügen(const QString& text, int auswahlAb, int auswahlLänge);

    Vorlagenfeld& m_feld;
    Hinweiszeile& m_hinweis;
    Vorlagenfarben* m_farben;
    std::string m_vorlage;
    std::vector<Deutung> m_deutungen;  // without their explanations, which only two need
};

}  // namespace tafomat
