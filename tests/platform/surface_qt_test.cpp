#include "platform/QtSurface.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "platform/QtText.h"
#include "preview/BildZeichnen.h"

namespace tafomat {
namespace {

constexpr Farbwert Rot = 255;
constexpr Farbwert Weiss = 0xFFFFFF;

struct Bereich {
    int links = std::numeric_limits<int>::max();
    int oben = std::numeric_limits<int>::max();
    int rechts = std::numeric_limits<int>::min();
    int unten = std::numeric_limits<int>::min();
    int anzahl = 0;
};

// Where two pictures of the same size differ.
Bereich unterschied(const QImage& a, const QImage& b) {
    Bereich bereich;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            bereich.links = std::min(bereich.links, x);
            bereich.rechts = std::max(bereich.rechts, x);
            bereich.oben = std::min(bereich.oben, y);
            bereich.unten = std::max(bereich.unten, y);
            ++bereich.anzahl;
        }
    }
    return bereich;
}

QImage eingebautesBild() {
    return QImage(QStringLiteral(":/hintergrund.jpg"));
}

QFont vergleichsschrift(double punkte) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkte);
    schrift.setStyleStrategy(QFont::NoSubpixelAntialias);
    return schrift;
}

class QtSurfaceTest : public ::testing::Test {
  protected:
    QtSurface flaeche;
};

TEST_F(QtSurfaceTest, StartsWithTheBuiltInPictureArialAndBlack) {
    const QImage bild = eingebautesBild();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), QSize(460, 66));
    EXPECT_EQ(flaeche.width(), 460);
    EXPECT_EQ(flaeche.height(), 66);
    EXPECT_EQ(unterschied(flaeche.image(), bild.convertToFormat(QImage::Format_RGB32)).anzahl, 0);
    EXPECT_EQ(flaeche.fontName(), "Arial");
    EXPECT_EQ(flaeche.fontSize(), 8.25);
    EXPECT_EQ(flaeche.textColor(), 0);
    EXPECT_EQ(flaeche.image().logicalDpiY(), 96);
}

TEST_F(QtSurfaceTest, TextAppearsInItsColourWithItsTopLeftAtTheCurrentPosition) {
    ASSERT_TRUE(flaeche.loadBackground(""));
    const QImage weiss = flaeche.image();
    ASSERT_TRUE(flaeche.setFontSize(20));
    flaeche.setTextColor(Rot);
    flaeche.setCurrentX(50);
    flaeche.setCurrentY(10);
    const double breite = flaeche.textWidth("H");

    flaeche.drawText("H");

    const QImage bild = flaeche.image();
    const Bereich tinte = unterschied(weiss, bild);
    ASSERT_GT(tinte.anzahl, 0);
    EXPECT_GE(tinte.links, 50);
    EXPECT_LE(tinte.rechts, 50 + breite);
    EXPECT_GE(tinte.oben, 10);
    EXPECT_LE(tinte.unten, 10 + QFontMetricsF(vergleichsschrift(20), &bild).height());
    // the middle of the left stem of the H
    const QRgb stamm = bild.pixel(tinte.links + 1, (tinte.oben + tinte.unten) / 2);
    EXPECT_GT(qRed(stamm), 200);
    EXPECT_LT(qGreen(stamm), 60);
    EXPECT_LT(qBlue(stamm), 60);
}

TEST_F(QtSurfaceTest, TextLeavesThePictureVisibleAroundItsStrokes) {
    const QImage vorher = flaeche.image();
    flaeche.setCurrentX(200);
    flaeche.setCurrentY(20);
    const double breite = flaeche.textWidth(".");
    flaeche.drawText(".");

    const Bereich tinte = unterschied(vorher, flaeche.image());
    const double zelle = breite * QFontMetricsF(vergleichsschrift(8.25), &vorher).height();
    EXPECT_GT(tinte.anzahl, 0);
    EXPECT_LT(tinte.anzahl, zelle / 2);
}

