#include "ui/Zugaenglichkeit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "ui/Steuerelemente.h"

namespace tafomat {

namespace {

struct Beschriftet {
    const char* label;
    QWidget* feld;
};

struct Benannt {
    QWidget* feld;
    QString name;
    QString beschreibung = {};
};

// Runs of blanks left for icons and lists read as one blank.
QString ohneLücken(const QString& text) {
    return text.simplified();
}

void benennen(const Benannt& b) {
    b.feld->setAccessibleName(b.name);
    if (!b.beschreibung.isEmpty()) b.feld->setAccessibleDescription(b.beschreibung);
    // An editable list's own line is what takes the typing.
    if (auto* liste = qobject_cast<QComboBox*>(b.feld); liste && liste->lineEdit())
        liste->lineEdit()->setAccessibleName(b.name);
}

}  // namespace

void ZugänglichMachen(const Steuerelemente& s, QWidget& fenster) {
    const Beschriftet beschriftet[] = {
        {"Label1", s.DaTxt},  {"Label2", s.TaTxt},  {"Label3", s.AlTxt}, {"Label8", s.KiTxt},
        {"Label10", s.GZTxt}, {"Label9", s.AnTxt},  {"Label4", s.NeTxt}, {"Label59", s.GETxt},
        {"Label50", s.StTxt}, {"Label57", s.GSTxt},
    };
    for (const Beschriftet& b : beschriftet) {
        if (auto* label = fenster.findChild<QLabel*>(QString::fromLatin1(b.label)))
            label->setBuddy(b.feld);
    }
    const Benannt benannt[] = {
        {s.Txt, QStringLiteral("Vorlage: der Text des Banners mit #-Befehlen")},
        {s.QuTxt, QStringLiteral("Php-Quelltext")},
        {s.SchriftartListe, QStringLiteral("Schriftart")},
        {s.SchriftGröße, QStringLiteral("Schriftgröße")},
        {s.BildArt, QStringLiteral("Bild-Art der Ausgabe")},
        {s.BildQuallität, QStringLiteral("Qualität der Ausgabe")},
        {s.Abstand, QStringLiteral("Zeilenabstand")},
        {s.XPos, QStringLiteral("Text waagerecht feinjustieren")},
        {s.YPos, QStringLiteral("Text senkrecht feinjustieren")},
        {s.PicFa, QStringLiteral("Schriftfarbe"),
         QStringLiteral("Farbpalette: ein Klick setzt die Farbe als #F-Befehl in den Text.")},
        {s.Pic, QStringLiteral("Vorschau des Banners"),
         QStringLiteral("Zeigt, wie das Banner aussieht. Ziehen mit gedrückter Maustaste setzt "
                        "die Position als #X- und #Y-Befehl in den Text.")},
        {s.PhpQuelltext, ohneLücken(s.PhpQuelltext->text())},
        {s.Hilfe, QStringLiteral("Über Tafomat")},
    };
    for (const Benannt& b : benannt) benennen(b);
    // The text fields' own scroll bars would be read with the frame's caption.
    for (QPlainTextEdit* feld : {static_cast<QPlainTextEdit*>(s.Txt), s.QuTxt}) {
        const QString name = feld->accessibleName();
        feld->horizontalScrollBar()->setAccessibleName(name + QStringLiteral(", waagerecht"));
        feld->verticalScrollBar()->setAccessibleName(name + QStringLiteral(", senkrecht"));
    }
    for (QGroupBox* rahmen : {s.Frame1, s.Frame2, s.Frame3, s.Frame4})
        rahmen->setAccessibleName(ohneLücken(rahmen->title()));
}

}  // namespace tafomat
