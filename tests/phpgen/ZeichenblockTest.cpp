#include <gtest/gtest.h>

#include <string>

#include "common/RecordingSurface.h"
#include "phpgen/PhpSkript.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

constexpr std::string_view Schwarz = "$Farbe=ImageColorAllocate($Bild,0,0,0);\r\n";

std::string aufruf(const std::string& groesse, int x, int y, const std::string& schrift = "Arial") {
    return "TextZeichnen($Bild," + groesse + ",0," + std::to_string(x) + "," + std::to_string(y) +
           ",$Farbe,__DIR__.\"/" + schrift + ".ttf\",$Txt);\r\n";
}

std::string lauf(const std::string& ausdruck) {
    return "$Txt=" + ausdruck + ";\r\n";
}

// The fake surface makes every character half the size wide: 4 pixels at the base size 8.
TEST(ZeichenblockTest, BlockIsByteExact) {
    const struct {
        const char* name;
        std::string vorlage;
        std::string block;
        int xPos = 0;
    } faelle[] = {
        {"WorkedExample", "#F255255255Das war vor #2 Tagen.\r\n#BAm #1",
         "$Farbe=ImageColorAllocate($Bild,255,255,255);\r\n" +
             lauf("\"Das war vor \".$Tage.\" Tagen.\"") + aufruf("8", 0, 11) + "\r\n" +
             lauf("\"Am \".$Datum") + aufruf("8", 0, 24) + aufruf("8", 1, 24) + "\r\n"},
        {"EmptyTemplate", "", ""},
        {"BlanksAndLineBreaksOnly", "    \r\n   \r\n", ""},
        {"ColourWithoutText", "#F001002003", "$Farbe=ImageColorAllocate($Bild,1,2,3);\r\n"},
        {"TextFirstGetsBlack", "Hallo#F255000000Welt",
         std::string(Schwarz) + lauf("\"Hallo\"") + aufruf("8", 0, 11) + "\r\n" +
             "$Farbe=ImageColorAllocate($Bild,255,0,0);\r\n" + lauf("\"Welt\"") +
             aufruf("8", 20, 11) + "\r\n"},
        {"LeadingBlanksStayInsideTheString", "  Hallo",
         std::string(Schwarz) + lauf("\"  Hallo\"") + aufruf("8", 0, 11) + "\r\n"},
        {"BlanksBeforeBoldMoveTheRun", "   #BHallo",
         std::string(Schwarz) + lauf("\"Hallo\"") + aufruf("8", 12, 11) + aufruf("8", 13, 11) +
             "\r\n"},
        {"BoldTwiceDrawsOnce", "#B#BHallo",
         std::string(Schwarz) + lauf("\"Hallo\"") + aufruf("8", 0, 11) + "\r\n"},
        {"QuotesAreConcatenated", "Er sagte \"Hallo\"",
         std::string(Schwarz) + lauf("\"Er sagte \".chr(34).\"Hallo\".chr(34)") +
             aufruf("8", 0, 11) + "\r\n"},
        {"QuoteMovesTheNextRunByItsWidth", "\"a\"#B b",
         std::string(Schwarz) + lauf("chr(34).\"a\".chr(34)") + aufruf("8", 0, 11) + "\r\n" +
             lauf("\" b\"") + aufruf("8", 12, 11) + aufruf("8", 13, 11) + "\r\n"},
        {"DollarAndBackslashCannotReachPhp", "$Txt\\n{$x}",
         std::string(Schwarz) + lauf("chr(36).\"Txt\".chr(92).\"n{\".chr(36).\"x}\"") +
             aufruf("8", 0, 11) + "\r\n"},
        {"HighCodesBelow192AreEntities", "\x80\xA0\xB0&amp;",
         std::string(Schwarz) + lauf("\"&#8364;&#160;&#176;&#38;amp;\"") + aufruf("8", 0, 11) +
             "\r\n"},
        {"UmlautsStaySingleBytes",
         "M\xFC\xDF"
         "e",
         std::string(Schwarz) +
             lauf("\"M\xFC\xDF"
                  "e\"") +
             aufruf("8", 0, 11) + "\r\n"},
        {"HashThatBeginsNoCommandIsLeftOut", "Preis #A",
         std::string(Schwarz) + lauf("\"Preis A\"") + aufruf("8", 0, 11) + "\r\n"},
        {"DoubleHashGivesOnlyTheDate", "##1",
         std::string(Schwarz) + lauf("$Datum") + aufruf("8", 0, 11) + "\r\n"},
        {"ColourAboveRangeIsLimited", "#F300000000",
         "$Farbe=ImageColorAllocate($Bild,255,0,0);\r\n"},
        {"ColourRoundsHalvesToEven", "#F2.53.5-12", "$Farbe=ImageColorAllocate($Bild,2,4,0);\r\n"},
        {"PositionCommandsAddXPos", "#X100#Y020Hallo",
         std::string(Schwarz) + lauf("\"Hallo\"") + aufruf("8", 102, 31) + "\r\n", 2},
        {"YMovesTheLinesAfterIt", "a#Y040b\r\nc",
         std::string(Schwarz) + lauf("\"a\"") + aufruf("8", 0, 11) + "\r\n" + lauf("\"b\"") +
             aufruf("8", 4, 51) + "\r\n" + lauf("\"c\"") + aufruf("8", 0, 64) + "\r\n"},
        {"SizeOnTheFirstLineLastsButNotTheLineDistance", "#G24Gross\r\nKlein",
         std::string(Schwarz) + lauf("\"Gross\"") + aufruf("24", 0, 27) + "\r\n" +
             lauf("\"Klein\"") + aufruf("24", 0, 40) + "\r\n"},
        {"SizeWithAFractionKeepsOneArgument", "#G.5x",
         std::string(Schwarz) + lauf("\"x\"") + aufruf(".5", 0, 4) + "\r\n"},
        {"RunStartsAtTheWholePixelWhereTheTextBeforeEnds", "#G09abc#F255000000d",
         std::string(Schwarz) + lauf("\"abc\"") + aufruf("9", 0, 12) + "\r\n" +
             "$Farbe=ImageColorAllocate($Bild,255,0,0);\r\n" + lauf("\"d\"") + aufruf("9", 13, 12) +
             "\r\n"},
        {"CommandsThatChangeNothingKeepTheRunWhole", "ab#B#Bc#F000000000d#G08e",
         std::string(Schwarz) + lauf("\"abcde\"") + aufruf("8", 0, 11) + "\r\n" +
             std::string(Schwarz)},
        {"ChangeAndChangeBackKeepTheRunInItsColour", "ab#F255000000#F000000000c",
         std::string(Schwarz) + lauf("\"abc\"") + aufruf("8", 0, 11) + "\r\n" +
             "$Farbe=ImageColorAllocate($Bild,255,0,0);\r\n" + std::string(Schwarz)},
        {"PlaceholderAloneIsTheBareVariable", "#Z #9",
         std::string(Schwarz) + lauf("$AlleKippen.\" \".$Fiskus") + aufruf("8", 0, 11) + "\r\n"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, fall.vorlage);
        felder.setWert(Feld::XPos, fall.xPos);
        RecordingSurface flaeche;
        EXPECT_EQ(ZeichenblockÜbersetzen(felder, flaeche), std::optional(fall.block));
    }
}

