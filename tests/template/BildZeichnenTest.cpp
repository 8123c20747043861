#include "template/BildZeichnen.h"

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
    double größe = 8;
    Farbwert farbe = Schwarz;
    bool fett = false;
    bool operator==(const Lauf&) const = default;
};

void PrintTo(const Lauf& lauf, std::ostream* os) {
    *os << "'" << lauf.text << "' at " << lauf.x << "," << lauf.y << " size " << lauf.größe
        << " colour " << lauf.farbe << (lauf.fett ? " bold" : "");
}

// The runs that show ink, without the blanks.
std::vector<Lauf> sichtbareLäufe(const RecordingSurface& fläche) {
    std::vector<Lauf> läufe;
    for (const auto& g : fläche.gezeichnet) {
        if (g.text != " ") läufe.push_back({g.text, g.x, g.y, g.größe, g.farbe, g.fett});
    }
    return läufe;
}

class BildZeichnenTest : public ::testing::Test {
  protected:
    [[nodiscard]] std::optional<Zeichenstopp> zeichne(const std::string& vorlage) {
        felder.setText(Feld::Txt, vorlage);
        return BildZeichnen(felder, fläche, Uhr);
    }

    // Where the redraw stopped, or nullopt.
    static std::optional<Zeichenstopp::Bei> bei(const std::optional<Zeichenstopp>& stopp) {
        if (!stopp) return std::nullopt;
        return stopp->bei;
    }

    FelderImSpeicher felder;
    RecordingSurface fläche;
};

// Characters are half the size wide on the fake surface: 4 pixels at the base size 8.
TEST_F(BildZeichnenTest, StartTemplateDrawsFiveLinesThirteenPixelsApart) {
    ASSERT_FALSE(BildZeichnen(felder, fläche, Uhr).has_value());

    EXPECT_EQ(fläche.clears, 1);
    const auto erster = [&](const std::string& text) {
        for (const auto& g : fläche.gezeichnet) {
            if (g.text == text) return g;
        }
        ADD_FAILURE() << "not drawn: " << text;
        return RecordingSurface::Gezeichnet{};
    };
    for (const auto& [text, x, y] : {std::tuple{"J", 20 * 4, 0},
                                     {"2", 95 * 4, 13},
                                     {"5877", (109 + 12) * 4, 39},
                                     {"04.11.2010", (120 + 3) * 4, 52}}) {
        const RecordingSurface::Gezeichnet g = erster(text);
        EXPECT_EQ(g.x, x) << text;
        EXPECT_EQ(g.y, y) << text;
    }

    for (const auto& g : fläche.gezeichnet) {
        EXPECT_TRUE(g.y == 0 || g.y == 13 || g.y == 39 || g.y == 52) << g.text << " at " << g.y;
        EXPECT_EQ(g.größe, 8);
        EXPECT_EQ(g.farbe, Schwarz);
    }
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
    EXPECT_EQ(fläche.fontSize(), 8);
    EXPECT_EQ(fläche.textColor(), Schwarz);
}

