// The preview draws its characters one at a time; they must land where GD puts them inside the
// runs that the script draws.
#include <gd.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>

#include "model/Abgeleitet.h"
#include "model/Cp1252.h"
#include "phpgen/Zeichenplan.h"
#include "preview/BildZeichnen.h"
#include "render/GdHilfe.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"

namespace tafomat {
namespace {

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

std::string utf8(const std::string& cp1252) {
    return utf8FromCp1252(cp1252);
}

// libgd draws the plan's runs with each placeholder's field text, as the preview shows it, with
// the baseline where the preview puts it: the line's top plus the font's ascent.
Bild gdNachPlan(const Zeichenplan& plan, const Felder& felder, const Bild& hintergrund) {
    const std::string datei = *schriftdateiSuchen("Arial");
    const auto schrift = GdSchrift::oeffnen(datei);
    gdImagePtr gd = test::inGd(hintergrund);
    int farbe = 0;
    for (const Zeichenaufruf& aufruf : plan.aufrufe) {
        if (const auto* f = std::get_if<Farbaufruf>(&aufruf)) {
            farbe = gdTrueColor(f->rot, f->gruen, f->blau);
            continue;
        }
        const auto& text = std::get<Textaufruf>(aufruf);
        std::string inhalt;
        for (const Stueck& stueck : text.stuecke)
            inhalt += stueck.platzhalter ? felder.text(platzhalter(stueck.platzhalter)->gemessen)
                                         : stueck.text;
        const int oben = static_cast<int>(text.y - 3 - static_cast<std::int64_t>(text.groesse));
        const int y = oben + schrift->groesse(text.groesse)->oberlaenge();
        for (int kopie = 0; kopie <= (text.fett ? 1 : 0); ++kopie) {
            int rahmen[8];
            gdImageStringFT(gd, rahmen, farbe, const_cast<char*>(datei.c_str()), text.groesse, 0,
                            static_cast<int>(text.x) + kopie, y,
                            const_cast<char*>(utf8(inhalt).c_str()));
        }
    }
    return test::ausGd(gd);
}

class VorschauWieSkript : public ::testing::TestWithParam<const char*> {};

// One line each, no stray "#" and XPos 0: there the preview and the script agree on what goes
// where, so every pixel must agree, at every base size from 6 to 20 points.
TEST_P(VorschauWieSkript, EveryGlyphLandsWhereGdPutsItInTheScriptsRun) {
    for (int groesse = 6; groesse <= 20; ++groesse) {
        SCOPED_TRACE(std::to_string(groesse) + " pt");
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, GetParam());
        felder.setText(Feld::SchriftGröße, std::to_string(groesse));
        GdSurface vorschau;
        vorschau.setBackground(Bild(600, 80, 0x203040));
        BildZeichnen(felder, vorschau, Uhr);
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

TEST(GdSurface, StartsWithTheBuiltInPictureArialAndBlack) {
    GdSurface flaeche;
    EXPECT_EQ(flaeche.width(), 460);
    EXPECT_EQ(flaeche.height(), 66);
    EXPECT_TRUE(flaeche.hatSchrift());
    EXPECT_EQ(flaeche.schriftdatei(), *schriftdateiSuchen("Arial"));
    EXPECT_EQ(flaeche.fontName(), "Arial");
    EXPECT_EQ(flaeche.fontSize(), 8.25);
}

TEST(GdSurface, RefusesNamesAndSizesThatGdCannotDrawAndKeepsItsOwn) {
    GdSurface flaeche;
    for (const char* name :
         {"", "   ", "Keine Schrift dieses Namens", "Arial;Helvetica", "../Arial", "Arial\r\n"}) {
        EXPECT_FALSE(flaeche.setFontName(name)) << name;
        EXPECT_EQ(flaeche.fontName(), "Arial");
    }
    ASSERT_TRUE(flaeche.setFontSize(12));
    for (const double groesse : {0.0, -1.0, 2000.5, 1e9, std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(flaeche.setFontSize(groesse)) << groesse;
        EXPECT_EQ(flaeche.fontSize(), 12);
    }
    EXPECT_TRUE(flaeche.setFontName("DejaVu Sans"));
    EXPECT_NE(flaeche.schriftdatei(), *schriftdateiSuchen("Arial"));
}

TEST(GdSurface, FontListHoldsOnlyFamiliesThatAnswerTheirOwnName) {
    const std::vector<std::string> familien = schriftfamilien();
    EXPECT_NE(std::find(familien.begin(), familien.end(), "Liberation Sans"), familien.end());
    for (const std::string& familie : familien) {
        EXPECT_EQ(familie.find('['), std::string::npos) << familie;
        EXPECT_TRUE(schriftdateiSuchen(familie).has_value()) << familie;
    }
}

}  // namespace
}  // namespace tafomat
