#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/Foto.h"
#include "platform/Zuschnittdialog.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

class Hintergrund : public Fenstertest {
  protected:
    void bildWählen(const QString& pfad) {
        probe.dialoge.öffnenAntworten.append(pfad);
        klicken("Hintergrundbild");
    }
};

// A JPEG picture becomes the preview's background. GD draws a photo as stored, whatever turn
// its Exif entry asks for: the notice line says so until a picture without a turn comes.
TEST_F(Hintergrund, AJpegPictureBecomesThePreviewsBackgroundATurnIsNamed) {
    const QString gedreht = pfad(QStringLiteral("gedreht.jpg"));
    ASSERT_TRUE(dateiSchreiben(gedreht, gedrehtesJpeg()));
    bildWählen(gedreht);
    EXPECT_EQ(probe.hinweis(),
              QStringLiteral("Das Bild ist laut EXIF gedreht; der Server zeichnet es ungedreht."));
    EXPECT_TRUE(probe.finde<Hinweiszeile>("Hinweis")->toolTip().contains(
        QStringLiteral("EXIF-Ausrichtung 6")));
    for (const char* name : {"Foto.jpg", "IMG_0001.JPG", "bild.jpeg", "Scan.JpEg"}) {
        SCOPED_TRACE(name);
        const QSize größe(200 + static_cast<int>(std::strlen(name)), 50);
        const QString pfad = jpegMachen(QString::fromLatin1(name), größe);
        const int vorher = neuzeichnungen();
        bildWählen(pfad);
        EXPECT_EQ(probe.dialoge.öffnenVorgaben.back(), QStringLiteral("*.jpg"));
        EXPECT_EQ(probe.text(Feld::HintergrundPfad), toCp1252(pfad));
        EXPECT_EQ(probe.text(Feld::HintergrundName), name);
        EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), größe);
        EXPECT_EQ(neuzeichnungen(), vorher + 1);
        EXPECT_EQ(probe.hinweis(), QString());
    }
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());
}

