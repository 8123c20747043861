#include "preview/BildZeichnen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/RecordingSurface.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

constexpr Farbwert Schwarz = 0;
constexpr Farbwert Rot = 255;

// 5877 days after the start date 04.11.2010.
const FesteUhr Uhr(tageszahl({2026, 12, 7}));

struct Lauf {
    std::string text;
    double x;
    double y;
    bool fett = false;
};

// The runs that show ink, without the blanks, as text and position.
std::vector<Lauf> sichtbareLaeufe(const RecordingSurface& flaeche) {
    std::vector<Lauf> laeufe;
    for (const auto& g : flaeche.gezeichnet) {
        if (g.text != " ") laeufe.push_back({g.text, g.x, g.y, g.fett});
    }
    return laeufe;
}

void erwarteLaeufe(const RecordingSurface& flaeche, const std::vector<Lauf>& erwartet) {
    const auto laeufe = sichtbareLaeufe(flaeche);
    ASSERT_EQ(laeufe.size(), erwartet.size());
    for (std::size_t i = 0; i < laeufe.size(); ++i) {
        SCOPED_TRACE("run " + std::to_string(i) + " '" + erwartet[i].text + "'");
        EXPECT_EQ(laeufe[i].text, erwartet[i].text);
        EXPECT_DOUBLE_EQ(laeufe[i].x, erwartet[i].x);
        EXPECT_DOUBLE_EQ(laeufe[i].y, erwartet[i].y);
        EXPECT_EQ(laeufe[i].fett, erwartet[i].fett);
    }
}

class BildZeichnenTest : public ::testing::Test {
  protected:
    void zeichne(const std::string& vorlage) {
        felder.setText(Feld::Txt, vorlage);
        BildZeichnen(felder, flaeche, Uhr);
    }

    FelderImSpeicher felder;
    RecordingSurface flaeche;
};

// Characters are half the size wide on the fake surface: 4 pixels at the base size 8.
TEST_F(BildZeichnenTest, StartTemplateDrawsFiveLinesThirteenPixelsApart) {
    BildZeichnen(felder, flaeche, Uhr);

    EXPECT_EQ(flaeche.clears, 1);
    const auto erster = [&](const std::string& text) {
        for (const auto& g : flaeche.gezeichnet) {
            if (g.text == text) return g;
        }
        ADD_FAILURE() << "not drawn: " << text;
        return RecordingSurface::Gezeichnet{};
    };
    const auto jandor = erster("J");
    EXPECT_EQ(jandor.x, 20 * 4);
    EXPECT_EQ(jandor.y, 0);
    const auto stunden = erster("2");
    EXPECT_EQ(stunden.x, 95 * 4);
    EXPECT_EQ(stunden.y, 13);
    const auto tage = erster("5877");
    EXPECT_EQ(tage.x, (109 + 12) * 4);
    EXPECT_EQ(tage.y, 39);
    const auto datum = erster("04.11.2010");
    EXPECT_EQ(datum.x, (120 + 3) * 4);
    EXPECT_EQ(datum.y, 52);

    for (const auto& g : flaeche.gezeichnet) {
        EXPECT_TRUE(g.y == 0 || g.y == 13 || g.y == 39 || g.y == 52) << g.text << " at " << g.y;
        EXPECT_EQ(g.groesse, 8);
        EXPECT_EQ(g.farbe, Schwarz);
    }
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
    EXPECT_EQ(flaeche.fontSize(), 8);
    EXPECT_EQ(flaeche.textColor(), Schwarz);
}

TEST_F(BildZeichnenTest, EmptyTemplateClearsAndDrawsNothing) {
    zeichne("");
    EXPECT_EQ(flaeche.clears, 1);
    EXPECT_TRUE(flaeche.gezeichnet.empty());
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
}

struct PositionFall {
    const char* name;
    std::string vorlage;
    int xPos;
    int yPos;
    int abstand;
    std::vector<Lauf> laeufe;
};

class Positionen : public BildZeichnenTest, public ::testing::WithParamInterface<PositionFall> {};

TEST_P(Positionen, RunsLandWhereTheCommandsPutThem) {
    const PositionFall& fall = GetParam();
    felder.setWert(Feld::XPos, fall.xPos);
    felder.setWert(Feld::YPos, fall.yPos);
    felder.setWert(Feld::Abstand, fall.abstand);
    zeichne(fall.vorlage);
    erwarteLaeufe(flaeche, fall.laeufe);
}

