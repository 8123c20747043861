#pragma once

#include <array>

#include "model/Felder.h"
#include "ui/Steuerelemente.h"

namespace tafomat {

// The design's fields over the window's controls. Writing a field writes its control, whose
// own change signal then runs the field's change handling at once; a control that already
// shows the text does not change. Multi-line texts use CR LF between lines, as the template
// language counts them. The two window-level values have no control and no change handling.
class FensterFelder : public Felder {
  public:
    explicit FensterFelder(const Steuerelemente& steuerelemente);

    std::string text(Feld feld) const override;
    void setText(Feld feld, const std::string& text) override;
    int wert(Feld regler) const override;
    void setWert(Feld regler, int wert) override;

  private:
    const Steuerelemente& m_s;
    std::string m_hintergrundPfad;
    std::string m_hintergrundName;
};

// The text of a multi-line field with CR LF between its lines, and the reverse.
std::string mehrzeilenText(const QPlainTextEdit& feld);
void mehrzeilenTextSetzen(QPlainTextEdit& feld, const std::string& text);

}  // namespace tafomat
