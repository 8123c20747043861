// What PHP with GD really draws is the judge: the script's picture against the preview, and
// against itself with commands that change nothing.
#include <gd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/PhpLauf.h"
#include "model/Abgeleitet.h"
#include "phpgen/PhpSkript.h"
#include "preview/BildZeichnen.h"
#include "render/Bilddatei.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"
#include "render/Serveransicht.h"

namespace tafomat {
namespace {

namespace fs = std::filesystem;
using test::PhpOrdner;

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

// A plain JPEG background, written by GD as a server's picture would be.
std::string hintergrundJpeg(int breite, int hoehe, std::uint32_t farbe) {
    gdImagePtr bild = gdImageCreateTrueColor(breite, hoehe);
    gdImageFilledRectangle(bild, 0, 0, breite - 1, hoehe - 1, static_cast<int>(farbe));
    int groesse = 0;
    void* daten = gdImageJpegPtr(bild, &groesse, 95);
    std::string jpeg(static_cast<const char*>(daten), static_cast<std::size_t>(groesse));
    gdFree(daten);
    gdImageDestroy(bild);
    return jpeg;
}

class PhpVergleich : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test::phpMitGd()) << "php-cli with php-gd is needed";
        jpeg = hintergrundJpeg(1000, 70, 0x102040);
        test::schreiben(ordner.pfad() / "leer.jpg", jpeg);
        fs::copy_file(*schriftdateiSuchen("Arial"), ordner.pfad() / "Arial.ttf");
        felder.setText(Feld::BildArt, "png");
        felder.setText(Feld::BildQuallität, "9");
    }

    // The picture the design's script sends.
    Bild server(const std::string& vorlage, int groesse) {
        felder.setText(Feld::Txt, vorlage);
        felder.setText(Feld::SchriftGröße, std::to_string(groesse));
        GdSurface messung;
        BildZeichnen(felder, messung, Uhr);
        const std::optional<std::string> skript = PhpSkript(felder, messung);
        EXPECT_TRUE(skript.has_value());
        if (!skript) return {};
        const std::optional<Bild> bild = pngLesen(ordner.laufen(*skript));
        EXPECT_TRUE(bild.has_value());
        return bild.value_or(Bild());
    }

    Bild vorschau(const std::string& vorlage, int groesse) {
        felder.setText(Feld::Txt, vorlage);
        felder.setText(Feld::SchriftGröße, std::to_string(groesse));
        GdSurface flaeche;
        flaeche.setBackground(*jpegLesen(jpeg));
        BildZeichnen(felder, flaeche, Uhr);
        return flaeche.bild();
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
    for (int y = 0; y < bild.hoehe(); ++y)
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
    for (int groesse = 6; groesse <= 40; ++groesse) {
        SCOPED_TRACE(std::to_string(groesse) + " pt");
        const Bild ohne = server(schlicht, groesse);
        ASSERT_FALSE(ohne.leer());
        EXPECT_TRUE(ohne == server(mitBefehlen, groesse));
    }
}

// Vertically the preview puts the top of the text at the line's top and the script the baseline
// below it; horizontally the ink must start and end where the server's does.
TEST_F(PhpVergleich, PreviewInkStartsAndEndsWhereTheServersDoes) {
    const std::uint32_t grund = jpegLesen(jpeg)->punkt(0, 0);
    for (const std::string& einzug : {std::string(), std::string(20, ' ')}) {
        const std::string vorlage =
            einzug + "Jandor Kelmis aus 99999 Falkenmoor, AVAWAY To. Am #1 f\xFCr #3 \x80!";
        for (int groesse = 6; groesse <= 20; ++groesse) {
            SCOPED_TRACE(std::to_string(groesse) + " pt, " + std::to_string(einzug.size()) +
                         " blanks");
            const Tinte vom = tinte(server(vorlage, groesse), grund);
            const Tinte vor = tinte(vorschau(vorlage, groesse), grund);
            ASSERT_GE(vom.rechts, 0);
            EXPECT_EQ(vor.links, vom.links);
            EXPECT_EQ(vor.rechts, vom.rechts);
        }
    }
}

// The server view computes the script's values as PHP does on that day and draws the script's
// calls: every pixel as PHP with GD sends it, and encoded as the script encodes it, every byte.
TEST_F(PhpVergleich, ServerViewIsWhatPhpSendsThatDay) {
    struct Entwurf {
        const char* vorlage;
        const char* datum;
        const char* kippen;
        const char* alteKosten;
        int xPos;
        int yPos;
        const char* art;
        int qualitaet;
    };
    const Entwurf entwuerfe[] = {
        {"#G12#F255255255Seit #2 Tagen rauchfrei: #7 \x80 gespart, #Z Kippen.\r\n"
         "#X300#Y040#BAm #1#B f\xFCr #3 \x80 pro Tag, #4 am Tag, #5 / #6 / #8 / #9 # Ende",
         "04.11.2010", "2,5", "5", 3, -2, "png", 9},
        {"Erst in #2 Tagen: #1", "24.12.2026", "22", "5,00", 0, 0, "jpeg", 75},
        {"#G20\"$\\&amp; \xC4\xD6\xDC #F255000000#B#B#Z", "1.3.1999", "0,5", "1.234,56", -5, 10,
         "gif", -1}};
    const std::string uhr = test::mitUhr("2026-12-07 12:00:00+00:00");
    for (const Entwurf& entwurf : entwuerfe) {
        SCOPED_TRACE(entwurf.vorlage);
        felder.setText(Feld::DaTxt, entwurf.datum);
        felder.setText(Feld::KiTxt, entwurf.kippen);
        felder.setText(Feld::AlTxt, entwurf.alteKosten);
        felder.setWert(Feld::XPos, entwurf.xPos);
        felder.setWert(Feld::YPos, entwurf.yPos);
        felder.setText(Feld::Txt, entwurf.vorlage);
        felder.setText(Feld::BildArt, entwurf.art);
        felder.setText(Feld::BildQuallität, std::to_string(entwurf.qualitaet));
        GdSurface flaeche;
        flaeche.setBackground(*jpegLesen(jpeg));
        BildZeichnen(felder, flaeche, Uhr);
        const std::optional<std::string> skript = PhpSkript(felder, flaeche);
        ASSERT_TRUE(skript.has_value());
        const std::string gesendet = ordner.laufen(*skript, uhr);
        const std::optional<Bild> ansicht = Serveransicht(felder, flaeche, Uhr.heute());
        ASSERT_TRUE(ansicht.has_value());
        EXPECT_TRUE(ausgabeBytes(*ansicht, entwurf.art, entwurf.qualitaet) == gesendet);
        if (std::string(entwurf.art) == "png") {
            EXPECT_TRUE(*ansicht == *pngLesen(gesendet));
        }
        EXPECT_FALSE(*ansicht == *jpegLesen(jpeg));
    }
}

}  // namespace
}  // namespace tafomat