// A path that the design cannot keep as one line of Windows-1252 text is refused with a message;
// a picture under a name other than a JPEG's goes to the crop dialog, which cannot keep it as it
// is; a cancelled dialog says nothing. A picture that cannot be loaded sets only the path and the
// name, and a message says why; a pipe or a picture too large to hold is refused before it is
// read. The preview stays as it was.
TEST_F(Hintergrund, RefusedAndUnreadablePicturesSayWhyAndChangeNoPreview) {
    const QString zeilenumbruch =
        QStringLiteral("Bitte nur Bilder benutzen, deren Pfad keinen Zeilenumbruch enthält!");
    const auto zeichen = [](const QString& z) {
        return QStringLiteral(
                   "Bitte nur Bilder benutzen, deren Pfad kein „%1“ enthält! Die "
                   "Einstellungen können dieses Zeichen nicht speichern.")
            .arg(z);
    };
    const auto jpeg = [&](const QString& name) { return jpegMachen(name, QSize(100, 20)); };
    const auto datei = [&](const char* name, const std::string& bytes) {
        EXPECT_TRUE(dateiSchreiben(pfad(QString::fromLatin1(name)), bytes));
        return pfad(QString::fromLatin1(name));
    };
    const QString pipe = pfad(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // A frame header, then the end: no scan to decode.
    const std::string ohneScan(
        "\xFF\xD8\xFF\xC0\x00\x11\x08\x00\x10\x00\x10\x03\x01\x22\x00\x02"
        "\x11\x01\x03\x11\x01\xFF\xD9",
        23);
    // clang-format off
    const struct {
        QString pfad;
        QString meldung;  // after "Das Hintergrundbild [path] " where the path is taken
        bool gesetzt;
    } fälle[] = {
        {jpeg(QStringLiteral("bild.png")), QString(), false},
        {jpeg(QStringLiteral("bild.jpg.gif")), QString(), false},
        {jpeg(QStringLiteral("jpg")), QString(), false},
        {jpeg(QStringLiteral("bild.jp")), QString(), false},
        {jpeg(QStringLiteral("\u03A9mega.jpg")), zeichen(QStringLiteral("\u03A9")), false},
        {jpeg(QStringLiteral("Gr\u00FC\u00DFe \U0001F600.jpg")), zeichen(QStringLiteral("\U0001F600")), false},
        {jpeg(QStringLiteral("zwei\nZeilen.jpg")), zeilenumbruch, false},
        {jpeg(QStringLiteral("Wagen\rR\u00FCcklauf.JPG")), zeilenumbruch, false},
        {QString(), QString(), false},
        {datei("kaputt.jpg", "kein Bild"), "ist kein JPEG-Bild! Bitte nur JPEG-Bilder benutzen!", true},
        {datei("riesig.jpg", RiesigesJpeg),
         "hat mit 8190 × 8190 zu viele Bildpunkte (höchstens 16 Millionen, etwa 4096 × 4096)!", true},
        {datei("leer.jpg", ohneScan), "ist beschädigt!", true},
        {pipe, "ist keine gewöhnliche Datei!", true},
        {pfad(QStringLiteral("fehlt.jpg")), "wurde nicht gefunden!", true},
    };
    // clang-format on
    const QImage vorherBild = probe.fenster->vorschau().image();
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.pfad.toStdString());
        probe.dialoge.meldungen.clear();
        const int vorher = neuzeichnungen();
        bildWählen(fall.pfad);
        const QString meldung =
            fall.gesetzt ? QStringLiteral("Das Hintergrundbild [%1] ").arg(fall.pfad) + fall.meldung
                         : fall.meldung;
        EXPECT_EQ(probe.dialoge.meldungen,
                  meldung.isEmpty() ? QStringList() : QStringList{meldung});
        EXPECT_EQ(probe.text(Feld::HintergrundPfad),
                  fall.gesetzt ? toCp1252(fall.pfad) : "leer.jpg");
        EXPECT_EQ(probe.text(Feld::HintergrundName),
                  fall.gesetzt ? toCp1252(QFileInfo(fall.pfad).fileName()) : "leer.jpg");
        EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), QSize(460, 66));
        EXPECT_EQ(probe.fenster->vorschau().image(), vorherBild);
        EXPECT_EQ(neuzeichnungen(), vorher);
    }
    EXPECT_EQ(probe.dialoge.zuschnittAngebote.size(), 4);
    for (const auto& [größe, unverändert] : probe.dialoge.zuschnittAngebote) {
        EXPECT_EQ(größe, QSize(100, 20));
        EXPECT_FALSE(unverändert);
    }
}