TEST_F(QtSurfaceTest, DrawingAdvancesByTheTextWidth) {
    for (const double groesse : {8.25, 8.0, 13.0, 20.0}) {
        ASSERT_TRUE(flaeche.setFontSize(groesse));
        for (const std::string text : {"W", "i", " ", "\xE4", "04.11.2010", "Wald und Feld"}) {
            SCOPED_TRACE(text + " at " + std::to_string(groesse));
            flaeche.setCurrentX(3.5);
            const double breite = flaeche.textWidth(text);
            flaeche.drawText(text);
            EXPECT_GT(breite, 0);
            EXPECT_DOUBLE_EQ(flaeche.currentX(), 3.5 + breite);
        }
    }
    EXPECT_GT(flaeche.textWidth("W"), flaeche.textWidth("i"));
    EXPECT_EQ(flaeche.textWidth(""), 0);
}

TEST_F(QtSurfaceTest, ClearBringsBackThePictureAlone) {
    const QImage hintergrund = flaeche.image();
    flaeche.setTextColor(Weiss);
    flaeche.setCurrentX(10);
    flaeche.drawText("Hallo");
    flaeche.fillBox(300, 5, 320, 30, Rot);
    ASSERT_GT(unterschied(hintergrund, flaeche.image()).anzahl, 0);

    flaeche.clear();

    EXPECT_EQ(unterschied(hintergrund, flaeche.image()).anzahl, 0);
}

TEST_F(QtSurfaceTest, FillBoxIncludesBothCornersAndColourAtPointReadsIt) {
    flaeche.fillBox(20, 12, 10, 5, farbwert(0, 85, 170));
    EXPECT_EQ(flaeche.colorAt(10, 5), farbwert(0, 85, 170));
    EXPECT_EQ(flaeche.colorAt(20, 12), farbwert(0, 85, 170));
    EXPECT_NE(flaeche.colorAt(21, 12), farbwert(0, 85, 170));
    EXPECT_NE(flaeche.colorAt(20, 13), farbwert(0, 85, 170));
    EXPECT_EQ(flaeche.colorAt(-1, 0), -1);
    EXPECT_EQ(flaeche.colorAt(0, 66), -1);
}

