// What PHP with GD really draws is the judge: the script's picture against the preview, and
// against itself with commands that change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "common/PhpLauf.h"
#include "model/Abgeleitet.h"
#include "phpgen/PhpSkript.h"
#include "render/Bilddatei.h"
#include "render/GdHilfe.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"
#include "render/Serveransicht.h"
#include "template/BildZeichnen.h"

namespace tafomat {
namespace {

namespace fs = std::filesystem;
using test::PhpOrdner;

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

// A plain JPEG background, written by GD as a server's picture would be.
std::string hintergrundJpeg(int breite) {
    return ausgabeBytes(Bild(breite, 70, 0x102040), "jpeg", 95);
}

class PhpVergleich : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test::phpMitGd()) << "php-cli with php-gd is needed";
        jpeg = hintergrundJpeg(1000);
        test::schreiben(ordner.pfad() / "leer.jpg", jpeg);
        fs::copy_file(*schriftdateiSuchen("Arial"), ordner.pfad() / "Arial.ttf");
        felder.setText(Feld::BildArt, "png");
        felder.setText(Feld::BildQuallität, "9");
    }

    // The picture the design's script sends.
    Bild server(const std::string& vorlage, int größe) {
        felder.setText(Feld::Txt, vorlage);
        felder.setText(Feld::SchriftGröße, std::to_string(größe));
        GdSurface messung;
        EXPECT_FALSE(BildZeichnen(felder, messung, Uhr).has_value());
        const std::optional<std::string> skript = PhpSkript(felder, messung);
        EXPECT_TRUE(skript.has_value());
        if (!skript) return {};
        const std::optional<Bild> bild = pngLesen(ordner.laufen(*skript));
        EXPECT_TRUE(bild.has_value());
        return bild.value_or(Bild());
    }

    Bild vorschau(const std::string& vorlage, int größe) {
        felder.setText(Feld::Txt, vorlage);
        felder.setText(Feld::SchriftGröße, std::to_string(größe));
        GdSurface fläche;
        fläche.setBackground(*jpegLesen(jpeg));
        EXPECT_FALSE(BildZeichnen(felder, fläche, Uhr).has_value());
        return fläche.bild();
    }

    PhpOrdner ordner;
    FelderImSpeicher felder;
    std::string jpeg;
};

struct Tinte {
    int links = 1 << 30;
    int rechts = -1;
};

// The columns that differ from the background.
Tinte tinte(const Bild& bild, std::uint32_t hintergrund) {
    Tinte t;
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x)
            if (bild.punkt(x, y) != hintergrund) {
                t.links = std::min(t.links, x);
                t.rechts = std::max(t.rechts, x);
            }
    return t;
}

// Bold switched on and off again, and the colour in force set again, between and inside words.
TEST_F(PhpVergleich, CommandsThatChangeNothingLeaveTheServersPictureAlone) {
    const std::string schlicht = "dann wei\xDF und gelb AVAWAY To Ty 5,00 \x80";
    const std::string mitBefehlen =
        "da#B#Bnn wei#F000000000\xDF und#B#B gelb AV#F000000000AWAY To#B#B Ty 5,#B#B00 \x80";
    for (int größe = 6; größe <= 40; ++größe) {
        SCOPED_TRACE(std::to_string(größe) + " pt");
        const Bild ohne = server(schlicht, größe);
        ASSERT_FALSE(ohne.leer());
        EXPECT_TRUE(ohne == server(mitBefehlen, größe));
    }
}

// Vertically the preview puts the top of the text at the line's top and the script the baseline
// below it; horizontally the ink must start and end where the server's does.
TEST_F(PhpVergleich, PreviewInkStartsAndEndsWhereTheServersDoes) {
    const std::uint32_t grund = jpegLesen(jpeg)->punkt(0, 0);
    for (const std::string& einzug : {std::string(), std::string(20, ' ')}) {
        const std::string vorlage =
            einzug + "Jandor Kelmis aus 99999 Falkenmoor, AVAWAY To. Am #1 f\xFCr #3 \x80!";
        for (int größe = 6; größe <= 20; ++größe) {
            SCOPED_TRACE(std::to_string(größe) + " pt, " + std::to_string(einzug.size()) +
                         " blanks");
            const Tinte vom = tinte(server(vorlage, größe), grund);
            const Tinte vor = tinte(vorschau(vorlage, größe), grund);
            ASSERT_GE(vom.rechts, 0);
            EXPECT_EQ(vor.links, vom.links);
            EXPECT_EQ(vor.rechts, vom.rechts);
        }
    }
}

