// Scripts of random designs, of every output type, run whole on Debian's PHP and on PHP 7.4 and
// 8.0 to 8.5 under Node (tools/php-versions, which tools/test installs) with every diagnostic
// shown: none may say anything, apart from the Node builds' warning that their GD has no
// FreeType, and every version draws the same texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>

#include "phpgen/PhpAufruf.h"
#include "phpgen/PhpSkript.h"

namespace tafomat::test {
namespace {

const fs::path Module = fs::path(TAFOMAT_SOURCE_DIR) / "tools/php-versions/node_modules";
const fs::path Cli = Module / "@php-wasm/cli/php-wasm.js";
// tools/test installs a Node of its own there when the machine's is older than the packages need.
const fs::path EigenesNode = Module / ".bin/node";
// Enough for every output type and a wide mix of texts; each version's start costs more.
constexpr int Anzahl = 60;
// A day the clocks change; Node's clock runs on from it, so it is far from midnight.
const std::string Uhr = "2026-03-29 14:00:00+02:00";

// Standard error without the scripts' names and, where `ohneFreeType`, GD's warning about it,
// as PHP words it or as the script's error handler passes it to the log.
std::string unerwartet(const std::string& fehler, bool ohneFreeType) {
    std::string muster = "== [^\n]*\n";
    if (ohneFreeType)
        muster +=
            "|((PHP )?Warning: +|PHP-Meldung 2: )imagettf(text|bbox)\\(\\): libgd was not built "
            "with FreeType font support\\s+in [^\n]* (on line|Zeile) [0-9]+";
    const std::string rest = std::regex_replace(fehler, std::regex(muster), "");
    return rest.find_first_not_of(" \r\n") == std::string::npos ? "" : rest;
}

std::string node() {
    return fs::exists(EigenesNode) ? inHochkommas(EigenesNode.string()) : "node";
}

class PhpVersionenTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        skripte = ordner / "skripte";
        fs::create_directories(skripte);
        fs::copy_file(Schrift, skripte / "Arial.ttf");
        hintergrundMachen(skripte / "leer.jpg");
    }

    // Random templates and values, with the picture and the font they name.
    void skripteSchreiben() {
        std::set<std::string> arten;
        int geschrieben = 0;
        for (unsigned saat = 1; geschrieben < Anzahl && saat < 3000; ++saat) {
            FelderImSpeicher design;
            RecordingSurface fläche;
            fläche.misst = true;
            Zufallsdesign(saat).füllen(design, fläche);
            design.setText(Feld::HintergrundName, "leer.jpg");
            fläche.setFontName("Arial");
            if (const auto skript = PhpSkript(design, fläche)) {
                schreiben(skripte / ("s" + std::to_string(saat) + ".php"), *skript + "\r\n");
                arten.insert(skript->substr(skript->rfind("\r\nImage") + 7, 3));
                ++geschrieben;
            }
        }
        ASSERT_EQ(geschrieben, Anzahl);
        ASSERT_EQ(arten, (std::set<std::string>{"gif", "jpe", "png"}));
    }

    struct Lauf {
        std::map<std::string, std::vector<std::string>> werte;
        std::string fehler;
    };

    // All scripts run by one program with every diagnostic on standard error; it must get
    // through all of them.
    Lauf laufen(const std::string& programm) {
        const fs::path fehler = ordner / "fehler.txt";
        const Ergebnis lauf =
            ausführen(befehl(programm, {"-d", "error_reporting=-1", "-d", "display_errors=stderr",
                                        "-d", "log_errors=0", "-d", "date.timezone=Europe/Berlin",
                                        Skriptlauf.string(), "ganz", skripte.string()}),
                      fehler);
        Lauf ergebnis{skriptWerte(lauf.ausgabe), lesen(fehler)};
        EXPECT_EQ(lauf.status, 0) << ergebnis.fehler;
        EXPECT_NE(ergebnis.fehler.find("== fertig\n"), std::string::npos) << ergebnis.fehler;
        EXPECT_EQ(ergebnis.werte.size(), std::size_t(Anzahl));
        return ergebnis;
    }

    PhpOrdner platz;  // removed unless the test failed
    const fs::path ordner = platz.pfad();
    fs::path skripte;
};

// One test per version, so that they run in parallel.
TEST_P(PhpVersionenTest, ScriptsRunWithoutDiagnosticsAndDrawAsDebiansPhp) {
    skripteSchreiben();
    const Lauf debian = laufen(mitUhr(Uhr) + "php");
    EXPECT_EQ(unerwartet(debian.fehler, false), "");

    if (!fs::exists(Cli)) {
        if (std::getenv("TAFOMAT_PHP_VERSIONEN")) FAIL() << Cli << " is missing";
        GTEST_SKIP() << "PHP 7.4 to 8.5 are installed by tools/test into tools/php-versions";
    }
    const Lauf lauf = laufen(mitUhr(Uhr, true) + "env PHP=" + GetParam() + " " + node() + " " +
                             inHochkommas(Cli.string()));
    EXPECT_EQ(unerwartet(lauf.fehler, true), "");
    EXPECT_EQ(lauf.werte, debian.werte);
}

INSTANTIATE_TEST_SUITE_P(Php, PhpVersionenTest,
                         ::testing::Values("7.4", "8.0", "8.1", "8.2", "8.3", "8.4", "8.5"),
                         [](const auto& version) {
                             std::string name = version.param;
                             name.erase(name.find('.'), 1);
                             return "php" + name;
                         });

}  // namespace
}  // namespace tafomat::test
