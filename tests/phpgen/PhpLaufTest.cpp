// Runs generated scripts on the real PHP with GD and looks at the pictures they send.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/Abgeleitet.h"
#include "phpgen/PhpAufruf.h"
#include "phpgen/PhpSkript.h"

namespace tafomat::test {
namespace {

const fs::path Hilfe = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/gd_hilfe.php";
const fs::path Pruefung = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/skriptpruefung.php";
const fs::path Schrift = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

std::string hex(const std::string& text) {
    static const char ziffern[] = "0123456789abcdef";
    std::string ergebnis;
    for (const unsigned char zeichen : text) {
        ergebnis += ziffern[zeichen >> 4];
        ergebnis += ziffern[zeichen & 15];
    }
    return ergebnis;
}

class PhpLaufTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(ausfuehren("php -r 'exit(function_exists(\"imagettftext\") ? 0 : 1);'").status, 0)
            << "php-cli with php-gd is needed";
        ASSERT_TRUE(fs::exists(Schrift)) << "fonts-liberation is needed";
        ASSERT_EQ(ausfuehren("faketime -f '+0' true").status, 0) << "faketime is needed";
        ordner = testordner("php");
        fs::copy_file(Schrift, ordner / "Arial.ttf");
        hintergrund(ordner / "leer.jpg");
        felder.setText(Feld::BildQuallität, "75");
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(ordner);
    }

    // Dark blue, so that black, white and yellow text all show against it.
    void hintergrund(const fs::path& pfad) {
        ASSERT_EQ(ausfuehren(php({Hilfe.string(), "hintergrund", pfad.string(), "460", "66", "0",
                                  "0", "110"}))
                      .status,
                  0);
    }

    // Runs the design's script as a shared host would: from another working folder, with putenv
    // disabled and the server in Europe/Berlin; `uhr`, an instant such as
    // "2026-07-01 00:30:00+02:00", fixes the server's clock. The script must exit 0, say nothing
    // on standard error and send a picture.
    fs::path laufen(const std::string& uhr = {}) {
        const std::optional<std::string> skript = PhpSkript(felder, flaeche);
        EXPECT_TRUE(skript.has_value());
        if (!skript) return {};
        schreiben(ordner / "Tafomat.php", *skript + "\r\n");
        const fs::path bild = ordner / "bild.out";
        const fs::path fehler = ordner / "fehler.txt";
        const std::string uhrzeit = uhr.empty() ? "" : mitUhr(uhr);
        const Ergebnis lauf =
            ausfuehren("cd / && " + uhrzeit +
                           php({"-d", "error_reporting=-1", "-d", "display_errors=stderr", "-d",
                                "disable_functions=putenv", "-d", "date.timezone=Europe/Berlin",
                                (ordner / "Tafomat.php").string()}) +
                           " > " + inHochkommas(bild.string()),
                       fehler);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lesen(fehler), "");
        return bild;
    }

    // "mime width height" and the rows that hold a pixel near the colour.
    std::pair<std::string, std::vector<int>> zeilenMit(const fs::path& bild, int r, int g, int b) {
        std::istringstream ausgabe(
            ausfuehren(php({Hilfe.string(), "zeilen", bild.string(), std::to_string(r),
                            std::to_string(g), std::to_string(b)}))
                .ausgabe);
        std::string kopf, liste;
        std::getline(ausgabe, kopf);
        std::getline(ausgabe, liste);
        std::vector<int> zeilen;
        std::istringstream werte(liste);
        for (std::string wert; std::getline(werte, wert, ',');) zeilen.push_back(std::stoi(wert));
        return {kopf, zeilen};
    }

    static bool zeileIn(const std::vector<int>& zeilen, int von, int bis) {
        for (const int zeile : zeilen)
            if (zeile >= von && zeile <= bis) return true;
        return false;
    }

    // Whether the picture equals GD's drawing of the text (UTF-8) in white at size 14, baseline 17.
    std::string wieGdZeichnet(const fs::path& bild, const std::string& text) {
        const fs::path referenz = ordner / "referenz.png";
        EXPECT_EQ(ausfuehren(php({Hilfe.string(), "text", referenz.string(),
                                  (ordner / "leer.jpg").string(), (ordner / "Arial.ttf").string(),
                                  "14", "0", "17", "255", "255", "255", hex(text), "-"}))
                      .status,
                  0);
        return ausfuehren(php({Hilfe.string(), "gleich", bild.string(), referenz.string()}))
            .ausgabe;
    }

    fs::path ordner;
    FelderImSpeicher felder;
    RecordingSurface flaeche;
};

TEST_F(PhpLaufTest, StartDesignDrawsItsLinesInBlackAsJpeg) {
    const auto [kopf, zeilen] = zeilenMit(laufen(), 0, 0, 0);
    EXPECT_EQ(kopf, "image/jpeg 460 66");
    // Baselines 11, 24, 50 and 63; the third line is empty.
    for (const int grundlinie : {11, 24, 50, 63})
        EXPECT_TRUE(zeileIn(zeilen, grundlinie - 8, grundlinie)) << "baseline " << grundlinie;
    EXPECT_FALSE(zeileIn(zeilen, 29, 36));
}