class Hintergrund : public QtSurfaceTest {
  protected:
    // Paths reach the surface as Windows-1252 bytes.
    std::string pfad(const QString& name) const { return toCp1252(ordner.filePath(name)); }
    void schreibe(const QString& name, const QByteArray& inhalt) const {
        QFile datei(ordner.filePath(name));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    void erwarteUnveraendert(const std::string& datei) {
        const QImage vorher = flaeche.image();
        EXPECT_FALSE(flaeche.loadBackground(datei)) << datei;
        EXPECT_EQ(flaeche.image().size(), vorher.size());
        EXPECT_EQ(unterschied(vorher, flaeche.image()).anzahl, 0);
    }

    QTemporaryDir ordner;
};

TEST_F(Hintergrund, JpegBecomesTheBackgroundAndGivesItsSize) {
    QImage bild(100, 40, QImage::Format_RGB32);
    bild.fill(QColor(0, 128, 0));
    ASSERT_TRUE(bild.save(ordner.filePath(QStringLiteral("gr\u00FCn.jpg")), "JPEG", 95));
    flaeche.drawText("weg");

    ASSERT_TRUE(flaeche.loadBackground(pfad(QStringLiteral("gr\u00FCn.jpg"))));

    EXPECT_EQ(flaeche.width(), 100);
    EXPECT_EQ(flaeche.height(), 40);
    EXPECT_EQ(flaeche.image().logicalDpiX(), 96);
    const QRgb mitte = flaeche.image().pixel(50, 20);
    EXPECT_NEAR(qGreen(mitte), 128, 3);
    EXPECT_LT(qRed(mitte), 4);
}

TEST_F(Hintergrund, FileThatCannotBeLoadedChangesNothing) {
    schreibe(QStringLiteral("kaputt.jpg"), QByteArray("\xFF\xD8\xFF kein Bild", 14));
    schreibe(QStringLiteral("leer.jpg"), QByteArray());
    QImage png(10, 10, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(ordner.filePath(QStringLiteral("eigentlich-png.jpg")), "PNG"));
    const QImage hintergrund = flaeche.image();
    flaeche.drawText("Text");

    for (const char* name : {"fehlt.jpg", "kaputt.jpg", "leer.jpg", "eigentlich-png.jpg", ""}) {
        erwarteUnveraendert(pfad(QString::fromLatin1(name)));  // "" names the folder itself
    }
    flaeche.clear();
    EXPECT_EQ(unterschied(hintergrund, flaeche.image()).anzahl, 0);
}

TEST_F(Hintergrund, EmptyPathLeavesAWhitePictureOfTheCurrentSize) {
    flaeche.drawText("Text");
    ASSERT_TRUE(flaeche.loadBackground(""));
    flaeche.fillBox(0, 0, 5, 5, Rot);
    flaeche.clear();
    EXPECT_EQ(flaeche.width(), 460);
    EXPECT_EQ(flaeche.height(), 66);
    for (const QPoint p : {QPoint(0, 0), QPoint(30, 30), QPoint(459, 65)}) {
        EXPECT_EQ(flaeche.colorAt(p.x(), p.y()), Weiss);
    }
}

TEST_F(QtSurfaceTest, RefusesSizesItCannotUse) {
    ASSERT_TRUE(flaeche.setFontSize(12));
    for (const double groesse : {0.0, -1.0, -0.0, 1e9, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_FALSE(flaeche.setFontSize(groesse)) << groesse;
        EXPECT_EQ(flaeche.fontSize(), 12);
    }
    EXPECT_TRUE(flaeche.setFontSize(0.5));
    EXPECT_TRUE(flaeche.setFontSize(99));
}

TEST_F(QtSurfaceTest, FontNamesOfTheSystemAndItsSubstitutesAreUsable) {
    const double arial = flaeche.textWidth("Tafomat");
    ASSERT_TRUE(flaeche.setFontName("DejaVu Sans Mono"));
    EXPECT_EQ(flaeche.fontName(), "DejaVu Sans Mono");
    EXPECT_NE(flaeche.textWidth("Tafomat"), arial);
    EXPECT_DOUBLE_EQ(flaeche.textWidth("i"), flaeche.textWidth("W"));

    EXPECT_TRUE(flaeche.setFontName("Arial"));  // fontconfig's Liberation Sans
    EXPECT_DOUBLE_EQ(flaeche.textWidth("Tafomat"), arial);
    EXPECT_TRUE(flaeche.setFontName("Liberation Sans"));
    EXPECT_DOUBLE_EQ(flaeche.textWidth("Tafomat"), arial);
}

TEST_F(QtSurfaceTest, UnknownFontNameIsRefusedAndTheFontStays) {
    ASSERT_TRUE(flaeche.setFontName("DejaVu Serif"));
    const double breite = flaeche.textWidth("Tafomat");
    for (const std::string name : {"", "Ar", "Keine Schrift dieses Namens", " "}) {
        EXPECT_FALSE(flaeche.setFontName(name)) << name;
        EXPECT_EQ(flaeche.fontName(), "DejaVu Serif");
        EXPECT_DOUBLE_EQ(flaeche.textWidth("Tafomat"), breite);
    }
}

TEST_F(QtSurfaceTest, TellsOfAChangeOncePerRedrawUntilThePictureIsRead) {
    QSignalSpy meldungen(&flaeche, &QtSurface::changed);
    flaeche.clear();
    EXPECT_EQ(meldungen.count(), 1);
    flaeche.drawText("abc");
    flaeche.drawText("d");
    EXPECT_EQ(meldungen.count(), 1);
    (void)flaeche.image();
    flaeche.drawText("e");
    flaeche.drawText("f");
    EXPECT_EQ(meldungen.count(), 2);
    ASSERT_TRUE(flaeche.loadBackground(""));
    flaeche.fillBox(0, 0, 1, 1, Rot);
    EXPECT_EQ(meldungen.count(), 4);
}

TEST_F(QtSurfaceTest, ReadingThePictureInsideTheSignalDoesNotRepeatIt) {
    int meldungen = 0;
    QObject::connect(&flaeche, &QtSurface::changed, [&] {
        ++meldungen;
        (void)flaeche.image().size();
    });
    flaeche.clear();
    for (const char* text : {"a", "b", "c"}) flaeche.drawText(text);
    EXPECT_EQ(meldungen, 1);
}

}  // namespace
}  // namespace tafomat
