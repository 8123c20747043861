// The preview draws its characters one at a time; they must land where GD puts them inside the
// runs that the script draws.
#include <fontconfig/fontconfig.h>
#include <gd.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>

#include "common/PhpLauf.h"
#include "common/Schriftdateien.h"

#include "model/Abgeleitet.h"
#include "model/Cp1252.h"
#include "phpgen/Zeichenplan.h"
#include "render/GdHilfe.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"
#include "template/BildZeichnen.h"

namespace tafomat {
namespace {

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

// libgd draws the plan's runs with each placeholder's field text, as the preview shows it, with
// the baseline where the preview puts it: the line's top plus the font's ascent.
Bild gdNachPlan(const Zeichenplan& plan, const Felder& felder, const Bild& hintergrund) {
    const std::string datei = *schriftdateiSuchen("Arial");
    const auto schrift = GdSchrift::öffnen(datei);
    gdImagePtr gd = test::inGd(hintergrund);
    int farbe = 0;
    for (const Zeichenaufruf& aufruf : plan.aufrufe) {
        if (const auto* f = std::get_if<Farbaufruf>(&aufruf)) {
            farbe = gdTrueColor(f->rot, f->grün, f->blau);
            continue;
        }
        const auto& text = std::get<Textaufruf>(aufruf);
        std::string inhalt;
        for (const Stück& stück : text.stücke)
            inhalt +=
                stück.platzhalter ? felder.text(platzhalter(stück.platzhalter)->feld) : stück.text;
        const int oben = static_cast<int>(text.y - 3 - static_cast<std::int64_t>(text.größe));
        const int y = oben + schrift->größe(text.größe)->oberlänge();
        for (int kopie = 0; kopie <= (text.fett ? 1 : 0); ++kopie) {
            int rahmen[8];
            gdImageStringFT(gd, rahmen, farbe, const_cast<char*>(datei.c_str()), text.größe, 0,
                            static_cast<int>(text.x) + kopie, y,
                            const_cast<char*>(utf8FromCp1252(inhalt).c_str()));
        }
    }
    return test::ausGd(gd);
}

class VorschauWieSkript : public ::testing::TestWithParam<const char*> {};

// One line each, no stray "#" and XPos 0: there the preview and the script agree on what goes
// where, so every pixel must agree, at every base size from 6 to 20 points.
TEST_P(VorschauWieSkript, EveryGlyphLandsWhereGdPutsItInTheScriptsRun) {
    for (int größe = 6; größe <= 20; ++größe) {
        SCOPED_TRACE(std::to_string(größe) + " pt");
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, GetParam());
        felder.setText(Feld::SchriftGröße, std::to_string(größe));
        GdSurface vorschau;
        vorschau.setBackground(Bild(600, 80, 0x203040));
        ASSERT_FALSE(BildZeichnen(felder, vorschau, Uhr).has_value());
        GdSurface messung;
        const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, messung);
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(
            test::unterschiede(vorschau.bild(), gdNachPlan(*plan, felder, Bild(600, 80, 0x203040))),
            0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, VorschauWieSkript,
    ::testing::Values("                    Jandor Kelmis aus 99999 Falkenmoor hat dieses "
                      "Programm programmiert.",
                      "Am #1 dann#F255255255wei\xDF und #F255255000gelb#F000000000 AVAWAY \x80",
                      "To#B#BTy#F000000000Wa #BAV Fett#B To. #B#B#B",
                      "   #X020Das war vor #2 Tagen, #7 \x80 gespart#Y030 Ty",
                      "#G12Gro\xDF#G08klein To#G20W#G08W"));

TEST(GdSurface, StartsWithArialAndRefusesNamesAndSizesThatGdCannotDraw) {
    GdSurface fläche;
    EXPECT_EQ(fläche.width(), 460);
    EXPECT_EQ(fläche.height(), 66);
    EXPECT_TRUE(fläche.hatSchrift());
    EXPECT_EQ(fläche.schriftdatei(), *schriftdateiSuchen("Arial"));
    EXPECT_EQ(fläche.fontSize(), 8.25);
    const double breite = fläche.textWidth("Tafomat");
    for (const char* name : {"", "   ", "Ar", "Keine Schrift dieses Namens", "Arial;Helvetica",
                             "../Arial", "Arial\r\n"}) {
        EXPECT_FALSE(fläche.setFontName(name)) << name;
        EXPECT_EQ(fläche.fontName(), "Arial");
        EXPECT_EQ(fläche.textWidth("Tafomat"), breite);
    }
    ASSERT_TRUE(fläche.setFontSize(12));
    for (const double größe : {0.0, -0.0, -1.0, 2000.5, 1e9, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        EXPECT_FALSE(fläche.setFontSize(größe)) << größe;
        EXPECT_EQ(fläche.fontSize(), 12);
    }
    EXPECT_TRUE(fläche.setFontSize(0.5));
    EXPECT_TRUE(fläche.setFontSize(2000));
    EXPECT_TRUE(fläche.setFontName("DejaVu Sans"));
    EXPECT_NE(fläche.schriftdatei(), *schriftdateiSuchen("Arial"));
}

TEST(GdSurface, ClearBringsBackTheBackgroundAndBoxesHoldBothCorners) {
    GdSurface fläche;
    const Bild hintergrund = fläche.hintergrund();
    fläche.setTextColor(0xFFFFFF);
    fläche.drawText("Hallo");
    const Farbwert blau = farbwert(0, 85, 170);
    fläche.fillBox(20, 12, 10, 5, blau);
    EXPECT_EQ(fläche.colorAt(10, 5), blau);
    EXPECT_EQ(fläche.colorAt(20, 12), blau);
    EXPECT_NE(fläche.colorAt(21, 12), blau);
    EXPECT_NE(fläche.colorAt(20, 13), blau);
    EXPECT_EQ(fläche.colorAt(-1, 0), -1);
    EXPECT_EQ(fläche.colorAt(0, 66), -1);
    EXPECT_GT(test::unterschiede(fläche.bild(), hintergrund), 0);
    fläche.clear();
    EXPECT_EQ(test::unterschiede(fläche.bild(), hintergrund), 0);
    // No path: a white picture of the size the background had.
    ASSERT_TRUE(fläche.loadBackground(""));
    EXPECT_EQ(test::unterschiede(fläche.bild(), Bild(460, 66, 0xFFFFFF)), 0);
}

// A font that is there but that GD cannot draw is named so, with its file; fontconfig takes the
// files as the program's own fonts, under family names no other font has.
TEST(Schriftsuche, SaysWhyAFontThatIsThereCannotBeDrawn) {
    const test::PhpOrdner platz;  // removed unless the test failed
    const std::string ordner = platz.pfad().string();
    const std::string annehmen =
        std::string("<fontconfig>") + test::RasterschriftAnnehmen + "</fontconfig>";
    ASSERT_TRUE(FcConfigParseAndLoadFromMemory(
        FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(annehmen.c_str()), FcTrue));
    const auto installieren = [&](const std::string& name, const std::string& bytes) {
        const std::string pfad = ordner + "/" + name;
        test::schreiben(pfad, bytes);
        EXPECT_TRUE(
            FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(pfad.c_str())));
        return pfad;
    };
    const std::string arial = test::lesen(*schriftdateiSuchen("Arial"));
    const std::string halb = test::umbenannt(arial, "Tafomat Halb");
    const std::string abgeschnitten = installieren("halb.ttf", halb.substr(0, halb.size() / 2));
    const std::string zwei =
        installieren("zwei.ttc", test::sammlung(test::umbenannt(arial, "Tafomat Eins"),
                                                test::umbenannt(arial, "Tafomat Zwei")));
    const std::string raster = installieren("raster.bdf", test::Rasterschrift);
    const struct {
        const char* familie;
        std::optional<std::string> datei;
        Schriftmangel mangel;  // where no file answers
        std::string gefunden;
        bool daAberNichtZeichenbar;
    } fälle[] = {
        {"Tafomat Halb", std::nullopt, Schriftmangel::Beschädigt, abgeschnitten, true},
        {"Tafomat Zwei", std::nullopt, Schriftmangel::ZweiterSchnitt, zwei, true},
        {"Tafomat Raster", std::nullopt, Schriftmangel::NurBitmaps, raster, true},
        {"Tafomat Eins", zwei, {}, zwei, false},
        {"Keine Schrift dieses Namens", std::nullopt, Schriftmangel::NichtInstalliert, "", false},
        {"Arial;Helvetica", std::nullopt, Schriftmangel::KeinDateiname, "", false},
    };
    for (const auto& fall : fälle) {
        const Schriftfund fund = schriftSuchen(fall.familie);
        EXPECT_EQ(fund.datei, fall.datei) << fall.familie;
        if (!fall.datei) {
            EXPECT_EQ(fund.mangel, fall.mangel) << fall.familie;
        }
        EXPECT_EQ(fund.gefunden, fall.gefunden) << fall.familie;
        EXPECT_EQ(installiertAberNichtZeichenbar(fund), fall.daAberNichtZeichenbar) << fall.familie;
    }
}

}  // namespace
}  // namespace tafomat
