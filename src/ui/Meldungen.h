#pragma once

#include <QString>

#include <optional>
#include <string_view>

#include "model/Felder.h"
#include "platform/Dialoge.h"
#include "platform/QtSurface.h"
#include "template/BildZeichnen.h"
#include "ui/Steuerelemente.h"

namespace tafomat {

// What the window tells the user about the design, in German: the findings of design/Befunde.h
// as marks on the fields that cannot be read and as notices in the notice line, and the reasons
// why no script can be made or a file was not saved.
class Meldungen {
  public:
    Meldungen(const Steuerelemente& steuerelemente, const Felder& felder, const QtSurface& vorschau,
              Dialoge& dialoge);

    // After a redraw that ended in `stopp`: the fields that cannot be read, the command of the
    // template that cannot be drawn, a point that reads as a thousands mark.
    void EingabenMelden(const std::optional<Zeichenstopp>& stopp);
    // The font drawn instead of the chosen one.
    void SchriftMelden();
    // A photo that asks to be turned.
    void DrehungMelden();
    // Why the design gives no script, nullopt when it gives one; why the server draws nothing.
    [[nodiscard]] std::optional<QString> Skripthindernis() const;
    QString Serverhindernis() const;
    // Writes the file; a save that fails says why in a message and in the notice line.
    [[nodiscard]] bool Speichern(const QString& pfad, std::string_view bytes);

  private:
    const Steuerelemente& m_s;
    const Felder& m_felder;
    const QtSurface& m_vorschau;
    Dialoge& m_dialoge;
};

}  // namespace tafomat
