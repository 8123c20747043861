// Runs generated scripts on the real PHP with GD and looks at the pictures they send.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/RecordingSurface.h"
#include "phpgen/PhpSkript.h"

namespace tafomat {
namespace {

namespace fs = std::filesystem;
using test::RecordingSurface;

const fs::path Hilfe = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/gd_hilfe.php";
const fs::path Pruefung = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/skriptpruefung.php";
const fs::path Schrift = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

struct Ergebnis {
    int status;
    std::string ausgabe;
};

std::string inHochkommas(const std::string& text) {
    std::string ergebnis = "'";
    for (const char zeichen : text)
        ergebnis += zeichen == '\'' ? std::string("'\\''") : std::string(1, zeichen);
    return ergebnis + "'";
}

std::string lesen(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

void schreiben(const fs::path& pfad, const std::string& text) {
    std::ofstream(pfad, std::ios::binary) << text;
}

// Standard output of the command; standard error goes to the file `fehler` when given.
Ergebnis ausfuehren(const std::string& befehl, const fs::path& fehler = "/dev/null") {
    std::FILE* rohr = ::popen((befehl + " 2>" + inHochkommas(fehler.string())).c_str(), "r");
    if (!rohr) return {-1, ""};
    std::string ausgabe;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
        ausgabe.append(puffer, n);
    return {::pclose(rohr), ausgabe};
}

std::string php(const std::vector<std::string>& argumente) {
    std::string befehl = "php";
    for (const std::string& argument : argumente) befehl += " " + inHochkommas(argument);
    return befehl;
}

class PhpLaufTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(ausfuehren("php -r 'exit(function_exists(\"imagettftext\") ? 0 : 1);'").status, 0)
            << "php-cli with php-gd is needed";
        ASSERT_TRUE(fs::exists(Schrift)) << "fonts-liberation is needed";
        ordner = fs::temp_directory_path() /
                 ("tafomat-php-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
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

    // Runs the design's script: it must exit 0, say nothing on standard error and send a picture.
    fs::path laufen() {
        const std::optional<std::string> skript = PhpSkript(felder, flaeche);
        EXPECT_TRUE(skript.has_value());
        if (!skript) return {};
        schreiben(ordner / "Tafomat.php", *skript + "\r\n");
        const fs::path bild = ordner / "bild.out";
        const fs::path fehler = ordner / "fehler.txt";
        const Ergebnis lauf = ausfuehren(
            "cd " + inHochkommas(ordner.string()) + " && " +
                "php -d error_reporting=-1 -d display_errors=stderr Tafomat.php > bild.out",
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
          Ausgabe{"gif", "", "image/gif"}}) {
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
    const std::string unicode =
        " 5\u20AC M\u00FC\u00DFe \u00B0 $x {$A} \\n \"q\" &amp; &lt; \u00A0!";
    const fs::path bild = laufen();
    std::string hex;
    for (const unsigned char zeichen : unicode) {
        static const char ziffern[] = "0123456789abcdef";
        hex += ziffern[zeichen >> 4];
        hex += ziffern[zeichen & 15];
    }
    const fs::path referenz = ordner / "referenz.png";
    ASSERT_EQ(ausfuehren(php({Hilfe.string(), "text", referenz.string(),
                              (ordner / "leer.jpg").string(), (ordner / "Arial.ttf").string(), "14",
                              "0", "17", "255", "255", "255", hex, "-"}))
                  .status,
              0);
    EXPECT_EQ(ausfuehren(php({Hilfe.string(), "gleich", bild.string(), referenz.string()})).ausgabe,
              "0\n");
}

TEST_F(PhpLaufTest, StartDatesWithAndWithoutLeadingZerosCountTheDays) {
    felder.setText(Feld::BildArt, "png");
    felder.setText(Feld::BildQuallität, "9");
    felder.setText(Feld::Txt, "#F255255255#2");
    for (const auto& [datum, tag, monat, jahr] :
         {std::tuple{"08.09.2015", "8", "9", "2015"}, std::tuple{"4.11.2010", "4", "11", "2010"}}) {
        SCOPED_TRACE(datum);
        felder.setText(Feld::DaTxt, datum);
        const fs::path bild = laufen();
        std::string tage = ausfuehren(php({Hilfe.string(), "tage", tag, monat, jahr})).ausgabe;
        tage.pop_back();
        std::string hex;
        for (const char ziffer : tage) hex += "3" + std::string(1, ziffer);
        const fs::path referenz = ordner / "referenz.png";
        ASSERT_EQ(ausfuehren(php({Hilfe.string(), "text", referenz.string(),
                                  (ordner / "leer.jpg").string(), (ordner / "Arial.ttf").string(),
                                  "8", "0", "11", "255", "255", "255", hex, "-"}))
                      .status,
                  0);
        EXPECT_EQ(
            ausfuehren(php({Hilfe.string(), "gleich", bild.string(), referenz.string()})).ausgabe,
            "0\n");
    }
}

// Random designs: templates of all 256 codes mixed with commands and placeholders, and random
// texts in every field that reaches the script.
class Zufallsdesign {
  public:
    explicit Zufallsdesign(unsigned saat) : m_zufall(saat) {}

    void fuellen(Felder& felder, RecordingSurface& flaeche) {
        felder.setText(Feld::Txt, vorlage());
        felder.setText(Feld::DaTxt, eins({"04.11.2010", "8.9.15", "29.02.2024 12:00", " 1.1.1 "}) +
                                        (wuerfel(4) == 0 ? bytes(3) : ""));
        for (const Feld feld : {Feld::AlTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt, Feld::KiTxt})
            felder.setText(feld, wuerfel(10) == 0 ? bytes(4) : betrag());
        felder.setText(Feld::HintergrundName, bytes(1 + wuerfel(12)));
        felder.setText(Feld::BildArt, eins({"jpeg", "png", "gif", "webp", "bmp"}));
        felder.setText(Feld::BildQuallität, eins({"75", "9", "-1", "100"}));
        flaeche.setFontName(bytes(1 + wuerfel(10)));
        for (const Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
            felder.setText(feld, bytes(wuerfel(6)));
    }

  private:
    int wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }
    std::string eins(std::initializer_list<const char*> auswahl) {
        return *(auswahl.begin() + wuerfel(int(auswahl.size())));
    }
    std::string bytes(int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += static_cast<char>(wuerfel(256));
        return text;
    }
    std::string betrag() {
        return eins({"", "-", " "}) + std::to_string(wuerfel(100000)) +
               eins({"", ",", ",5", ",05", ".000"});
    }
    std::string vorlage() {
        static const char* stuecke[] = {"#X",   "#Y", "#F", "#G",  "#B", "#1", "#2",    "#3",
                                        "#4",   "#5", "#6", "#7",  "#8", "#9", "#Z",    "#",
                                        "\r\n", "\"", "$",  "\\",  "{$", "?>", "<?php", "'",
                                        "&",    "&#", "0",  "255", "12", " "};
        std::string text;
        for (int n = wuerfel(40); n > 0; --n)
            text += wuerfel(3) == 0 ? bytes(1 + wuerfel(4)) : stuecke[wuerfel(30)];
        return text;
    }

    std::mt19937 m_zufall;
};

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
    const Ergebnis pruefung = ausfuehren(php({Pruefung.string(), skripte.string()}));
    EXPECT_EQ(pruefung.ausgabe, "300 checked\n");
    const Ergebnis lint =
        ausfuehren("cd " + inHochkommas(skripte.string()) +
                   " && for f in *.php; do php -l \"$f\" >/dev/null || echo \"$f\"; done");
    EXPECT_EQ(lint.ausgabe, "");
}

}  // namespace
}  // namespace tafomat
