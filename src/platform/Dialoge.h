#pragma once

#include <QString>

#include <optional>

namespace tafomat {

struct DateiWahl {
    QString pfad;  // full path
    QString name;  // the file's name without its folder
};

// The file dialogs and the message box of the window. A pre-set name that contains "*" is the
// dialog's pattern; otherwise it is the proposed file name. A cancelled or failed dialog gives
// nullopt, so that its caller opens, saves and changes nothing. Neither dialog adds an extension.
class Dialoge {
  public:
    virtual ~Dialoge() = default;
    virtual std::optional<DateiWahl> DateiDialogÖffnen(const QString& vorgabe) = 0;
    virtual std::optional<QString> DateiDialogSpeichern(const QString& vorgabe) = 0;
    // Modal, one OK button, titled with the application's name.
    virtual void Meldung(const QString& text) = 0;
};

// The system's dialogs, centred over the active window.
class QtDialoge : public Dialoge {
  public:
    std::optional<DateiWahl> DateiDialogÖffnen(const QString& vorgabe) override;
    std::optional<QString> DateiDialogSpeichern(const QString& vorgabe) override;
    void Meldung(const QString& text) override;
};

}  // namespace tafomat
