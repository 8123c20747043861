#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Abschluss = QStringLiteral(
    "Bitte unbedingt das Php-Programm [Tafomat.php] mit dem Hintergrundbild [leer.jpg] und der "
    "Schriftart [Arial.ttf] in das gleiche Verzeichnis auf Ihrem Server einfügen!");

class Skript : public Fenstertest {
  protected:
    void klicken() { Fenstertest::klicken("PhpQuelltext"); }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files); }
};

TEST_F(Skript, WritesTheFileTheDialogNames) {
    probe.setText(Feld::Txt,
                  "#G20Gr\xF6\xDF"
                  "e\r\n");
    probe.dialoge.speichernAntworten.append(pfad("banner"));
    klicken();

    EXPECT_EQ(probe.dialoge.meldungen, QStringList{Abschluss});
    EXPECT_EQ(probe.dialoge.speichernVorgaben, QStringList{QStringLiteral("*.php")});
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("banner.php")});
    const std::string skript = probe.text(Feld::QuTxt);
    EXPECT_TRUE(skript.starts_with("<?php") && skript.ends_with("?>")) << skript;
    EXPECT_EQ(dateiLesen(pfad("banner.php")), skript + "\r\n");
    EXPECT_EQ(probe.fenster->vorschau().fontSize(), 8);
}

TEST_F(Skript, CancellingWritesNothing) {
    probe.setText(Feld::Txt, "#G20x");
    klicken();
    EXPECT_TRUE(dateien().isEmpty());
    EXPECT_EQ(probe.dialoge.meldungen.size(), 1);
    EXPECT_NE(probe.text(Feld::QuTxt), "");
    EXPECT_EQ(probe.fenster->vorschau().fontSize(), 8);
}

// A type of the list in any letter case and a quality of plain digits go into the script; any
// other type or quality is named in a message, and no script is shown or saved.
TEST_F(Skript, TypeAndQualityFollowOneRule) {
    struct Fall {
        const char* art;
        const char* qualität;
        const char* ausgabe;  // the output call, or empty for a refusal
        QString meldung;
    };
    const Fall fälle[] = {
        {"GIF", "75", "Imagegif($Bild);", Abschluss},
        {"Jpeg", "09", "Imagejpeg($Bild,Null,9);", Abschluss},
        {"jpg", "75", "",
         QStringLiteral("Die Bildart [jpg] gibt es nicht. Bitte jpeg, png oder "
                        "gif wählen!")},
        {"png", "75", "",
         QStringLiteral("Die Qualität [75] passt nicht zu png. Bitte eine ganze "
                        "Zahl von 0 bis 9 wählen!")},
        {"jpeg", "7,5", "",
         QStringLiteral("Die Qualität [7,5] passt nicht zu jpeg. Bitte eine "
                        "ganze Zahl von 0 bis 100 wählen!")},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(std::string(fall.art) + " " + fall.qualität);
        probe.dialoge.meldungen.clear();
        probe.setText(Feld::QuTxt, "alt");
        probe.setText(Feld::BildArt, fall.art);
        probe.setText(Feld::BildQuallität, fall.qualität);
        klicken();
        EXPECT_EQ(probe.dialoge.meldungen, QStringList{fall.meldung});
        const std::string skript = probe.text(Feld::QuTxt);
        if (*fall.ausgabe)
            EXPECT_NE(skript.find(std::string(fall.ausgabe) + "\r\n?>"), std::string::npos);
        else
            EXPECT_EQ(skript, "alt");
    }
    EXPECT_EQ(probe.dialoge.speichernVorgaben.size(), 2);
}

}  // namespace
}  // namespace tafomat::test
