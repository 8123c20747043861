// Without any font file that answers "Arial" the window says so in its notice line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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
            const bool genannt = probe.finde<Hinweiszeile>("Hinweis")->satz() ==
                                 QStringLiteral(
                                     "Keine Schriftdatei für „Arial“: die Vorschau "
                                     "zeigt keinen Text.");
            std::_Exit(genannt && !probe.fenster->vorschau().hatSchrift() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    ::unsetenv("FONTCONFIG_FILE");
}

}  // namespace
}  // namespace tafomat::test