INSTANTIATE_TEST_SUITE_P(
    BildZeichnen, Positionen,
    ::testing::Values(PositionFall{"YMovesOnlyTheRestOfItsLine",
                                   "ab\r\ncd#Y020ef\r\ngh",
                                   0,
                                   0,
                                   5,
                                   {{"a", 0, 0},
                                    {"b", 4, 0},
                                    {"c", 0, 13},
                                    {"d", 4, 13},
                                    {"e", 8, 20},
                                    {"f", 12, 20},
                                    {"g", 0, 26},
                                    {"h", 4, 26}}},
                      PositionFall{"XIsTakenWithoutXPos",
                                   "a#X100b\r\nc",
                                   7,
                                   0,
                                   5,
                                   {{"a", 7, 0}, {"b", 100, 0}, {"c", 7, 13}}},
                      PositionFall{"NegativeXPosStartsEveryLineLeftOfTheEdge",
                                   "ab\r\nc\r\n\r\nd",
                                   -10,
                                   0,
                                   5,
                                   {{"a", -10, 0}, {"b", -6, 0}, {"c", -10, 13}, {"d", -10, 39}}},
                      PositionFall{"YPosAndAbstandPlaceTheLines",
                                   "a\r\nb\r\nc",
                                   0,
                                   -4,
                                   0,
                                   {{"a", 0, -4}, {"b", 0, 4}, {"c", 0, 12}}},
                      PositionFall{"LineFeedAndTabBreakNoLine",
                                   "a\nb\tc",
                                   0,
                                   0,
                                   5,
                                   {{"a", 0, 0}, {"b", 4, 0}, {"c", 8, 0}}},
                      PositionFall{"HashWithoutCommandIsText",
                                   "#0#x",
                                   0,
                                   0,
                                   5,
                                   {{"#", 0, 0}, {"0", 4, 0}, {"#", 8, 0}, {"x", 12, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BildZeichnenTest, SizeCommandKeepsTheLineDistanceAndEndsAtTheBaseSize) {
    zeichne("a\r\n#G20b\r\nc");

    ASSERT_EQ(flaeche.gezeichnet.size(), 3u);
    EXPECT_EQ(flaeche.gezeichnet[0].groesse, 8);
    EXPECT_EQ(flaeche.gezeichnet[1].groesse, 20);
    EXPECT_EQ(flaeche.gezeichnet[1].y, 13);
    EXPECT_EQ(flaeche.gezeichnet[2].groesse, 20);
    EXPECT_EQ(flaeche.gezeichnet[2].y, 26);
    EXPECT_EQ(flaeche.fontSize(), 8);
    EXPECT_EQ(flaeche.groessen.back(), 8);
}

TEST_F(BildZeichnenTest, SizeCommandIsNotRoundedDown) {
    zeichne("#G2.a");
    ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
    EXPECT_EQ(flaeche.gezeichnet[0].groesse, 2);
    zeichne("#G.5a");
    ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
    EXPECT_EQ(flaeche.gezeichnet[0].groesse, 0.5);
}

struct GroessenFall {
    const char* name;
    std::string groesse;
    double zeilenabstand;  // of the second line, with Abstand 5
};

class Grundgroessen : public BildZeichnenTest,
                      public ::testing::WithParamInterface<GroessenFall> {};

TEST_P(Grundgroessen, BaseSizeIsTheLeadingNumberRoundedDown) {
    felder.setText(Feld::SchriftGröße, GetParam().groesse);
    zeichne("a\r\nb");
    ASSERT_EQ(flaeche.gezeichnet.size(), 2u);
    EXPECT_EQ(flaeche.gezeichnet[1].y, GetParam().zeilenabstand);
    EXPECT_EQ(flaeche.gezeichnet[0].groesse, GetParam().zeilenabstand - 5);
}

INSTANTIATE_TEST_SUITE_P(BildZeichnen, Grundgroessen,
                         ::testing::Values(GroessenFall{"Whole", "12", 17},
                                           GroessenFall{"FractionDropped", "12.9", 17},
                                           GroessenFall{"CommaEndsTheNumber", "9,5", 14},
                                           GroessenFall{"TrailingLetters", "10pt", 15}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FarbFall {
    const char* name;
    std::string befehl;
    Farbwert farbe;
};

class Farben : public BildZeichnenTest, public ::testing::WithParamInterface<FarbFall> {};

TEST_P(Farben, ColourCommandRoundsHalvesToEvenAndLimitsTo255) {
    zeichne(GetParam().befehl + "a");
    ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
    EXPECT_EQ(flaeche.gezeichnet[0].farbe, GetParam().farbe);
    EXPECT_EQ(flaeche.textColor(), Schwarz);
}

INSTANTIATE_TEST_SUITE_P(
    BildZeichnen, Farben,
    ::testing::Values(FarbFall{"Red", "#F255000000", Rot},
                      FarbFall{"White", "#F255255255", 0xFFFFFF},
                      FarbFall{"Seven", "#F007007007", farbwert(7, 7, 7)},
                      FarbFall{"Above255CountsAs255", "#F300000000", Rot},
                      FarbFall{"HalfRoundsDownToEven", "#F2.5000000", 2},
                      FarbFall{"HalfRoundsUpToEven", "#F3.5000000", 4},
                      FarbFall{"TenThousandIsStill255", "#F0001E4000", farbwert(0, 255, 0)},
                      FarbFall{"NegativeCountsAsZero", "#F100-12200", farbwert(100, 0, 200)},
                      FarbFall{"HexField", "#F&HF000000", 15}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BildZeichnenTest, ColourOutsideSixteenBitsStopsTheRedraw) {
    zeichne("#G20#F255000000a#F1E5000000b");

    ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
    EXPECT_EQ(flaeche.gezeichnet[0].text, "a");
    EXPECT_EQ(flaeche.textColor(), Schwarz);
    EXPECT_EQ(flaeche.fontSize(), 20);  // a stopped redraw keeps the last size command
}

TEST_F(BildZeichnenTest, BoldIsSwitchedOnTheSurfaceWithTheSameAdvance) {
    zeichne("#Bab#Bc#B#1d");

    erwarteLaeufe(flaeche, {{"a", 0, 0, true},
                            {"b", 4, 0, true},
                            {"c", 8, 0, false},
                            {"04.11.2010", 12, 0, true},
                            {"d", 52, 0, true}});
    EXPECT_EQ(flaeche.currentX(), 56);
}

TEST_F(BildZeichnenTest, PlaceholdersDrawTheirFieldAsOneRun) {
    const std::vector<std::pair<std::string, Feld>> faelle = {
        {"#1", Feld::DaTxt}, {"#2", Feld::TaTxt}, {"#3", Feld::AlTxt}, {"#4", Feld::KiTxt},
        {"#5", Feld::AnTxt}, {"#6", Feld::NeTxt}, {"#7", Feld::GETxt}, {"#8", Feld::StTxt},
        {"#9", Feld::GSTxt}, {"#Z", Feld::GZTxt}};
    for (const auto& [platzhalter, feld] : faelle) {
        SCOPED_TRACE(platzhalter);
        zeichne(platzhalter);
        ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
        EXPECT_EQ(flaeche.gezeichnet[0].text, felder.text(feld));
        EXPECT_FALSE(flaeche.gezeichnet[0].text.empty());
    }
}

TEST_F(BildZeichnenTest, UnreadableInputLeavesThePictureAloneAndTheColourBlack) {
    zeichne("first");
    flaeche.setTextColor(Rot);
    felder.setText(Feld::KiTxt, "");
    felder.setText(Feld::TaTxt, "old");
    felder.setText(Feld::GZTxt, "old");

    zeichne("second");

    EXPECT_EQ(flaeche.clears, 1);
    EXPECT_EQ(flaeche.gezeichnet.size(), 5u);  // "first" is still there
    EXPECT_EQ(flaeche.textColor(), Schwarz);
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");  // the day count is refreshed
    EXPECT_EQ(felder.text(Feld::GZTxt), "old");
}

TEST_F(BildZeichnenTest, RefusedBaseSizeStopsBeforeAnything) {
    felder.setText(Feld::SchriftGröße, "abc");
    flaeche.setTextColor(Rot);

    zeichne("text");

    EXPECT_EQ(flaeche.clears, 0);
    EXPECT_TRUE(flaeche.gezeichnet.empty());
    EXPECT_EQ(felder.text(Feld::TaTxt), "");
    EXPECT_EQ(flaeche.textColor(), Schwarz);
    EXPECT_EQ(flaeche.fontSize(), 8.25);
}

TEST_F(BildZeichnenTest, RefusedSizeCommandStopsTheRedrawThere) {
    zeichne("a#G00b");
    ASSERT_EQ(flaeche.gezeichnet.size(), 1u);
    EXPECT_EQ(flaeche.gezeichnet[0].text, "a");
    EXPECT_EQ(flaeche.textColor(), Schwarz);
}

TEST_F(BildZeichnenTest, ColourSizeAndBoldCarryOverLineBreaks) {
    zeichne("#F255000000#G10#Ba\r\nb");
    ASSERT_EQ(flaeche.gezeichnet.size(), 2u);
    const auto& b = flaeche.gezeichnet[1];
    EXPECT_EQ(b.text, "b");
    EXPECT_EQ(b.farbe, Rot);
    EXPECT_EQ(b.groesse, 10);
    EXPECT_TRUE(b.fett);
    EXPECT_EQ(b.x, 0);
    EXPECT_EQ(b.y, 13);
}

TEST(Grundgroesse, ReadsTheSizeText) {
    FelderImSpeicher felder;
    EXPECT_EQ(Grundgröße(felder), 8);
    felder.setText(Feld::SchriftGröße, "-2.5");
    EXPECT_EQ(Grundgröße(felder), -3);
}

}  // namespace
}  // namespace tafomat
