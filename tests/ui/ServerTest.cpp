// The server's side in the window: the banner as the server sends it, and the server bundle.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include "render/Bilddatei.h"
#include "render/Schriftsuche.h"
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
QImage serverbild(Fensterprobe& probe) {
    return alsQImage(gesendet(probe)).copy();
}

// Off at start; on, Pic shows the server's banner (amounts as the server writes them, the
// baseline and XPos as the script places them) and follows every change; the aids still write
// the pointer's position; off again, the preview.
TEST(Serveransicht, ShowsTheServersBannerAndFollowsEveryChange) {
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();
    auto* schalter = probe.finde<QCheckBox>("Serveransicht");
    ASSERT_FALSE(schalter->isChecked());
    probe.setText(Feld::AlTxt, "5");
    probe.setText(Feld::Txt, "#X050Gespart: #3 #7");
    fenster.felder().setWert(Feld::XPos, 7);
    const QImage vorschau = probe.gezeigt();
    EXPECT_EQ(vorschau, fenster.vorschau().image().convertToFormat(QImage::Format_RGB32));

    schalter->click();
    const QImage server = probe.gezeigt();
    EXPECT_EQ(server, serverbild(probe));
    EXPECT_NE(server, vorschau);
    probe.setText(Feld::Txt, "#X050Gespart: #3 #7 Euro");
    EXPECT_EQ(probe.gezeigt(), serverbild(probe));
    EXPECT_NE(probe.gezeigt(), server);
    mausDrücken(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(45, 12));
    mausBewegen(probe.finde<QWidget>("Pic"), Qt::LeftButton, QPointF(45, 12));
    EXPECT_EQ(probe.text(Feld::Txt), "#X045#Y012#X050Gespart: #3 #7 Euro");

    schalter->click();
    EXPECT_EQ(probe.gezeigt(), fenster.vorschau().image().convertToFormat(QImage::Format_RGB32));
}

// Beside the server's controls, inside the window: the banner's size as the server sends it, at
// every redraw and for the type and quality chosen; none for a design that gives no script.
TEST(Bildgröße, FollowsEveryRedrawAndTheChosenTypeAndQuality) {
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();
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

// The three files the server needs, in the folder chosen; the built-in picture under the
// design's picture name when the design's own is nowhere, replaced by the next bundle; a
// cancelled dialog writes nothing; a bundle that cannot be written says which file and why.
TEST(ServerPaket, WritesScriptPictureAndFontAndSaysSo) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();
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
    EXPECT_EQ(dateiLesen(paket + QStringLiteral("/leer.jpg")), std::string(eingebautesBildJpeg()));
    EXPECT_EQ(dateiLesen(paket + QStringLiteral("/Arial.ttf")),
              dateiLesen(QString::fromStdString(*schriftdateiSuchen("Arial"))));
    ASSERT_EQ(probe.dialoge.meldungen.size(), 1);
    const QString meldung = probe.dialoge.meldungen.front();
    for (const char* teil : {"[Tafomat.php]", "[leer.jpg]", "[Arial.ttf]", "eingebaute Bild"})
        EXPECT_TRUE(meldung.contains(QString::fromUtf8(teil))) << meldung.toStdString();

    probe.dialoge.ordnerAntworten = {paket};
    probe.finde<QPushButton>("ServerPaket")->click();
    ASSERT_EQ(probe.dialoge.meldungen.size(), 2);
    EXPECT_EQ(probe.dialoge.meldungen.back(), meldung);

    const QString besetzt = ordner.filePath(QStringLiteral("besetzt"));
    ASSERT_TRUE(QDir().mkpath(besetzt + QStringLiteral("/Arial.ttf")));
    probe.dialoge.ordnerAntworten = {besetzt};
    probe.finde<QPushButton>("ServerPaket")->click();
    EXPECT_TRUE(QDir(besetzt).entryList(QDir::Files | QDir::Hidden).isEmpty());
    ASSERT_EQ(probe.dialoge.meldungen.size(), 3);
    const QString fehler = probe.dialoge.meldungen.back();
    for (const char* teil : {"[Arial.ttf]", "Ordner dieses Namens", "Keine Datei"})
        EXPECT_TRUE(fehler.contains(QString::fromUtf8(teil))) << fehler.toStdString();
}

}  // namespace
}  // namespace tafomat::test