// A whole redraw ends black at the base size; one that a command stops keeps that command's size.
TEST_F(BildZeichnenTest, RunsLandWhereTheCommandsPutThemInTheirSizeColourAndWeight) {
    const struct {
        const char* name;
        std::string vorlage;
        std::vector<Lauf> läufe;
        int xPos = 0, yPos = 0, abstand = 5;
        std::string grundgröße = "8";
        double schluss = 8;     // the size the surface is left at
        std::size_t stopp = 0;  // the template command the redraw stops at, from 1; 0: none
    } fälle[] = {
        // clang-format off
        {.name = "empty template", .vorlage = "", .läufe = {}},
        {.name = "Y moves only the rest of its line", .vorlage = "ab\r\ncd#Y020ef\r\ngh",
         .läufe = {{"a", 0, 0}, {"b", 4, 0}, {"c", 0, 13}, {"d", 4, 13},
                   {"e", 8, 20}, {"f", 12, 20}, {"g", 0, 26}, {"h", 4, 26}}},
        {.name = "X is taken without XPos", .vorlage = "a#X100b\r\nc",
         .läufe = {{"a", 7, 0}, {"b", 100, 0}, {"c", 7, 13}}, .xPos = 7},
        {.name = "negative XPos starts every line left of the edge", .vorlage = "ab\r\nc\r\n\r\nd",
         .läufe = {{"a", -10, 0}, {"b", -6, 0}, {"c", -10, 13}, {"d", -10, 39}}, .xPos = -10},
        {.name = "YPos and Abstand place the lines", .vorlage = "a\r\nb\r\nc",
         .läufe = {{"a", 0, -4}, {"b", 0, 4}, {"c", 0, 12}}, .yPos = -4, .abstand = 0},
        {.name = "line feed and tab break no line", .vorlage = "a\nb\tc",
         .läufe = {{"a", 0, 0}, {"b", 4, 0}, {"c", 8, 0}}},
        {.name = "hash without command is text", .vorlage = "#0#x",
         .läufe = {{"#", 0, 0}, {"0", 4, 0}, {"#", 8, 0}, {"x", 12, 0}}},
        {.name = "size keeps the line distance", .vorlage = "a\r\n#G20b\r\nc",
         .läufe = {{"a", 0, 0}, {"b", 0, 13, 20}, {"c", 0, 26, 20}}},
        {.name = "size is not rounded down", .vorlage = "#G2.a", .läufe = {{"a", 0, 0, 2}}},
        {.name = "size below one", .vorlage = "#G.5a", .läufe = {{"a", 0, 0, 0.5}}},
        {.name = "base size is the leading number rounded down", .vorlage = "a\r\nb",
         .läufe = {{"a", 0, 0, 12}, {"b", 0, 17, 12}}, .grundgröße = "12.9", .schluss = 12},
        {.name = "red", .vorlage = "#F255000000a", .läufe = {{"a", 0, 0, 8, Rot}}},
        {.name = "white", .vorlage = "#F255255255a", .läufe = {{"a", 0, 0, 8, 0xFFFFFF}}},
        {.name = "seven", .vorlage = "#F007007007a", .läufe = {{"a", 0, 0, 8, farbwert(7, 7, 7)}}},
        {.name = "above 255 is 255", .vorlage = "#F300000000a", .läufe = {{"a", 0, 0, 8, Rot}}},
        {.name = "ten thousand is still 255", .vorlage = "#F0001E4000a",
         .läufe = {{"a", 0, 0, 8, farbwert(0, 255, 0)}}},
        {.name = "halves to even, negative is zero", .vorlage = "#F2.53.5-12a",
         .läufe = {{"a", 0, 0, 8, farbwert(2, 4, 0)}}},
        {.name = "hexadecimal field", .vorlage = "#F&HF000000a", .läufe = {{"a", 0, 0, 8, 15}}},
        {.name = "bold is switched on the surface with the same advance", .vorlage = "#Bab#Bc#B#1d",
         .läufe = {{"a", 0, 0, 8, 0, true}, {"b", 4, 0, 8, 0, true}, {"c", 8, 0},
                   {"04.11.2010", 12, 0, 8, 0, true}, {"d", 52, 0, 8, 0, true}}},
        {.name = "colour, size and bold carry over line breaks", .vorlage = "#F255000000#G10#Ba\r\nb",
         .läufe = {{"a", 0, 0, 10, Rot, true}, {"b", 0, 13, 10, Rot, true}}},
        {.name = "a refused size stops the redraw there", .vorlage = "a#G00b", .läufe = {{"a", 0, 0}}, .stopp = 2},
        {.name = "a colour outside sixteen bits stops the redraw", .vorlage = "#G20#F255000000a#F1E5000000b",
         .läufe = {{"a", 0, 0, 20, Rot}}, .schluss = 20, .stopp = 17},
        // clang-format on
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        RecordingSurface neu;
        felder.setWert(Feld::XPos, fall.xPos);
        felder.setWert(Feld::YPos, fall.yPos);
        felder.setWert(Feld::Abstand, fall.abstand);
        felder.setText(Feld::SchriftGröße, fall.grundgröße);
        felder.setText(Feld::Txt, fall.vorlage);
        const std::optional<Zeichenstopp> stopp = BildZeichnen(felder, neu, Uhr);
        EXPECT_EQ(bei(stopp),
                  fall.stopp ? std::optional(Zeichenstopp::Bei::Vorlage) : std::nullopt);
        EXPECT_EQ(stopp ? stopp->stelle : 0, fall.stopp);
        EXPECT_EQ(sichtbareLäufe(neu), fall.läufe);
        EXPECT_EQ(neu.clears, 1);
        EXPECT_EQ(neu.fontSize(), fall.schluss);
        EXPECT_EQ(neu.textColor(), Schwarz);
        EXPECT_EQ(felder.text(Feld::TaTxt), "5877");
    }
}

