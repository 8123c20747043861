// What the Qt surface adds to the GD surface, whose drawing the render suite judges against libgd:
// the picture as the window shows it, and a signal when it changed.
#include "platform/QtSurface.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tafomat {
namespace {

TEST(QtSurface, ShowsTheCurrentPictureAsACopyAt96Dpi) {
    QtSurface fläche;
    fläche.drawText("Hallo");
    const QImage hallo = fläche.image();
    const QImage kopie = hallo.copy();
    EXPECT_EQ(hallo, alsQImage(fläche.bild()));
    EXPECT_NE(hallo, alsQImage(fläche.hintergrund()));
    EXPECT_EQ(hallo.logicalDpiX(), 96);
    EXPECT_EQ(hallo.logicalDpiY(), 96);
    fläche.setCurrentX(200);
    fläche.drawText("Welt");
    EXPECT_EQ(fläche.image(), alsQImage(fläche.bild()));
    EXPECT_EQ(fläche.ansicht(), fläche.image());
    EXPECT_NE(fläche.image(), kopie);
    EXPECT_EQ(hallo, kopie);
}

TEST(QtSurface, TellsOfAChangeOncePerRedrawUntilThePictureIsRead) {
    QtSurface fläche;
    QSignalSpy meldungen(&fläche, &QtSurface::changed);
    fläche.clear();
    EXPECT_EQ(meldungen.count(), 1);
    fläche.drawText("abc");
    fläche.drawText("d");
    EXPECT_EQ(meldungen.count(), 1);
    (void)fläche.image();
    fläche.drawText("e");
    fläche.drawText("f");
    EXPECT_EQ(meldungen.count(), 2);
    ASSERT_TRUE(fläche.loadBackground(""));
    fläche.fillBox(0, 0, 1, 1, 255);
    EXPECT_EQ(meldungen.count(), 4);
}

// A picture read while the change is told may still be drawn on before the redraw ends: reading
// it tells no change again, and it is not kept as the current one.
TEST(QtSurface, APictureReadWhileTheChangeIsToldIsNotKeptAsCurrent) {
    QtSurface fläche;
    int meldungen = 0;
    QObject::connect(&fläche, &QtSurface::changed, [&] {
        ++meldungen;
        (void)fläche.image();
    });
    fläche.clear();
    for (const char* text : {"a", "b", "c"}) fläche.drawText(text);
    EXPECT_EQ(meldungen, 1);
    EXPECT_EQ(fläche.image(), alsQImage(fläche.bild()));
    EXPECT_NE(fläche.image(), alsQImage(fläche.hintergrund()));
}

}  // namespace
}  // namespace tafomat
