// What the Qt surface adds to the GD surface, whose drawing the render suite judges against libgd:
// the picture as the window shows it, and a signal when it changed.
#include "platform/QtSurface.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tafomat {
namespace {

TEST(QtSurface, ShowsTheCurrentPictureAsACopyAt96Dpi) {
    QtSurface flaeche;
    flaeche.drawText("Hallo");
    const QImage hallo = flaeche.image();
    const QImage kopie = hallo.copy();
    EXPECT_EQ(hallo, alsQImage(flaeche.bild()));
    EXPECT_NE(hallo, alsQImage(flaeche.hintergrund()));
    EXPECT_EQ(hallo.logicalDpiX(), 96);
    EXPECT_EQ(hallo.logicalDpiY(), 96);
    flaeche.setCurrentX(200);
    flaeche.drawText("Welt");
    EXPECT_EQ(flaeche.image(), alsQImage(flaeche.bild()));
    EXPECT_EQ(flaeche.ansicht(), flaeche.image());
    EXPECT_NE(flaeche.image(), kopie);
    EXPECT_EQ(hallo, kopie);
}

TEST(QtSurface, TellsOfAChangeOncePerRedrawUntilThePictureIsRead) {
    QtSurface flaeche;
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
    flaeche.fillBox(0, 0, 1, 1, 255);
    EXPECT_EQ(meldungen.count(), 4);
}

// A picture read while the change is told may still be drawn on before the redraw ends: reading
// it tells no change again, and it is not kept as the current one.
TEST(QtSurface, APictureReadWhileTheChangeIsToldIsNotKeptAsCurrent) {
    QtSurface flaeche;
    int meldungen = 0;
    QObject::connect(&flaeche, &QtSurface::changed, [&] {
        ++meldungen;
        (void)flaeche.image();
    });
    flaeche.clear();
    for (const char* text : {"a", "b", "c"}) flaeche.drawText(text);
    EXPECT_EQ(meldungen, 1);
    EXPECT_EQ(flaeche.image(), alsQImage(flaeche.bild()));
    EXPECT_NE(flaeche.image(), alsQImage(flaeche.hintergrund()));
}

}  // namespace
}  // namespace tafomat