TEST_F(BildZeichnenTest, PlaceholdersDrawTheirFieldAsOneRun) {
    const std::vector<std::pair<std::string, Feld>> fälle = {
        {"#1", Feld::DaTxt}, {"#2", Feld::TaTxt}, {"#3", Feld::AlTxt}, {"#4", Feld::KiTxt},
        {"#5", Feld::AnTxt}, {"#6", Feld::NeTxt}, {"#7", Feld::GETxt}, {"#8", Feld::StTxt},
        {"#9", Feld::GSTxt}, {"#Z", Feld::GZTxt}};
    for (const auto& [platzhalter, feld] : fälle) {
        SCOPED_TRACE(platzhalter);
        ASSERT_FALSE(zeichne(platzhalter).has_value());
        ASSERT_EQ(fläche.gezeichnet.size(), 1u);
        EXPECT_EQ(fläche.gezeichnet[0].text, felder.text(feld));
        EXPECT_FALSE(fläche.gezeichnet[0].text.empty());
    }
}

TEST_F(BildZeichnenTest, UnreadableInputLeavesThePictureAloneAndTheColourBlack) {
    ASSERT_FALSE(zeichne("first").has_value());
    fläche.setTextColor(Rot);
    felder.setText(Feld::KiTxt, "");
    felder.setText(Feld::TaTxt, "old");
    felder.setText(Feld::GZTxt, "old");

    EXPECT_EQ(bei(zeichne("second")), Zeichenstopp::Bei::Werte);

    EXPECT_EQ(fläche.clears, 1);
    EXPECT_EQ(fläche.gezeichnet.size(), 5u);  // "first" is still there
    EXPECT_EQ(fläche.textColor(), Schwarz);
    EXPECT_EQ(felder.text(Feld::TaTxt), "5877");  // the day count is refreshed
    EXPECT_EQ(felder.text(Feld::GZTxt), "old");
}

TEST_F(BildZeichnenTest, RefusedBaseSizeStopsBeforeAnything) {
    felder.setText(Feld::SchriftGröße, "abc");
    fläche.setTextColor(Rot);

    EXPECT_EQ(bei(zeichne("text")), Zeichenstopp::Bei::Grundgröße);

    EXPECT_EQ(fläche.clears, 0);
    EXPECT_TRUE(fläche.gezeichnet.empty());
    EXPECT_EQ(felder.text(Feld::TaTxt), "");
    EXPECT_EQ(fläche.textColor(), Schwarz);
    EXPECT_EQ(fläche.fontSize(), 8.25);
}

// The size text's leading number, rounded down: a comma or letters end it.
TEST(Grundgroesse, ReadsTheSizeText) {
    FelderImSpeicher felder;
    EXPECT_EQ(Grundgröße(felder), 8);
    for (const auto& [text, größe] :
         {std::pair{"-2.5", -3}, {"12.9", 12}, {"9,5", 9}, {"10pt", 10}}) {
        felder.setText(Feld::SchriftGröße, text);
        EXPECT_EQ(Grundgröße(felder), größe) << text;
    }
}

}  // namespace
}  // namespace tafomat
