#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Titel = QStringLiteral("Tafomat fügt mit Php einen Texte und Daten in ein JPEG-Bild");
const QString SchriftFehler =
    QStringLiteral("!!! Schriftarten-Fehler !!! Programm wird fortgesetzt.");

QStringList einträge(const QComboBox* box) {
    QStringList liste;
    for (int i = 0; i < box->count(); ++i) liste.append(box->itemText(i));
    return liste;
}

QStringList zahlen(int von, int bis, int schritt) {
    QStringList liste;
    for (int i = von; i != bis + schritt; i += schritt) liste.append(QString::number(i));
    return liste;
}

TEST(Start, FuelltDieFelderUndZeichnetEinmal) {
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();

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

TEST(Start, EineSchriftlisteDieVersagtSchreibtDenFehlerInDenTitel) {
    struct Fall {
        const char* name;
        bool anzahlFehlt;
        int fehltBei;
        int schriftarten;
    };
    for (const Fall fall : {Fall{"Anzahl", true, -1, 0}, Fall{"zweiter Name", false, 1, 1}}) {
        SCOPED_TRACE(fall.name);
        Fensterprobe probe;
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

struct Ort {
    const char* name;
    int links, oben, breite, höhe;  // twips
};

TEST(Start, JedesSteuerelementLiegtAnSeinemPlatz) {
    const Ort orte[] = {
        {"Frame1", 120, 120, 3735, 4215},
        {"Frame2", 3840, 120, 3735, 4215},
        {"Frame4", 7560, 120, 3735, 4215},
        {"Fett", 5160, 120, 615, 255},
        {"Pic", 120, 4440, 6900, 990},
        {"KnopfBild5", 120, 0, 240, 240},
        {"Label1", 120, 390, 2295, 255},
        {"DaTxt", 2640, 360, 975, 285},
        {"TaTxt", 2640, 600, 975, 285},
        {"AlTxt", 2640, 1080, 855, 285},
        {"Label51", 3480, 1110, 135, 255},
        {"KiTxt", 2640, 1320, 375, 285},
        {"Label52", 3000, 1350, 495, 255},
        {"GZTxt", 2640, 1560, 975, 285},
        {"AnTxt", 2640, 2040, 855, 285},
        {"NeTxt", 2640, 2280, 855, 285},
        {"GETxt", 2640, 2520, 855, 285},
        {"StTxt", 2640, 3000, 855, 285},
        {"GSTxt", 2640, 3240, 855, 285},
        {"Label56", 3480, 3270, 135, 255},
        {"Hintergrundbild", 240, 3720, 3135, 375},
        {"KnopfBild2", 360, 3780, 240, 240},
        {"KnopfBild7", 120, 0, 240, 240},
        {"SchriftartListe", 2040, 0, 975, 315},
        {"SchriftGröße", 3000, 0, 615, 315},
        {"Txt", 120, 360, 3255, 1815},
        {"Abstand", 3480, 360, 150, 1815},
        {"Frame3", 120, 2280, 2175, 855},
        {"KnopfBild0", 120, 0, 240, 240},
        {"PicFa", 120, 240, 1920, 480},
        {"Label7", 2520, 2280, 855, 495},
        {"YPos", 3480, 2280, 150, 735},
        {"XPos", 2520, 2880, 735, 135},
        {"EinstellungenÖffnen", 120, 3240, 3495, 375},
        {"KnopfBild8", 240, 3300, 240, 240},
        {"EinstellungenSpeichern", 120, 3720, 3495, 375},
        {"KnopfBild1", 240, 3780, 240, 240},
        {"KnopfBild6", 120, 0, 240, 240},
        {"QuTxt", 120, 240, 3495, 3015},
        {"Label6", 120, 3435, 3495, 255},
        {"BildArt", 840, 3360, 735, 315},
        {"BildQuallität", 2880, 3360, 750, 315},
        {"PhpQuelltext", 120, 3720, 3495, 375},
        {"KnopfBild3", 240, 3780, 240, 240},
        {"KnopfBild4", 2445, 3780, 240, 240},
    };
    Fensterprobe probe;
    probe.öffnen();
    // A place is measured in the control's frame, or in the window; the preview lies in its
    // scroll area.
    const auto behälter = [&](const QWidget* widget) {
        const QWidget* w = widget->parentWidget();
        while (w != probe.fenster.get() && !w->objectName().startsWith(QLatin1String("Frame")))
            w = w->parentWidget();
        return w;
    };
    for (const Ort& ort : orte) {
        SCOPED_TRACE(ort.name);
        const auto* widget = probe.finde<QWidget>(ort.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QRect(widget->mapTo(behälter(widget), QPoint(0, 0)), widget->size()),
                  QRect(ort.links / 15, ort.oben / 15, ort.breite / 15, ort.höhe / 15));
    }
    EXPECT_EQ(probe.finde<QWidget>("Frame3")->parentWidget(), probe.finde<QWidget>("Frame2"));
    EXPECT_EQ(probe.finde<QWidget>("PicFa")->parentWidget(), probe.finde<QWidget>("Frame3"));
}

TEST(Start, TooltipsStehenNurAnIhrenSteuerelementen) {
    const std::pair<const char*, QString> tipps[] = {
        {"Fett", QStringLiteral("Setzt im Text #B ein um den Text breiter anzuzeigen. Das zweite "
                                "#B zeichnet den Text wieder normal weiter.")},
        {"Pic", QStringLiteral("Das ist das Ausgabebild, das Zeigt, wie später alles aussieht.")},
        {"SchriftGröße",
         QStringLiteral("Verändert die Schriftgröße. z.B.: Imt Text mit #G01 bis #G99 ")},
        {"Label7", QStringLiteral(" Mit den Reglern können Sie den Text feinjustieren.")},
        {"BildArt",
         QStringLiteral("Hier können Sie einstellen, welche Bild-Art erstellt werden soll.")},
        {"BildQuallität",
         QStringLiteral("Hier können Sie einstellen, welche Bild-Art erstellt werden soll.")},
        {"KnopfBild0", QStringLiteral("Hier können Sie einen Schrift-Farbe in Ihren Text "
                                      "einfügen. z.B.: #F255255255 für Weiß.")},
        {"KnopfBild1", QStringLiteral("Hiermit können Sie Ihre Einstellungen Speichern.")},
        {"KnopfBild2", QStringLiteral("Ein Hintergrundbild muß ausgewählt werden!")},
        {"KnopfBild3", QString()},
        {"KnopfBild5", QStringLiteral("Hier können Sie Ihre Werte eingeben.")},
        {"KnopfBild6", QStringLiteral("Hier erscheint später der Php-Quelltext.")},
        {"KnopfBild7",
         QStringLiteral("Hier können Sie Ihren Text eingeben. Mit dem #-Zeichen können Sie Ihre "
                        "Daten in den Text einfügen. z.B.: #2 für die Anzahl der vergangenen "
                        "Tage.")},
        {"KnopfBild8", QStringLiteral("Hiermit können Sie Ihre Einstellungen Laden.")},
        {"Txt", QString()},
        {"PhpQuelltext", QString()},
    };
    Fensterprobe probe;
    probe.öffnen();
    for (const auto& [name, tipp] : tipps) {
        SCOPED_TRACE(name);
        EXPECT_EQ(probe.finde<QWidget>(name)->toolTip(), tipp);
    }
}

TEST(Start, TabulatorFolgtDerReihenfolgeDesFensters) {
    const QStringList reihe = {"DaTxt",
                               "TaTxt",
                               "AlTxt",
                               "NeTxt",
                               "StTxt",
                               "KiTxt",
                               "AnTxt",
                               "PhpQuelltext",
                               "QuTxt",
                               "GSTxt",
                               "GETxt",
                               "GZTxt",
                               "Hintergrundbild",
                               "YPos",
                               "XPos",
                               QString::fromUtf8("SchriftGröße"),
                               "SchriftartListe",
                               "EinstellungenSpeichern",
                               QString::fromUtf8("EinstellungenÖffnen"),
                               "Abstand",
                               "Fett",
                               "BildArt",
                               QString::fromUtf8("BildQuallität"),
                               "Txt",
                               "Serveransicht",
                               "ServerPaket",
                               "Hilfe"};
    Fensterprobe probe;
    probe.öffnen();
    QStringList gefunden;
    QWidget* widget = probe.finde<QWidget>("DaTxt");
    do {
        // Unnamed: the line edits inside the lists.
        if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus)) {
            gefunden.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != probe.finde<QWidget>("DaTxt"));
    EXPECT_EQ(gefunden, reihe);
}

// The screenshot and the start design in the build folder are what tools/docs-pictures uses.
TEST(Start, BildschirmfotoDesFensters) {
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();
    const QImage bild = fenster.grab().toImage();
    EXPECT_EQ(bild.size(), QSize(757, 398) * fenster.devicePixelRatio());
    const QDir bauordner(QStringLiteral(TAFOMAT_BINARY_DIR));
    EXPECT_TRUE(bild.save(bauordner.filePath(QStringLiteral("tafomat-fenster.png"))));
    EXPECT_TRUE(
        fenster.EinstellungenSchreiben(bauordner.filePath(QStringLiteral("tafomat-start.txt"))));
    // The preview's row with the server view switched on.
    probe.finde<QAbstractButton>("Serveransicht")->click();
    const QRect reihe(0, 290, 757, 90);
    EXPECT_TRUE(
        fenster.grab(reihe).save(bauordner.filePath(QStringLiteral("tafomat-serveransicht.png"))));
}

}  // namespace
}  // namespace tafomat::test
