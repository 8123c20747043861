#include <QComboBox>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Titel = QStringLiteral("Tafomat fügt mit Php einen Texte und Daten in ein JPEG-Bild");
const QString SchriftFehler =
    QStringLiteral("!!! Schriftarten-Fehler !!! Programm wird fortgesetzt.");

QStringList zahlen(int von, int bis, int schritt) {
    QStringList liste;
    for (int i = von; i != bis + schritt; i += schritt) liste.append(QString::number(i));
    return liste;
}

class Start : public Fenstertest {};

TEST_F(Start, FillsTheFieldsAndDrawsOnce) {
    const MainWindow& fenster = *probe.fenster;

    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.windowTitle(), Titel);
    EXPECT_EQ(fenster.size(), QSize(757, 398));
    EXPECT_EQ(fenster.focusWidget(), probe.finde<QWidget>("DaTxt"));
    EXPECT_EQ(fenster.neuzeichnungen(), 1);

    EXPECT_EQ(probe.text(Feld::TaTxt), "5875");
    EXPECT_EQ(probe.text(Feld::GZTxt), "129250");
    EXPECT_EQ(probe.text(Feld::GETxt), "23440,00");
    EXPECT_EQ(probe.text(Feld::GSTxt), "17625,00");
    EXPECT_EQ(probe.text(Feld::HintergrundPfad), "leer.jpg");
    EXPECT_EQ(probe.text(Feld::HintergrundName), "leer.jpg");
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
    EXPECT_EQ(probe.text(Feld::QuTxt), "");

    const auto* qualität = probe.finde<QComboBox>("BildQuallität");
    EXPECT_EQ(qualität->currentText(), QStringLiteral("75"));
    EXPECT_EQ(einträge(qualität), zahlen(100, 0, -1));
    EXPECT_EQ(einträge(probe.finde<QComboBox>("BildArt")),
              QStringList({QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif")}));
    const auto* schriftart = probe.finde<QComboBox>("SchriftartListe");
    EXPECT_EQ(schriftart->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(einträge(schriftart), probe.schriftarten.namen);
    const auto* größe = probe.finde<QComboBox>("SchriftGröße");
    EXPECT_EQ(größe->currentText(), QStringLiteral("8"));
    EXPECT_EQ(einträge(größe), zahlen(1, 32, 1));
    EXPECT_EQ(fenster.vorschau().fontName(), "Arial");
}

TEST_F(Start, AFailingFontListWritesTheErrorIntoTheTitle) {
    struct Fall {
        const char* name;
        bool anzahlFehlt;
        int fehltBei;
        int schriftarten;
    };
    for (const Fall fall : {Fall{"Anzahl", true, -1, 0}, Fall{"zweiter Name", false, 1, 1}}) {
        SCOPED_TRACE(fall.name);
        probe.schriftarten.anzahlFehlt = fall.anzahlFehlt;
        probe.schriftarten.fehltBei = fall.fehltBei;
        MainWindow& fenster = probe.öffnen();

        EXPECT_EQ(fenster.windowTitle(), SchriftFehler);
        const auto* schriftart = probe.finde<QComboBox>("SchriftartListe");
        const auto* größe = probe.finde<QComboBox>("SchriftGröße");
        EXPECT_EQ(schriftart->count(), fall.schriftarten);
        EXPECT_EQ(schriftart->currentText(), QStringLiteral("Arial"));
        EXPECT_EQ(größe->count(), 0);
        EXPECT_EQ(größe->currentText(), QStringLiteral("8"));
        EXPECT_EQ(fenster.neuzeichnungen(), 1);
        EXPECT_EQ(probe.text(Feld::TaTxt), "5875");
    }
}

// The keyboard stops at what the user types into or clicks, never at a picture or a frame.
TEST_F(Start, TheKeyboardSkipsPicturesAndFrames) {
    for (const char* name : {"PicBereich", "Pic", "PicFa", "Frame1", "Frame2", "Frame3", "Frame4",
                             "Label7", "KnopfBild3"}) {
        EXPECT_FALSE(probe.finde<QWidget>(name)->focusPolicy() & Qt::TabFocus) << name;
    }
    EXPECT_TRUE(probe.finde<QWidget>("Txt")->focusPolicy() & Qt::TabFocus);
}

}  // namespace
}  // namespace tafomat::test
