#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "model/Feld.h"
#include "ui/Bildfeld.h"
#include "ui/Eingabeliste.h"
#include "ui/Hinweiszeile.h"
#include "ui/Vorlagenfeld.h"
#include "ui/Vorschaubereich.h"

namespace tafomat {

// The window's controls, each named as its objectName says. The labels, lines and icons
// belong to the window as well but need no handle.
struct Steuerelemente {
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QPushButton* Fett;
    Bildfeld* Pic;
    Vorschaubereich* PicBereich;  // holds Pic at Pic's place
    Bildfeld* PicFa;

    QLineEdit* DaTxt;
    QLineEdit* TaTxt;
    QLineEdit* AlTxt;
    QLineEdit* KiTxt;
    QLineEdit* GZTxt;
    QLineEdit* AnTxt;
    QLineEdit* NeTxt;
    QLineEdit* GETxt;
    QLineEdit* StTxt;
    QLineEdit* GSTxt;
    QPushButton* Hintergrundbild;

    Eingabeliste* SchriftartListe;
    Eingabeliste* SchriftGröße;
    Vorlagenfeld* Txt;
    QScrollBar* Abstand;
    QScrollBar* YPos;
    QScrollBar* XPos;
    QPushButton* EinstellungenÖffnen;
    QPushButton* EinstellungenSpeichern;

    QPlainTextEdit* QuTxt;
    Eingabeliste* BildArt;
    Eingabeliste* BildQuallität;
    QPushButton* PhpQuelltext;

    // Right of the preview: what the server sends, and the files it needs; what the user needs
    // to know now, and the help.
    QCheckBox* Serveransicht;
    QPushButton* ServerPaket;
    QPushButton* Veröffentlichen;
    Hinweiszeile* Hinweis;
    QPushButton* Hilfe;
    QLabel* Bildgröße;

    // The control that holds a field, or nullptr when the field is of another kind.
    QLineEdit* zeilenfeld(Feld feld) const;
    QPlainTextEdit* textfeld(Feld feld) const;
    Eingabeliste* liste(Feld feld) const;
    QScrollBar* regler(Feld feld) const;
};

// The size list's own tooltip.
QString SchriftGrößeTipp();

// Creates every control inside the window at its place, with its start text, look, tooltip
// and keyboard order. The two picture boxes show the pictures that the sources give.
Steuerelemente SteuerelementeAnlegen(QWidget* fenster, Bildfeld::Source vorschau,
                                     Bildfeld::Source palette);

}  // namespace tafomat