// One design, everything else at its start value.
struct Entwurf {
    const char* vorlage = nullptr;  // nullptr: the start template
    const char* schrift = "Arial";
    int größe = 8;
    const char* datum = "04.11.2010";
    const char* kippen = "22";
    const char* alteKosten = "5,00";
    const char* anschaffung = "60,00";
    const char* neueKosten = "1,00";
    const char* steuern = "3,00";
    int xPos = 0;
    int yPos = 0;
    int breite = 1000;
};

// Beyond any double once multiplied by the days: the server's totals become INF.
const std::string Riesig = "1" + std::string(305, '0');

// Each font style, sizes from 1 to 40 points, kerning pairs, bold, colours, a #G inside a line,
// #X and #Y with the start positions, umlauts and typographic characters, every placeholder with
// ordinary and extreme values (exponents, INF, negative amounts), lines over the right edge.
const Entwurf Entwürfe[] = {
    // clang-format off
    {},
    {.vorlage = "#G12#F255255255Seit #2 Tagen rauchfrei: #7 \x80 gespart, #Z Kippen.\r\n"
                "#X300#Y040#BAm #1#B f\xFCr #3 \x80 pro Tag, #4 am Tag, #5 / #6 / #8 / #9 # Ende",
     .kippen = "2,5", .alteKosten = "5", .xPos = 3, .yPos = -2},
    {.vorlage = "Erst in #2 Tagen: #1", .datum = "24.12.2026"},
    {.vorlage = "#G20\"$\\&amp; \xC4\xD6\xDC $x {$A} \\n &lt; \xA0\xB0 #F255000000#B#B#Z",
     .datum = "1.3.1999", .kippen = "0,5", .alteKosten = "1.234,56", .xPos = -5, .yPos = 10},
    {.vorlage = "AVAWAY To Ty LT Wa Yo P. F, r. 'A' \"A\" 11 17 71", .größe = 6},
    {.vorlage = "AVAWAY To Ty LT Wa #2", .größe = 40},
    {.vorlage = "Umlaute \xE4\xF6\xFC \xC4\xD6\xDC \xDF \x80 \x84" "Anf\xFChrung\x93 \x96 \x85 #1",
     .schrift = "DejaVu Sans", .größe = 11},
    {.vorlage = "#BWAVE Tafomat #2 Tage#B AV", .schrift = "DejaVu Sans", .größe = 28},
    {.vorlage = "Mono: AV To 1234567890 #3 #5 #6 #8", .schrift = "Liberation Mono", .größe = 9},
    {.vorlage = "#B#F200100050Mono fett #Z#B und #F000255000gr\xFCn AVAWAY", .schrift = "Liberation Mono",
     .größe = 16, .xPos = 64},
    {.vorlage = "Klein #G16Gro\xDF#G08 klein #G24X#G06y und #2 #G13Tage"},
    {.vorlage = "#X100#Y005Oben #X010#Y030Unten\r\nn\xE4" "chste Zeile #X200 #2", .xPos = 7, .yPos = 3},
    {.vorlage = "Dieser Text l\xE4uft bis an den rechten Rand des Banners und dar\xFC"
                "ber hinaus, Kuchen\r\n#X400Kuchen #2",
     .größe = 10, .breite = 460},
    {.vorlage = "#Z Kippen, #4 am Tag", .größe = 9, .kippen = "1000000000000000000000000"},
    {.vorlage = "#3 / #7 / #9 / #5", .größe = 7, .alteKosten = "99999999999999999999", .anschaffung = "-0,01",
     .steuern = "12345678901234567"},
    {.vorlage = "Gespart: #7 (#3 - #6 am Tag, #5 einmal)", .größe = 12, .alteKosten = "1,00",
     .anschaffung = "500,00", .neueKosten = "9,99"},
    {.vorlage = "#Z / #9 / #7 / #8", .datum = "01.01.1900", .kippen = Riesig.c_str(), .steuern = Riesig.c_str()},
    {.vorlage = "#1 #2 #3 #4 #5 #6 #7 #8 #9 #Z", .größe = 7, .xPos = -64, .yPos = 64},
    {.vorlage = "#F000128255##1 # Ende #F255255000#0 x", .größe = 6},
    {.vorlage = "Zeile eins #2\r\nZeile zwei\r\n#BZeile drei", .größe = 32},
    {.vorlage = "#G.8mini#G12 gro\xDF #G01klein#G02 #2", .größe = 1},
    {.vorlage = "Tafomat \x80 1.234,56 Tage #7", .schrift = "DejaVu Sans", .größe = 40},
    {.vorlage = "\x84G\xE4nsef\xFC\xDF" "chen\x93 \x82" "einfach\x91 \xBBGuillemets\xAB \xBC \xBD \xBE \xA9 \xAE \x99",
     .größe = 14},
    {.vorlage = "Schiff fliegt ffi ffl fi fl ff: Affe, Koffer, Stoff \x80 #2 Tage", .schrift = "DejaVu Sans",
     .größe = 11},
    {.vorlage = "#BAVAWAY To Ty Wa Yo fi ffl#B LT P. F, \xC4pfel", .schrift = "DejaVu Sans", .größe = 14},
    {.vorlage = "    Vier Leerzeichen, dann AVAWAY fi ffl #2", .größe = 9},
    {.vorlage = "Mitte #G14gro\xDF ffl#G09 und #F255000000rot fi#F000000000 schwarz #B#2#B",
     .schrift = "DejaVu Sans", .größe = 9},
    {.vorlage = "Dieser lange Text trifft den Rand: Offiziell \xFC" "ber Affen \x80 #7 und noch weiter hinaus",
     .schrift = "DejaVu Sans", .größe = 7, .xPos = 20, .breite = 300},
    {.vorlage = "Mono fi ffl AVAWAY \x80 \xE4\xF6\xFC #2", .schrift = "Liberation Mono", .größe = 8},
    {.vorlage = "#BFett: Wolf Tyrann Vater AT&amp;T #7 \x80#B", .größe = 12, .xPos = 2},
    // clang-format on
};

