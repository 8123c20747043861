// The server's side in the window: the script, the banner as the server sends it, and the bundle.
#include <QCheckBox>
#include <QDir>

#include <gtest/gtest.h>

#include <cmath>

#include "render/Bilddatei.h"
#include "render/Serveransicht.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

// The banner as the server sends it on the probe's day.
Bild gesendet(Fensterprobe& probe) {
    const std::optional<Bild> bild =
        Serveransicht(probe.fenster->felder(), probe.fenster->vorschau(), probe.uhr.heute());
    EXPECT_TRUE(bild.has_value());
    return bild.value_or(Bild());
}

class Server : public Fenstertest {};
using Bildgroesse = Fenstertest;

// Off at start; on, Pic shows the server's banner (amounts as the server writes them, the
// baseline and XPos as the script places them) and follows every change; the aids still write
// the pointer's position; off again, the preview.
TEST_F(Server, ShowsTheServersBannerAndFollowsEveryChange) {
    MainWindow& fenster = *probe.fenster;
    auto* schalter = probe.finde<QCheckBox>("Serveransicht");
    ASSERT_FALSE(schalter->isChecked());
    probe.setText(Feld::AlTxt, "5");
    probe.setText(Feld::Txt, "#X050Gespart: #3 #7");
    fenster.felder().setWert(Feld::XPos, 7);
    const QImage vorschau = probe.gezeigt();
    EXPECT_EQ(vorschau, fenster.vorschau().image().convertToFormat(QImage::Format_RGB32));

    schalter->click();
    const QImage server = probe.gezeigt();
    EXPECT_EQ(server, alsQImage(gesendet(probe)));
    EXPECT_NE(server, vorschau);
    probe.setText(Feld::Txt, "#X050Gespart: #3 #7 Euro");
    EXPECT_EQ(probe.gezeigt(), alsQImage(gesendet(probe)));
    EXPECT_NE(probe.gezeigt(), server);
    mausDrücken(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(45, 12));
    mausBewegen(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(45, 12));
    EXPECT_EQ(probe.text(Feld::Txt), "#X045#Y012#X050Gespart: #3 #7 Euro");

    schalter->click();
    EXPECT_EQ(probe.gezeigt(), fenster.vorschau().image().convertToFormat(QImage::Format_RGB32));
}

// Beside the server's controls, inside the window: the banner's size as the server sends it, at
// every redraw and for the type and quality chosen; none for a design that gives no script.
TEST_F(Bildgroesse, FollowsEveryRedrawAndTheChosenTypeAndQuality) {
    MainWindow& fenster = *probe.fenster;
    const auto* größe = probe.finde<QLabel>("Bildgröße");
    EXPECT_TRUE(fenster.rect().contains(größe->geometry()));
    const auto kilobytes = [&](const std::string& art, int qualität) {
        const Bild bild = gesendet(probe);
        const long zehntel = std::lround(double(ausgabeBytes(bild, art, qualität).size()) / 102.4);
        return QStringLiteral("460 × 66 Pixel, %1,%2 KB").arg(zehntel / 10).arg(zehntel % 10);
    };
    const QString start = größe->text();
    EXPECT_EQ(start, kilobytes("jpeg", 75) + QStringLiteral(" (jpeg 75)"));
    probe.setText(Feld::Txt, "#G20" + std::string(60, 'W'));
    EXPECT_EQ(größe->text(), kilobytes("jpeg", 75) + QStringLiteral(" (jpeg 75)"));
    EXPECT_NE(größe->text(), start);
    wählen(probe.finde<QComboBox>("BildQuallität"), QStringLiteral("10"));
    EXPECT_EQ(größe->text(), kilobytes("jpeg", 10) + QStringLiteral(" (jpeg 10)"));
    wählen(probe.finde<QComboBox>("BildArt"), QStringLiteral("gif"));
    EXPECT_EQ(größe->text(), kilobytes("gif", -1) + QStringLiteral(" (gif)"));
    probe.setText(Feld::AlTxt, "fünf");
    EXPECT_EQ(größe->text(), QString());
    // Encoding a picture this large would hold up every keystroke.
    fenster.vorschau().setBackground(Bild(1024, 257));
    probe.setText(Feld::AlTxt, "5");
    EXPECT_EQ(größe->text(), QStringLiteral("1024 × 257 Pixel (KB nicht gemessen)"));
}