// The preview shows the whole picture; the window grows with it up to the screen, beyond that
// the preview scrolls. The controls stay where they are. The server view follows the picture in
// the same way, and switching it on or off changes neither the window nor the picture's place.
TEST_F(Hintergrund, ThePreviewShowsTheWholePictureAndTheWindowGrowsWithIt) {
    // The picture, the window (empty: as large as the screen allows), whether the preview
    // scrolls. A preview wider than the room under the script's frame has the server's controls
    // in a row below it.
    const std::tuple<QSize, QSize, bool> fälle[] = {{{600, 100}, {757, 445}, false},
                                                    {{760, 60}, {776, 405}, false},
                                                    {{3000, 2000}, {}, true},
                                                    {{200, 30}, {757, 398}, false}};
    MainWindow& fenster = *probe.fenster;
    auto* bereich = probe.finde<QScrollArea>("PicBereich");
    const QRect platz = fenster.screen()->availableGeometry();
    auto* schalter = probe.finde<QAbstractButton>("Serveransicht");
    for (const bool server : {false, true}) {
        for (const auto& [bild, fenstergröße, balken] : fälle) {
            SCOPED_TRACE(std::to_string(bild.width()) + (server ? " Serveransicht" : ""));
            schalter->setChecked(server);
            bildWählen(jpegMachen(QStringLiteral("bild%1.jpg").arg(bild.width()), bild));
            EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), bild);
            EXPECT_EQ(bereich->pos(), QPoint(8, 296));
            EXPECT_EQ(probe.finde<QWidget>("Frame4")->geometry(), QRect(504, 8, 249, 281));
            EXPECT_TRUE(platz.contains(fenster.frameGeometry()));
            const char* const rechts[] = {"Serveransicht", "ServerPaket", "Veroeffentlichen",
                                          "Bildgröße",     "Hinweis",     "Hilfe"};
            for (const char* name : rechts) {
                const QRect ort = probe.finde<QWidget>(name)->geometry();
                EXPECT_TRUE(fenster.rect().contains(ort)) << name;
                EXPECT_FALSE(bereich->geometry().intersects(ort)) << name;
                for (const char* anderer : rechts) {
                    if (anderer == name) continue;
                    EXPECT_FALSE(probe.finde<QWidget>(anderer)->geometry().intersects(ort))
                        << name << " " << anderer;
                }
            }
            // The bundle's and the publishing button share a line; each caption fits.
            for (const char* name : {"ServerPaket", "Veroeffentlichen"}) {
                const auto* knopf = probe.finde<QPushButton>(name);
                EXPECT_GE(knopf->width(), knopf->sizeHint().width()) << name;
            }
            EXPECT_EQ(bereich->horizontalScrollBar()->isVisible(), balken);
            EXPECT_EQ(bereich->verticalScrollBar()->isVisible(), balken);
            if (balken) {
                EXPECT_GT(fenster.frameGeometry().height(), platz.height() - 4);
                EXPECT_EQ(bereich->horizontalScrollBar()->maximum(),
                          bild.width() - bereich->viewport()->width());
            } else {
                EXPECT_EQ(fenster.size(), fenstergröße);
                EXPECT_EQ(bereich->viewport()->size(), bild);
            }
            const QSize größe = fenster.size();
            for (int umschalten = 0; umschalten < 2; ++umschalten) {
                schalter->toggle();
                EXPECT_EQ(fenster.size(), größe);
                EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), bild);
            }
        }
    }
}