// Each GD family a script meets on servers, as a command that runs PHP: Debian's PHP with the
// system libgd, PHP built with its bundled GD, and Debian's PHP on libgd built with libraqm. The
// test command provides the last two (TAFOMAT_PHP_BUNDLED, TAFOMAT_GD_RAQM).
struct Familie {
    GdFamilie familie;
    const char* satz;  // what the script's probe must find there
    std::string php;
    std::string umgebung;  // put before the command
};

std::vector<Familie> familien() {
    std::vector<Familie> alle{{GdFamilie::System, "System", "php", ""}};
    if (const std::string gebündelt = test::phpGebündelt(); !gebündelt.empty())
        alle.push_back({GdFamilie::ImPhp, "Gebuendelt", gebündelt, ""});
    if (const std::string raqm = test::gdRaqm(); !raqm.empty())
        alle.push_back(
            {GdFamilie::Raqm, "Raqm", "php", "LD_LIBRARY_PATH=" + test::inHochkommas(raqm) + " "});
    return alle;
}

// The server view computes the script's values as PHP does on that day and draws the script's
// calls: every pixel as PHP sends it, on every GD family, whose layout the script's probe finds.
// A script of plain ImageTTFText calls would send on each family what the engine's layout of
// that family draws.
TEST_F(PhpVergleich, ServerViewIsWhatEveryGdSendsThatDay) {
    const std::vector<Familie> alle = familien();
    if (alle.size() < 3)
        GTEST_SKIP() << "no PHP with bundled GD or no libgd with raqm: run tools/php-bundled and "
                        "tools/gd-raqm";
    ASSERT_TRUE(fs::exists(fs::path(test::gdRaqm()) / "libgd.so.3"));
    const std::string uhr = test::mitUhr("2026-12-07 12:00:00+00:00");
    for (const Entwurf& entwurf : Entwürfe) {
        SCOPED_TRACE(std::string(entwurf.vorlage ? entwurf.vorlage : "start template") + ", " +
                     entwurf.schrift + " " + std::to_string(entwurf.größe));
        if (entwurf.vorlage) felder.setText(Feld::Txt, entwurf.vorlage);
        felder.setText(Feld::SchriftartListe, entwurf.schrift);
        felder.setText(Feld::SchriftGröße, std::to_string(entwurf.größe));
        felder.setText(Feld::DaTxt, entwurf.datum);
        felder.setText(Feld::KiTxt, entwurf.kippen);
        felder.setText(Feld::AlTxt, entwurf.alteKosten);
        felder.setText(Feld::AnTxt, entwurf.anschaffung);
        felder.setText(Feld::NeTxt, entwurf.neueKosten);
        felder.setText(Feld::StTxt, entwurf.steuern);
        felder.setWert(Feld::XPos, entwurf.xPos);
        felder.setWert(Feld::YPos, entwurf.yPos);
        const std::string bild = hintergrundJpeg(entwurf.breite);
        test::schreiben(ordner.pfad() / "leer.jpg", bild);
        GdSurface fläche;
        ASSERT_TRUE(fläche.setFontName(entwurf.schrift));
        fs::copy_file(fläche.schriftdatei(),
                      ordner.pfad() / (std::string(entwurf.schrift) + ".ttf"),
                      fs::copy_options::overwrite_existing);
        fläche.setBackground(*jpegLesen(bild));
        // Values too large for the preview's sums stop it, not the script, which is compared here.
        [[maybe_unused]] const std::optional<Zeichenstopp> stopp =
            BildZeichnen(felder, fläche, Uhr);
        const std::optional<std::string> skript = PhpSkript(felder, fläche);
        ASSERT_TRUE(skript.has_value());
        const std::optional<Bild> ansicht = Serveransicht(felder, fläche, Uhr.heute());
        ASSERT_TRUE(ansicht);
        EXPECT_FALSE(*ansicht == *jpegLesen(bild));
        std::string schlicht = *skript;
        for (std::size_t stelle; (stelle = schlicht.find("\nTextZeichnen(")) != std::string::npos;)
            schlicht.replace(stelle + 1, 12, "ImageTTFText");
        // Where raqm's layout of the probe is the system's at every size of the design (a
        // fixed-width font whose advances round alike), the probe cannot tell them apart, nor
        // need it: the script then keeps the plain calls there too.
        // A layout the script does not know (its probe made to match none) gets every glyph on
        // its own, where the system's libgd puts it.
        const std::string unbekannt =
            std::regex_replace(*skript, std::regex("\"Saetze\"=>\\[[^\\]]*\\]"), "\"Saetze\"=>[]");
        std::string probe = *skript;
        probe.insert(probe.find("// ---------- Texte ins Bild"),
                     "echo Schriftsatz($Schriftdatei),count($Schriftprobe[\"Saetze\"]);exit;\r\n");
        for (const Familie& familie : alle) {
            SCOPED_TRACE(familie.satz);
            const auto gesendet = [&](const std::string& text) {
                return pngLesen(
                           ordner.laufen(text, uhr + familie.umgebung, "Tafomat.php", familie.php))
                    .value_or(Bild());
            };
            const std::string satz =
                ordner.laufen(probe, familie.umgebung, "Tafomat.php", familie.php);
            const bool gleich = satz.back() != '3' && familie.familie == GdFamilie::Raqm;
            EXPECT_EQ(satz.substr(0, satz.size() - 1), gleich ? "System" : familie.satz);
            EXPECT_EQ(test::unterschiede(gesendet(*skript), *ansicht), 0);
            if (familie.familie == GdFamilie::Raqm) {
                EXPECT_EQ(test::unterschiede(gesendet(unbekannt), *ansicht), 0);
            }
            const std::optional<Bild> einfach =
                Serveransicht(felder, fläche, Uhr.heute(), familie.familie);
            ASSERT_TRUE(einfach);
            EXPECT_EQ(test::unterschiede(gesendet(schlicht), *einfach), 0);
        }
    }
}

