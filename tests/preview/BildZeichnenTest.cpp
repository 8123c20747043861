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
std::vector<Lauf> sichtbareLäufe(const RecordingSurface& fläche) {
    std::vector<Lauf> läufe;
    for (const auto& g : fläche.gezeichnet) {
        if (g.text != " ") läufe.push_back({g.text, g.x, g.y, g.fett});
    }
    return läufe;
}

void erwarteLäufe(const RecordingSurface& fläche, const std::vector<Lauf>& erwartet) {
    const auto läufe = sichtbareLäufe(fläche);
    ASSERT_EQ(läufe.size(), erwartet.size());
    for (std::size_t i = 0; i < läufe.size(); ++i) {
        SCOPED_TRACE("run " + std::to_string(i) + " '" + erwartet[i].text + "'");
        EXPECT_EQ(läufe[i].text, erwartet[i].text);
        EXPECT_DOUBLE_EQ(läufe[i].x, erwartet[i].x);
        EXPECT_DOUBLE_EQ(läufe[i].y, erwartet[i].y);
        EXPECT_EQ(läufe[i].fett, erwartet[i].fett);
    }
}

class BildZeichnenTest : public ::testing::Test {
  protected:
    void zeichne(const std::string& vorlage) {
        felder.setText(Feld::Txt, vorlage);
        BildZeichnen(felder, fläche, Uhr);
    }

    FelderImSpeicher felder;
    RecordingSurface fläche;
};

