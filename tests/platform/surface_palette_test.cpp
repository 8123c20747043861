#include "platform/PaletteSurface.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tafomat {
namespace {

constexpr Farbwert Weiss = 0xFFFFFF;

TEST(PaletteSurface, IsAWhitePictureOf128By32) {
    const PaletteSurface palette;
    EXPECT_EQ(palette.width(), 128);
    EXPECT_EQ(palette.height(), 32);
    EXPECT_EQ(palette.image().size(), QSize(128, 32));
    for (const QPoint p : {QPoint(0, 0), QPoint(127, 31), QPoint(64, 16)}) {
        EXPECT_EQ(palette.colorAt(p.x(), p.y()), Weiss);
    }
    EXPECT_EQ(palette.colorAt(128, 0), -1);
    EXPECT_EQ(palette.colorAt(0, -1), -1);
}

TEST(PaletteSurface, FillBoxIncludesBothCornersInEitherOrder) {
    PaletteSurface palette;
    QSignalSpy meldungen(&palette, &PaletteSurface::changed);
    const Farbwert farbe = farbwert(170, 0, 85);

    palette.fillBox(15, 15, 8, 8, farbe);

    EXPECT_EQ(meldungen.count(), 1);
    for (const QPoint p : {QPoint(8, 8), QPoint(15, 15), QPoint(8, 15), QPoint(12, 9)}) {
        EXPECT_EQ(palette.colorAt(p.x(), p.y()), farbe) << p.x() << "," << p.y();
    }
    for (const QPoint p : {QPoint(7, 8), QPoint(16, 15), QPoint(8, 16), QPoint(15, 7)}) {
        EXPECT_EQ(palette.colorAt(p.x(), p.y()), Weiss) << p.x() << "," << p.y();
    }
}

TEST(PaletteSurface, ColoursComeBackExactly) {
    PaletteSurface palette;
    int x = 0;
    for (const Farbwert farbe : {0, 0xFFFFFF, farbwert(85, 170, 255), farbwert(1, 2, 3)}) {
        palette.fillBox(x, 0, x + 7, 7, farbe);
        EXPECT_EQ(palette.colorAt(x + 3, 4), farbe);
        x += 8;
    }
}

TEST(PaletteSurface, ClearMakesItWhiteAgain) {
    PaletteSurface palette;
    palette.fillBox(0, 0, 127, 31, 0);
    palette.clear();
    EXPECT_EQ(palette.colorAt(0, 0), Weiss);
    EXPECT_EQ(palette.colorAt(127, 31), Weiss);
}

TEST(PaletteSurface, TextStateFollowsTheSurfaceRules) {
    PaletteSurface palette;
    EXPECT_FALSE(palette.setFontSize(0));
    EXPECT_EQ(palette.fontSize(), 8.25);
    EXPECT_FALSE(palette.setFontName("Keine Schrift dieses Namens"));
    EXPECT_EQ(palette.fontName(), "Arial");
    EXPECT_FALSE(palette.loadBackground("bild.jpg"));

    palette.setCurrentX(2);
    const double breite = palette.textWidth("Ab");
    palette.drawText("Ab");
    EXPECT_GT(breite, 0);
    EXPECT_DOUBLE_EQ(palette.currentX(), 2 + breite);
}

}  // namespace
}  // namespace tafomat