// Encoded as the script's output call encodes it, the server view is every byte that PHP sends,
// for each type: what the window's size figure counts.
TEST_F(PhpVergleich, EncodedServerViewIsEveryByteThatPhpSends) {
    felder.setText(Feld::Txt, "#G12#F255255255Seit #2 Tagen rauchfrei: #7 \x80 gespart, #Z Kippen");
    GdSurface fläche;
    fläche.setBackground(*jpegLesen(jpeg));
    ASSERT_FALSE(BildZeichnen(felder, fläche, Uhr).has_value());
    for (const auto& [art, qualität] :
         {std::pair{"jpeg", 75}, std::pair{"png", 9}, std::pair{"gif", -1}}) {
        SCOPED_TRACE(art);
        felder.setText(Feld::BildArt, art);
        felder.setText(Feld::BildQuallität, std::to_string(qualität));
        const std::optional<std::string> skript = PhpSkript(felder, fläche);
        ASSERT_TRUE(skript.has_value());
        const std::optional<Bild> ansicht = Serveransicht(felder, fläche, Uhr.heute());
        ASSERT_TRUE(ansicht.has_value());
        EXPECT_TRUE(ausgabeBytes(*ansicht, art, qualität) ==
                    ordner.laufen(*skript, test::mitUhr("2026-12-07 12:00:00+00:00")));
    }
}

