#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/RecordingSurface.h"
#include "phpgen/Zeichenblock.h"
#include "phpgen/Zeichenplan.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

const std::string Schwarz = "$Farbe=ImageColorAllocate($Bild,0,0,0);\r\n";
const std::string Rot = "$Farbe=ImageColorAllocate($Bild,255,0,0);\r\n";

// A run: the expression of its text, then a call at each x on the line's baseline.
std::string lauf(const std::string& ausdruck, std::initializer_list<int> xs, int y = 11,
                 const std::string& größe = "8", const std::string& schrift = "Arial") {
    std::string text = "$Txt=" + ausdruck + ";\r\n";
    for (const int x : xs)
        text += "TextZeichnen($Bild," + größe + ",0," + std::to_string(x) + "," +
                std::to_string(y) + ",$Farbe,__DIR__.\"/" + schrift + ".ttf\",$Txt);\r\n";
    return text + "\r\n";
}

// The fake surface makes every character half the size wide: 4 pixels at the base size 8. The
// compiler measures without changing the surface's font or size.
TEST(ZeichenblockTest, BlockIsByteExact) {
    const struct {
        const char* name;
        std::string vorlage;
        std::optional<std::string> block;  // none: the template cannot be compiled
        int xPos = 0;
        const char* datum = "04.11.2010";
        const char* schrift = "Arial";
    } fälle[] = {
        // clang-format off
        {"WorkedExample", "#F255255255Das war vor #2 Tagen.\r\n#BAm #1",
         "$Farbe=ImageColorAllocate($Bild,255,255,255);\r\n" + lauf("\"Das war vor \".$Tage.\" Tagen.\"", {0}) +
             lauf("\"Am \".$Datum", {0, 1}, 24)},
        {"EmptyTemplate", "", ""},
        {"BlanksAndLineBreaksOnly", "    \r\n   \r\n", ""},
        {"ColourWithoutText", "#F001002003", "$Farbe=ImageColorAllocate($Bild,1,2,3);\r\n"},
        {"TextFirstGetsBlack", "Hallo#F255000000Welt",
         Schwarz + lauf("\"Hallo\"", {0}) + Rot + lauf("\"Welt\"", {20})},
        {"LeadingBlanksStayInsideTheString", "  Hallo", Schwarz + lauf("\"  Hallo\"", {0})},
        {"BlanksBeforeBoldMoveTheRun", "   #BHallo", Schwarz + lauf("\"Hallo\"", {12, 13})},
        {"BoldTwiceDrawsOnce", "#B#BHallo", Schwarz + lauf("\"Hallo\"", {0})},
        {"QuotesAreConcatenated", "Er sagte \"Hallo\"",
         Schwarz + lauf("\"Er sagte \".chr(34).\"Hallo\".chr(34)", {0})},
        {"QuoteMovesTheNextRunByItsWidth", "\"a\"#B b",
         Schwarz + lauf("chr(34).\"a\".chr(34)", {0}) + lauf("\" b\"", {12, 13})},
        {"DollarAndBackslashCannotReachPhp", "$Txt\\n{$x}",
         Schwarz + lauf("chr(36).\"Txt\".chr(92).\"n{\".chr(36).\"x}\"", {0})},
        {"HighCodesBelow192AreEntities", "\x80\xA0\xB0&amp;",
         Schwarz + lauf("\"&#8364;&#160;&#176;&#38;amp;\"", {0})},
        {"UmlautsStaySingleBytes", "M\xFC\xDF" "e", Schwarz + lauf("\"M\xFC\xDF" "e\"", {0})},
        {"HashThatBeginsNoCommandIsLeftOut", "Preis #A", Schwarz + lauf("\"Preis A\"", {0})},
        {"DoubleHashGivesOnlyTheDate", "##1", Schwarz + lauf("$Datum", {0})},
        {"ColourAboveRangeIsLimited", "#F300000000", Rot},
        {"ColourRoundsHalvesToEven", "#F2.53.5-12", "$Farbe=ImageColorAllocate($Bild,2,4,0);\r\n"},
        {"PositionCommandsAddXPos", "#X100#Y020Hallo", Schwarz + lauf("\"Hallo\"", {102}, 31), 2},
        {"YMovesTheLinesAfterIt", "a#Y040b\r\nc",
         Schwarz + lauf("\"a\"", {0}) + lauf("\"b\"", {4}, 51) + lauf("\"c\"", {0}, 64)},
        {"SizeOnTheFirstLineLastsButNotTheLineDistance", "#G24Gross\r\nKlein",
         Schwarz + lauf("\"Gross\"", {0}, 27, "24") + lauf("\"Klein\"", {0}, 40, "24")},
        {"SizeWithAFractionKeepsOneArgument", "#G.5x", Schwarz + lauf("\"x\"", {0}, 4, ".5")},
        {"RunStartsAtTheWholePixelWhereTheTextBeforeEnds", "#G09abc#F255000000d",
         Schwarz + lauf("\"abc\"", {0}, 12, "9") + Rot + lauf("\"d\"", {13}, 12, "9")},
        {"CommandsThatChangeNothingKeepTheRunWhole", "ab#B#Bc#F000000000d#G08e",
         Schwarz + lauf("\"abcde\"", {0}) + Schwarz},
        {"ChangeAndChangeBackKeepTheRunInItsColour", "ab#F255000000#F000000000c",
         Schwarz + lauf("\"abc\"", {0}) + Rot + Schwarz},
        {"PlaceholderAloneIsTheBareVariable", "#Z #9", Schwarz + lauf("$AlleKippen.\" \".$Fiskus", {0})},
        {"PlaceholderIsMeasuredByItsFieldsText", "#1#BX",
         Schwarz + lauf("$Datum", {0}) + lauf("\"X\"", {32, 33}), 0, "1.1.2000"},
        {"EachSizeMeasuresItsOwnRun", "#G12a#G20bc#G08d",
         Schwarz + lauf("\"a\"", {0}, 15, "12") + lauf("\"bc\"", {6}, 23, "20") + lauf("\"d\"", {26})},
        {"FontNameCannotBreakTheString", "a",
         Schwarz + lauf("\"a\"", {0}, 11, "8", "Bad\".chr(34).\"\".chr(36).\"Font"), 0, "04.11.2010", "Bad\"$Font"},
        {"RefusedSizeEndsTheCompilation", "Hallo #G00", std::nullopt},
        {"NegativeSizeEndsTheCompilation", "#G-5x", std::nullopt},
        // clang-format on
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, fall.vorlage);
        felder.setWert(Feld::XPos, fall.xPos);
        felder.setText(Feld::DaTxt, fall.datum);
        RecordingSurface fläche;
        ASSERT_TRUE(fläche.setFontName(fall.schrift));
        const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, fläche);
        EXPECT_EQ(plan ? std::optional<std::string>(Zeichenblock(*plan, fläche.fontName()))
                       : std::nullopt,
                  fall.block);
        EXPECT_EQ(fläche.fontName(), fall.schrift);
        EXPECT_EQ(fläche.fontSize(), 8.25);
        EXPECT_TRUE(fläche.größen.empty());
    }
}

}  // namespace
}  // namespace tafomat