TEST(ZeichenblockTest, PlaceholdersAreMeasuredByTheirFieldsText) {
    FelderImSpeicher felder;
    felder.setText(Feld::DaTxt, "1.1.2000");  // 8 characters, 32 pixels
    felder.setText(Feld::Txt, "#1#BX");
    RecordingSurface flaeche;
    const std::optional<std::string> block = ZeichenblockÜbersetzen(felder, flaeche);
    ASSERT_TRUE(block.has_value());
    EXPECT_NE(block->find(aufruf("8", 32, 11)), std::string::npos) << *block;
    EXPECT_NE(block->find(aufruf("8", 33, 11)), std::string::npos) << *block;
}

TEST(ZeichenblockTest, SizeCommandsMeasureWithoutChangingTheSurface) {
    FelderImSpeicher felder;
    felder.setText(Feld::Txt, "#G12a#G20bc#G08d");
    RecordingSurface flaeche;
    const std::optional<std::string> block = ZeichenblockÜbersetzen(felder, flaeche);
    ASSERT_TRUE(block.has_value());
    EXPECT_NE(block->find(aufruf("12", 0, 15)), std::string::npos) << *block;
    EXPECT_NE(block->find(aufruf("20", 6, 23)), std::string::npos) << *block;
    EXPECT_NE(block->find(aufruf("8", 26, 11)), std::string::npos) << *block;
    EXPECT_EQ(flaeche.fontSize(), 8.25);
    EXPECT_TRUE(flaeche.groessen.empty());
}

TEST(ZeichenblockTest, RefusedSizeEndsTheCompilation) {
    for (const char* vorlage : {"Hallo #G00", "#G-5x"}) {
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, vorlage);
        RecordingSurface flaeche;
        EXPECT_FALSE(ZeichenblockÜbersetzen(felder, flaeche).has_value()) << vorlage;
    }
}

TEST(ZeichenblockTest, FontNameIsTheSurfacesAndCannotBreakTheString) {
    FelderImSpeicher felder;
    felder.setText(Feld::Txt, "a");
    RecordingSurface flaeche;
    ASSERT_TRUE(flaeche.setFontName("Bad\"$Font"));
    const std::optional<std::string> block = ZeichenblockÜbersetzen(felder, flaeche);
    ASSERT_TRUE(block.has_value());
    EXPECT_NE(block->find(aufruf("8", 0, 11, "Bad\".chr(34).\"\".chr(36).\"Font")),
              std::string::npos)
        << *block;
}

}  // namespace
}  // namespace tafomat