struct Ausgabe {
    const char* art;
    const char* qualitaet;
    const char* mime;
};

TEST_F(PhpLaufTest, EveryOutputTypeSendsItsPicture) {
    for (const Ausgabe& ausgabe :
         {Ausgabe{"jpeg", "100", "image/jpeg"}, Ausgabe{"png", "9", "image/png"},
          Ausgabe{"gif", "", "image/gif"}, Ausgabe{"PNG", "09", "image/png"},
          Ausgabe{"Jpeg", "010", "image/jpeg"}}) {
        SCOPED_TRACE(ausgabe.art);
        felder.setText(Feld::BildArt, ausgabe.art);
        felder.setText(Feld::BildQuallität, ausgabe.qualitaet);
        felder.setText(Feld::Txt, "#F255255255#G20Hallo");
        const auto [kopf, zeilen] = zeilenMit(laufen(), 255, 255, 255);
        EXPECT_EQ(kopf, std::string(ausgabe.mime) + " 460 66");
        EXPECT_TRUE(zeileIn(zeilen, 8, 23));  // top 0, baseline 23
        EXPECT_FALSE(zeileIn(zeilen, 30, 65));
    }
}

TEST_F(PhpLaufTest, PositionsSizesAndColoursLandWhereTheCallsPutThem) {
    felder.setText(Feld::BildArt, "png");
    felder.setText(Feld::BildQuallität, "9");
    felder.setText(Feld::Txt, "#F255255000#X300#Y040#G12#BGelb\r\n#F255255255weiss");
    const fs::path bild = laufen();
    const auto gelb = zeilenMit(bild, 255, 255, 0).second;
    EXPECT_TRUE(zeileIn(gelb, 43, 55));  // baseline 40 + 3 + 12
    EXPECT_FALSE(zeileIn(gelb, 0, 38));
    const auto weiss = zeilenMit(bild, 255, 255, 255).second;
    EXPECT_TRUE(zeileIn(weiss, 56, 65));  // the next line starts 13 below the #Y line: baseline 68
    EXPECT_FALSE(zeileIn(weiss, 0, 40));
}

// The script's picture must equal GD's drawing of the same text given as Unicode: nothing of
// the text is lost to PHP's string syntax, to entities or to UTF-8 decoding.
TEST_F(PhpLaufTest, SpecialCharactersAreDrawnAsTyped) {
    felder.setText(Feld::BildArt, "png");
    felder.setText(Feld::BildQuallität, "9");
    felder.setText(Feld::Txt,
                   "#F255255255#G14 5\x80 M\xFC\xDF"
                   "e \xB0 $x {$A} \\n \"q\" &amp; &lt; \xA0!");
    EXPECT_EQ(wieGdZeichnet(laufen(),
                            " 5\u20AC M\u00FC\u00DFe \u00B0 $x {$A} \\n \"q\" &amp; &lt; \u00A0!"),
              "0\n");
}

// On 1 July 2026 at 0:30 summer time the server draws what the window shows for that day: the
// calendar's day count, the amounts to the cent, the cigarettes with a decimal comma.
TEST_F(PhpLaufTest, ServerDrawsTheValuesTheWindowShows) {
    felder.setText(Feld::BildArt, "png");
    felder.setText(Feld::BildQuallität, "9");
    felder.setText(Feld::AlTxt, "8,20");
    felder.setText(Feld::KiTxt, "2,5");
    felder.setText(Feld::StTxt, "0,29");
    felder.setText(Feld::Txt, "#F255255255#G14#2 #3 #4 #Z #7 #9");
    ASSERT_TRUE(AbgeleiteteWerteBerechnen(felder, FesteUhr(tageszahl({2026, 7, 1}))));
    std::string gezeigt;
    for (const Feld feld :
         {Feld::TaTxt, Feld::AlTxt, Feld::KiTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
        gezeigt += (gezeigt.empty() ? "" : " ") + felder.text(feld);
    ASSERT_EQ(gezeigt, "5718 8,20 2,5 14295 41109,60 1658,22");
    EXPECT_EQ(wieGdZeichnet(laufen("2026-07-01 00:30:00+02:00"), gezeigt), "0\n");
}

TEST_F(PhpLaufTest, ScriptsOfRandomDesignsParseAndKeepEveryTextInsideStrings) {
    const fs::path skripte = ordner / "skripte";
    fs::create_directories(skripte);
    int geschrieben = 0;
    for (unsigned saat = 1; geschrieben < 300 && saat < 3000; ++saat) {
        FelderImSpeicher zufall;
        RecordingSurface zufallsflaeche;
        Zufallsdesign(saat).fuellen(zufall, zufallsflaeche);
        if (const auto skript = PhpSkript(zufall, zufallsflaeche)) {
            schreiben(skripte / ("s" + std::to_string(saat) + ".php"), *skript + "\r\n");
            ++geschrieben;
        }
    }
    ASSERT_EQ(geschrieben, 300);
    // One PHP for all of them: the check parses each script with PHP's own parser.
    const Ergebnis pruefung = ausfuehren(php({Pruefung.string(), skripte.string()}));
    EXPECT_EQ(pruefung.ausgabe, "300 checked\n");
}

}  // namespace
}  // namespace tafomat::test