// A photo as phones write it (6000 × 4000, turned by its EXIF entry) and a PNG become banners of
// 468 × 60 through the crop dialog: the frame dragged over the photo, the JPEG written beside
// it under the name the save dialog gives, and that JPEG the background. A JPEG of a banner's
// size is taken without the dialog.
TEST_F(Hintergrund, APhotoBecomesABannerThroughTheCropDialog) {
    QImage foto(6000, 4000, QImage::Format_RGB32);
    foto.fill(Qt::darkBlue);
    // Stored bottom left, top left once turned a quarter clockwise.
    for (int y = 3800; y < 4000; ++y)
        for (int x = 0; x < 200; ++x) foto.setPixelColor(x, y, Qt::white);
    const QString handy = pfad(QStringLiteral("IMG_0001.jpg"));
    ASSERT_TRUE(dateiSchreiben(handy, gedrehtesJpeg(foto)));
    foto = QImage();
    QImage png(800, 600, QImage::Format_ARGB32);
    png.fill(Qt::darkGreen);
    ASSERT_TRUE(png.save(pfad(QStringLiteral("grafik.png"))));

    const std::optional<QImage> gelesen = FotoLesen(handy);
    ASSERT_TRUE(gelesen.has_value());
    // Turned upright, scaled while read to at most 16 megapixels.
    EXPECT_EQ(gelesen->size(), QSize(3344, 5016));
    EXPECT_GT(gelesen->pixelColor(10, 10).lightness(), 200);

    Zuschnittdialog dialog(*gelesen, true);
    dialog.show();
    dialog.vorlagen()->setCurrentIndex(0);
    EXPECT_EQ(dialog.zuschnitt().größe, QSize(468, 60));
    EXPECT_FALSE(dialog.breite()->isEnabled());
    dialog.anteil()->setValue(50);
    const QRect mitte = dialog.zuschnitt().ausschnitt;
    EXPECT_NEAR(double(mitte.width()) / mitte.height(), 468.0 / 60, 0.1);
    QWidget* ansicht = dialog.ansicht();
    mausDrücken(ansicht, Qt::LeftButton, QPointF(100, 100));
    mausBewegen(ansicht, Qt::LeftButton, QPointF(100, 0));
    mausBewegen(ansicht, Qt::LeftButton, QPointF(100, -500));
    const QRect oben = dialog.zuschnitt().ausschnitt;
    EXPECT_EQ(oben.top(), 0);
    EXPECT_EQ(oben.size(), mitte.size());
    dialog.qualität()->setValue(80);
    dialog.vorlagen()->setCurrentIndex(3);
    EXPECT_TRUE(dialog.höhe()->isEnabled());
    dialog.vorlagen()->setCurrentIndex(0);
    const Zuschnitt zuschnitt = dialog.zuschnitt();
    EXPECT_EQ(zuschnitt.qualität, 80);

    probe.dialoge.zuschnittAntworten = {Zuschnittwahl{false, zuschnitt},
                                        Zuschnittwahl{false, {QRect(0, 0, 800, 102), {468, 60}}}};
    probe.dialoge.speichernAntworten = {pfad(QStringLiteral("handy")),
                                        pfad(QStringLiteral("grafik-banner.jpg"))};
    bildWählen(handy);
    bildWählen(pfad(QStringLiteral("grafik.png")));
    ASSERT_EQ(probe.dialoge.zuschnittAngebote.size(), 2);
    EXPECT_EQ(probe.dialoge.zuschnittAngebote.at(0), std::make_pair(QSize(3344, 5016), true));
    EXPECT_EQ(probe.dialoge.zuschnittAngebote.at(1), std::make_pair(QSize(800, 600), false));
    EXPECT_EQ(probe.dialoge.speichernVorgaben,
              (QStringList{pfad(QStringLiteral("IMG_0001-banner.jpg")),
                           pfad(QStringLiteral("grafik-banner.jpg"))}));
    for (const char* banner : {"handy.jpg", "grafik-banner.jpg"}) {
        const QImage bild(pfad(QString::fromLatin1(banner)));
        EXPECT_EQ(bild.size(), QSize(468, 60)) << banner;
    }
    EXPECT_EQ(probe.text(Feld::HintergrundName), "grafik-banner.jpg");
    EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), QSize(468, 60));
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());
    EXPECT_EQ(probe.hinweis(), QString());

    // The banner itself is taken as it is; so is a free size larger than forums take, which
    // the notice line names.
    bildWählen(pfad(QStringLiteral("handy.jpg")));
    EXPECT_EQ(probe.dialoge.zuschnittAngebote.size(), 2);
    EXPECT_EQ(probe.text(Feld::HintergrundName), "handy.jpg");
    probe.dialoge.zuschnittAntworten = {Zuschnittwahl{false, {QRect(0, 0, 800, 200), {800, 200}}}};
    probe.dialoge.speichernAntworten = {pfad(QStringLiteral("breit.jpg"))};
    bildWählen(pfad(QStringLiteral("grafik.png")));
    EXPECT_EQ(probe.dialoge.zuschnittAngebote.size(), 3);
    EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), QSize(800, 200));
    EXPECT_EQ(
        probe.hinweis(),
        QStringLiteral("Das Banner ist mit 800 × 200 Pixeln größer, als Foren meist erlauben."));
}

// Picking a type builds its quality list anew by the type's rule (the design suite has it all);
// a type written or typed changes only the text. None of it redraws.
TEST_F(Hintergrund, ThePickedTypeBuildsTheQualityList) {
    auto* art = probe.finde<QComboBox>("BildArt");
    auto* qualität = probe.finde<QComboBox>("BildQuallität");
    const int vorher = neuzeichnungen();
    probe.setText(Feld::BildArt, "png");
    art->lineEdit()->selectAll();
    QTest::keyClicks(art, QStringLiteral("gif"));
    EXPECT_EQ(probe.text(Feld::BildArt), "gif");
    EXPECT_EQ(qualität->count(), 101);
    EXPECT_EQ(qualität->currentText(), QStringLiteral("75"));
    probe.setText(Feld::BildQuallität, "42");  // typed before, replaced by the pick
    wählen(art, QStringLiteral("png"));
    EXPECT_EQ(einträge(qualität), (QStringList{"9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    EXPECT_EQ(probe.text(Feld::BildQuallität), "9");
    wählen(art, QStringLiteral("gif"));
    EXPECT_EQ(qualität->count(), 0);
    EXPECT_EQ(neuzeichnungen(), vorher);
}

}  // namespace
}  // namespace tafomat::test
