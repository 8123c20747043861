#pragma once

#include <QString>

#include <optional>

#include "platform/Foto.h"

class QFileDialog;
class QTranslator;

namespace tafomat {

struct DateiWahl {
    QString pfad;  // full path
    QString name;  // the file's name without its folder
};

// What the crop dialog came to: the picture as it is, or the banner cut out of it.
struct Zuschnittwahl {
    bool unverändert = false;
    Zuschnitt zuschnitt;
};

// How the user answered the question whether to save the design's changes.
enum class Antwort { Speichern, Verwerfen, Abbrechen };

// The file dialogs and the message boxes of the window. A pre-set name that contains "*" is
// the dialog's pattern; otherwise it is the proposed file name. A cancelled or failed dialog
// gives nullopt, so that its caller opens, saves and changes nothing. Neither dialog adds an
// extension.
class Dialoge {
  public:
    virtual ~Dialoge() = default;
    [[nodiscard]] virtual std::optional<DateiWahl> DateiDialogÖffnen(const QString& vorgabe) = 0;
    [[nodiscard]] virtual std::optional<QString> DateiDialogSpeichern(const QString& vorgabe) = 0;
    // Modal, one OK button, titled with the application's name.
    virtual void Meldung(const QString& text) = 0;
    // Modal, with the buttons "Speichern", "Verwerfen" and "Abbrechen". Where nobody can be
    // asked, the answer keeps everything as it is.
    virtual Antwort Frage(const QString& text);
    // A folder to write into, made anew there if the user wishes. Where nobody can be asked,
    // none is chosen.
    [[nodiscard]] virtual std::optional<QString> OrdnerDialog(const QString& titel);
    // Modal: what the program is, titled "Über Tafomat".
    virtual void Über(const QString& text);
    // Modal: the crop dialog over the photo; nullopt when cancelled. Where nobody can be asked,
    // a picture that may stay as it is stays, and any other is not taken.
    virtual std::optional<Zuschnittwahl> BildZuschneiden(const QImage& foto,
                                                         bool unverändertErlaubt);
};

// The system's dialogs, centred over the active window.
class QtDialoge : public Dialoge {
  public:
    [[nodiscard]] std::optional<DateiWahl> DateiDialogÖffnen(const QString& vorgabe) override;
    [[nodiscard]] std::optional<QString> DateiDialogSpeichern(const QString& vorgabe) override;
    void Meldung(const QString& text) override;
    Antwort Frage(const QString& text) override;
    [[nodiscard]] std::optional<QString> OrdnerDialog(const QString& titel) override;
    void Über(const QString& text) override;
    std::optional<Zuschnittwahl> BildZuschneiden(const QImage& foto,
                                                 bool unverändertErlaubt) override;
};

// Prepares a file dialog for a pre-set name. A pattern "*.ext" lists the files with that
// extension in any letter case; "*.jpg" lists ".jpeg" files and every other picture that can
// become a banner as well, with JPEG pictures alone as a second choice.
void DateiDialogVorbereiten(QFileDialog& dialog, const QString& vorgabe);

// Loads Qt's German texts for the standard dialogs and buttons; false when the system has
// no German translation of Qt.
[[nodiscard]] bool DeutscheStandardtexteLaden(QTranslator& übersetzer);

}  // namespace tafomat