// A character whose measures the script lacks (a font file on the server that differs from the
// bundle's could give one) draws its whole run as bundled GD lays it out, without a word.
TEST_F(PhpVergleich, ACharacterWithoutMeasuresStillDraws) {
    const std::string gebündelt = test::phpGebündelt();
    if (gebündelt.empty()) GTEST_SKIP() << "no PHP with bundled GD: run tools/php-bundled";
    felder.setText(Feld::Txt, "Seit #2 Tagen");
    GdSurface fläche;
    fläche.setBackground(*jpegLesen(jpeg));
    ASSERT_FALSE(BildZeichnen(felder, fläche, Uhr).has_value());
    std::string skript = *PhpSkript(felder, fläche);
    const std::size_t texte = skript.find("// ---------- Texte ins Bild");
    ASSERT_NE(texte, std::string::npos);
    skript.insert(texte,
                  "$Schriftmasse[\"8\"]=Schriftmasse(8);foreach(range(48,57) as "
                  "$Code)unset($Schriftmasse[\"8\"][0][$Code]);\r\n");
    const std::optional<Bild> gesendet = pngLesen(
        ordner.laufen(skript, test::mitUhr("2026-12-07 12:00:00+00:00"), "Tafomat.php", gebündelt));
    const std::optional<Bild> einfach =
        Serveransicht(felder, fläche, Uhr.heute(), GdFamilie::ImPhp);
    ASSERT_TRUE(gesendet && einfach);
    EXPECT_EQ(test::unterschiede(*gesendet, *einfach), 0);
}

// Another font under the bundle's name (the user's own Arial.ttf, say) has boxes the script does
// not know: on every family it draws with plain calls, as that GD lays that font out.
TEST_F(PhpVergleich, AnotherFontUnderTheBundlesNameGetsPlainCalls) {
    felder.setText(Feld::Txt, "Seit #2 Tagen AVAWAY fi ffl");
    GdSurface fläche;
    fläche.setBackground(*jpegLesen(jpeg));
    ASSERT_EQ(BildZeichnen(felder, fläche, Uhr), std::nullopt);
    const std::string skript = *PhpSkript(felder, fläche);
    fs::copy_file(*schriftdateiSuchen("DejaVu Sans"), ordner.pfad() / "Arial.ttf",
                  fs::copy_options::overwrite_existing);
    std::string schlicht = skript;
    for (std::size_t stelle; (stelle = schlicht.find("\nTextZeichnen(")) != std::string::npos;)
        schlicht.replace(stelle + 1, 12, "ImageTTFText");
    std::string probe = skript;
    probe.insert(probe.find("// ---------- Texte ins Bild"),
                 "echo Schriftsatz($Schriftdatei);exit;\r\n");
    const std::string uhr = test::mitUhr("2026-12-07 12:00:00+00:00");
    for (const Familie& familie : familien()) {
        SCOPED_TRACE(familie.satz);
        const auto gesendet = [&](const std::string& text) {
            return pngLesen(ordner.laufen(text, uhr + familie.umgebung, "Tafomat.php", familie.php))
                .value_or(Bild());
        };
        EXPECT_EQ(ordner.laufen(probe, familie.umgebung, "Tafomat.php", familie.php), "Fremd");
        const Bild bild = gesendet(skript);
        EXPECT_FALSE(bild.leer());
        EXPECT_EQ(test::unterschiede(bild, gesendet(schlicht)), 0);
    }
}

}  // namespace
}  // namespace tafomat