// Characters are half the size wide on the fake surface: 4 pixels at the base size 8.
TEST_F(BildZeichnenTest, StartTemplateDrawsFiveLinesThirteenPixelsApart) {
    BildZeichnen(felder, fläche, Uhr);

    EXPECT_EQ(fläche.clears, 1);
    const auto erster = [&](const std::string& text) {
        for (const auto& g : fläche.gezeichnet) {
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

    for (const auto& g : fläche.gezeichnet) {
        EXPECT_TRUE(g.y == 0 || g.y == 13 || g.y == 39 || g.y == 52) << g.text << " at " << g.y;
        EXPECT_EQ(g.größe, 8);
        EXPECT_EQ(g.farbe, Schwarz);
    }
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
    EXPECT_EQ(fläche.fontSize(), 8);
    EXPECT_EQ(fläche.textColor(), Schwarz);
}

TEST_F(BildZeichnenTest, EmptyTemplateClearsAndDrawsNothing) {
    zeichne("");
    EXPECT_EQ(fläche.clears, 1);
    EXPECT_TRUE(fläche.gezeichnet.empty());
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
}

struct PositionFall {
    const char* name;
    std::string vorlage;
    int xPos;
    int yPos;
    int abstand;
    std::vector<Lauf> läufe;
};

class Positionen : public BildZeichnenTest, public ::testing::WithParamInterface<PositionFall> {};

TEST_P(Positionen, RunsLandWhereTheCommandsPutThem) {
    const PositionFall& fall = GetParam();
    felder.setWert(Feld::XPos, fall.xPos);
    felder.setWert(Feld::YPos, fall.yPos);
    felder.setWert(Feld::Abstand, fall.abstand);
    zeichne(fall.vorlage);
    erwarteLäufe(fläche, fall.läufe);
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

    ASSERT_EQ(fläche.gezeichnet.size(), 3u);
    EXPECT_EQ(fläche.gezeichnet[0].größe, 8);
    EXPECT_EQ(fläche.gezeichnet[1].größe, 20);
    EXPECT_EQ(fläche.gezeichnet[1].y, 13);
    EXPECT_EQ(fläche.gezeichnet[2].größe, 20);
    EXPECT_EQ(fläche.gezeichnet[2].y, 26);
    EXPECT_EQ(fläche.fontSize(), 8);
    EXPECT_EQ(fläche.größen.back(), 8);
}

TEST_F(BildZeichnenTest, SizeCommandIsNotRoundedDown) {
    zeichne("#G2.a");
    ASSERT_EQ(fläche.gezeichnet.size(), 1u);
    EXPECT_EQ(fläche.gezeichnet[0].größe, 2);
    zeichne("#G.5a");
    ASSERT_EQ(fläche.gezeichnet.size(), 1u);
    EXPECT_EQ(fläche.gezeichnet[0].größe, 0.5);
}

struct GrößenFall {
    const char* name;
    std::string größe;
    double zeilenabstand;  // of the second line, with Abstand 5
};

class Grundgroessen : public BildZeichnenTest, public ::testing::WithParamInterface<GrößenFall> {};

TEST_P(Grundgroessen, BaseSizeIsTheLeadingNumberRoundedDown) {
    felder.setText(Feld::SchriftGröße, GetParam().größe);
    zeichne("a\r\nb");
    ASSERT_EQ(fläche.gezeichnet.size(), 2u);
    EXPECT_EQ(fläche.gezeichnet[1].y, GetParam().zeilenabstand);
    EXPECT_EQ(fläche.gezeichnet[0].größe, GetParam().zeilenabstand - 5);
}

INSTANTIATE_TEST_SUITE_P(BildZeichnen, Grundgroessen,
                         ::testing::Values(GrößenFall{"Whole", "12", 17},
                                           GrößenFall{"FractionDropped", "12.9", 17},
                                           GrößenFall{"CommaEndsTheNumber", "9,5", 14},
                                           GrößenFall{"TrailingLetters", "10pt", 15}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FarbFall {
    const char* name;
    std::string befehl;
    Farbwert farbe;
};

class Farben : public BildZeichnenTest, public ::testing::WithParamInterface<FarbFall> {};

TEST_P(Farben, ColourCommandRoundsHalvesToEvenAndLimitsTo255) {
    zeichne(GetParam().befehl + "a");
    ASSERT_EQ(fläche.gezeichnet.size(), 1u);
    EXPECT_EQ(fläche.gezeichnet[0].farbe, GetParam().farbe);
    EXPECT_EQ(fläche.textColor(), Schwarz);
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

    ASSERT_EQ(fläche.gezeichnet.size(), 1u);
    EXPECT_EQ(fläche.gezeichnet[0].text, "a");
    EXPECT_EQ(fläche.textColor(), Schwarz);
    EXPECT_EQ(fläche.fontSize(), 20);  // a stopped redraw keeps the last size command
}

TEST_F(BildZeichnenTest, BoldIsSwitchedOnTheSurfaceWithTheSameAdvance) {
    zeichne("#Bab#Bc#B#1d");

    erwarteLäufe(fläche, {{"a", 0, 0, true},
                          {"b", 4, 0, true},
                          {"c", 8, 0, false},
                          {"04.11.2010", 12, 0, true},
                          {"d", 52, 0, true}});
    EXPECT_EQ(fläche.currentX(), 56);
}

TEST_F(BildZeichnenTest, PlaceholdersDrawTheirFieldAsOneRun) {
    const std::vector<std::pair<std::string, Feld>> fälle = {
        {"#1", Feld::DaTxt}, {"#2", Feld::TaTxt}, {"#3", Feld::AlTxt}, {"#4", Feld::KiTxt},
        {"#5", Feld::AnTxt}, {"#6", Feld::NeTxt}, {"#7", Feld::GETxt}, {"#8", Feld::StTxt},
        {"#9", Feld::GSTxt}, {"#Z", Feld::GZTxt}};
    for (const auto& [platzhalter, feld] : fälle) {
        SCOPED_TRACE(platzhalter);
        zeichne(platzhalter);
        ASSERT_EQ(fläche.gezeichnet.size(), 1u);
        EXPECT_EQ(fläche.gezeichnet[0].text, felder.text(feld));
        EXPECT_FALSE(fläche.gezeichnet[0].text.empty());
    }
}

TEST_F(BildZeichnenTest, UnreadableInputLeavesThePictureAloneAndTheColourBlack) {
    zeichne("first");
    fläche.setTextColor(Rot);
    felder.setText(Feld::KiTxt, "");
    felder.setText(Feld::TaTxt, "old");
    felder.setText(Feld::GZTxt, "old");

    zeichne("second");

    EXPECT_EQ(fläche.clears, 1);
    EXPECT_EQ(fläche.gezeichnet.size(), 5u);  // "first" is still there
    EXPECT_EQ(fläche.textColor(), Schwarz);
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");  // the day count is refreshed
    EXPECT_EQ(felder.text(Feld::GZTxt), "old");
}

TEST_F(BildZeichnenTest, RefusedBaseSizeStopsBeforeAnything) {
    felder.setText(Feld::SchriftGröße, "abc");
    fläche.setTextColor(Rot);

    zeichne("text");

    EXPECT_EQ(fläche.clears, 0);
    EXPECT_TRUE(fläche.gezeichnet.empty());
    EXPECT_EQ(felder.text(Feld::TaTxt), "");
    EXPECT_EQ(fläche.textColor(), Schwarz);
    EXPECT_EQ(fläche.fontSize(), 8.25);
}

TEST_F(BildZeichnenTest, RefusedSizeCommandStopsTheRedrawThere) {
    zeichne("a#G00b");
    ASSERT_EQ(fläche.gezeichnet.size(), 1u);
    EXPECT_EQ(fläche.gezeichnet[0].text, "a");
    EXPECT_EQ(fläche.textColor(), Schwarz);
}

TEST_F(BildZeichnenTest, ColourSizeAndBoldCarryOverLineBreaks) {
    zeichne("#F255000000#G10#Ba\r\nb");
    ASSERT_EQ(fläche.gezeichnet.size(), 2u);
    const auto& b = fläche.gezeichnet[1];
    EXPECT_EQ(b.text, "b");
    EXPECT_EQ(b.farbe, Rot);
    EXPECT_EQ(b.größe, 10);
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