// The three files the server needs, with the window's script, in the folder chosen (what they
// hold is the bundle suite's); a cancelled dialog writes nothing; a bundle that cannot be
// written says which file and why.
TEST_F(Server, TheBundleHasScriptPictureAndFontAndSaysSo) {
    MainWindow& fenster = *probe.fenster;
    probe.finde<QPushButton>("ServerPaket")->click();
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());

    const QString paket = ordner.filePath(QStringLiteral("neu/paket"));
    probe.dialoge.ordnerAntworten = {paket};
    probe.finde<QPushButton>("ServerPaket")->click();

    EXPECT_EQ(QDir(paket).entryList(QDir::Files),
              (QStringList{"Arial.ttf", "leer.jpg", "Tafomat.php"}));
    EXPECT_EQ(dateiLesen(paket + QStringLiteral("/Tafomat.php")),
              *fenster.PhpQuelltextErstellen() + "\r\n");
    ASSERT_EQ(probe.dialoge.meldungen.size(), 1);
    for (const char* teil : {"[Tafomat.php]", "[leer.jpg]", "[Arial.ttf]", "eingebaute Bild"})
        EXPECT_TRUE(probe.dialoge.meldungen.front().contains(QString::fromUtf8(teil))) << teil;

    const QString besetzt = ordner.filePath(QStringLiteral("besetzt"));
    ASSERT_TRUE(QDir().mkpath(besetzt + QStringLiteral("/Arial.ttf")));
    probe.dialoge.ordnerAntworten = {besetzt};
    probe.finde<QPushButton>("ServerPaket")->click();
    EXPECT_TRUE(QDir(besetzt).entryList(QDir::Files | QDir::Hidden).isEmpty());
    ASSERT_EQ(probe.dialoge.meldungen.size(), 2);
    const QString fehler = probe.dialoge.meldungen.back();
    for (const char* teil : {"[Arial.ttf]", "Ordner dieses Namens", "Keine Datei"})
        EXPECT_TRUE(fehler.contains(QString::fromUtf8(teil))) << fehler.toStdString();
}

const QString Abschluss = QStringLiteral(
    "Bitte unbedingt das Php-Programm [Tafomat.php] mit dem Hintergrundbild [leer.jpg] und der "
    "Schriftart [Arial.ttf] in das gleiche Verzeichnis auf Ihrem Server einfügen!");

class Skript : public Fenstertest {
  protected:
    void klicken() { Fenstertest::klicken("PhpQuelltext"); }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files); }
};

// The script goes into the file the dialog names, and nowhere when the dialog is cancelled.
TEST_F(Skript, WritesTheFileTheDialogNamesTypeAndQualityByOneRule) {
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

    probe.dialoge.meldungen.clear();
    probe.setText(Feld::Txt, "#G20x");
    klicken();
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("banner.php")});
    EXPECT_EQ(dateiLesen(pfad("banner.php")), skript + "\r\n");
    EXPECT_EQ(probe.dialoge.meldungen.size(), 1);
    EXPECT_NE(probe.text(Feld::QuTxt), skript);
    EXPECT_EQ(probe.fenster->vorschau().fontSize(), 8);

    // A type of the list in any letter case and a quality of plain digits go into the script;
    // any other type or quality is named in a message, and no script is shown or saved.
    // The type, the quality, the output call (empty for a refusal), the message.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, QString> fälle[] = {
        {"GIF", "75", "Imagegif($Bild);", Abschluss},
        {"jpg", "75", "", QStringLiteral("Die Bildart [jpg] gibt es nicht. Bitte jpeg, png oder gif wählen!")},
        {"png", "75", "",
         QStringLiteral("Die Qualität [75] passt nicht zu png. Bitte eine ganze Zahl von 0 bis 9 wählen!")},
    };
    // clang-format on
    for (const auto& [art, qualität, ausgabe, meldung] : fälle) {
        SCOPED_TRACE(std::string(art) + " " + qualität);
        probe.dialoge.meldungen.clear();
        probe.setText(Feld::QuTxt, "alt");
        probe.setText(Feld::BildArt, art);
        probe.setText(Feld::BildQuallität, qualität);
        klicken();
        EXPECT_EQ(probe.dialoge.meldungen, QStringList{meldung});
        const std::string skript = probe.text(Feld::QuTxt);
        if (*ausgabe)
            EXPECT_NE(skript.find(std::string(ausgabe) + "\r\n?>"), std::string::npos);
        else
            EXPECT_EQ(skript, "alt");
    }
    EXPECT_EQ(probe.dialoge.speichernVorgaben.size(), 3);
}

}  // namespace
}  // namespace tafomat::test
