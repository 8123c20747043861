// Fonts that the preview cannot draw with are named in the notice line: no file for "Arial" at all,
// and an installed font that GD cannot scale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/Schriftdateien.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

// Runs in a fresh process (the font configuration is read once per process) that knows no fonts.
TEST(Startschrift, MissingArialIsNamedInTheNoticeLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::filesystem::path leer = std::filesystem::path(::testing::TempDir()) / "keine.conf";
    std::ofstream(leer) << "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
    ::setenv("FONTCONFIG_FILE", leer.c_str(), 1);
    EXPECT_EXIT(
        {
            Fensterprobe probe;
            probe.öffnen();
            const bool genannt =
                probe.hinweis() == QStringLiteral(
                                       "Keine Schriftdatei für „Arial“: die Vorschau "
                                       "zeigt keinen Text.");
            std::_Exit(genannt && !probe.fenster->vorschau().hatSchrift() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    ::unsetenv("FONTCONFIG_FILE");
}

// A font of bitmaps only is there, but GD cannot scale it: the notice line says so, and the
// preview keeps its font.
TEST(Startschrift, AnInstalledFontThatGdCannotDrawIsNamed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::filesystem::path ordner =
        std::filesystem::path(::testing::TempDir()) / "tafomat-rasterschrift";
    std::filesystem::create_directories(ordner / "schriften");
    std::ofstream(ordner / "schriften" / "raster.bdf") << Rasterschrift;
    std::ofstream(ordner / "fonts.conf")
        << "<?xml version=\"1.0\"?><fontconfig><include>/etc/fonts/fonts.conf</include><dir>"
        << (ordner / "schriften").string() << "</dir><cachedir>" << (ordner / "cache").string()
        << "</cachedir>" << RasterschriftAnnehmen << "</fontconfig>\n";
    ::setenv("FONTCONFIG_FILE", (ordner / "fonts.conf").c_str(), 1);
    EXPECT_EXIT(
        {
            Fensterprobe probe;
            probe.öffnen();
            probe.setText(Feld::SchriftartListe, "Tafomat Raster");
            const bool genannt =
                probe.hinweis() ==
                QStringLiteral("„Tafomat Raster“ ist installiert, lässt sich aber nicht zeichnen.");
            std::_Exit(genannt && probe.fenster->vorschau().fontName() == "Arial" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    ::unsetenv("FONTCONFIG_FILE");
}

}  // namespace
}  // namespace tafomat::test
