#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/Vorlage.h"

using namespace tafomat;

namespace {

// The tokens in a short form: a text character in quotes, a line break as CR, a command with its
// field values, a placeholder by its name; each at its position, with its width unless it is 1.
std::string kurzform(const std::vector<Token>& tokens) {
    std::ostringstream text;
    for (const Token& token : tokens) {
        if (text.tellp() > 0) text << ' ';
        switch (token.art) {
            case TokenArt::Textzeichen:
                text << '\'' << token.zeichen << '\'';
                break;
            case TokenArt::Zeilenumbruch:
                text << "CR";
                break;
            case TokenArt::BefehlX:
                text << 'X' << token.werte[0];
                break;
            case TokenArt::BefehlY:
                text << 'Y' << token.werte[0];
                break;
            case TokenArt::BefehlG:
                text << 'G' << token.werte[0];
                break;
            case TokenArt::BefehlF:
                text << 'F' << token.werte[0] << ',' << token.werte[1] << ',' << token.werte[2];
                break;
            case TokenArt::BefehlB:
                text << 'B';
                break;
            case TokenArt::Platzhalter:
                text << '#' << token.zeichen;
                break;
        }
        text << '@' << token.position;
        if (token.breite != 1) text << '+' << token.breite;
    }
    return text.str();
}

}  // namespace

TEST(Vorlage, YieldsTextLineBreaksCommandsAndPlaceholders) {
    const struct {
        const char* name;
        std::string vorlage;
        const char* tokens;
    } fälle[] = {
        {"empty", "", ""},
        {"a hash at the end is text", "ab#", "'a'@1 'b'@2 '#'@3"},
        {"a hash before a placeholder", "##1", "'#'@1 #1@2+2"},
        {"every placeholder", "#1#2#3#4#5#6#7#8#9#Z",
         "#1@1+2 #2@3+2 #3@5+2 #4@7+2 #5@9+2 #6@11+2 #7@13+2 #8@15+2 #9@17+2 #Z@19+2"},
        {"bold, text, a placeholder and a colour", "#B\xE4#B #1#F255255255x",
         "B@1+2 '\xE4'@3 B@4+2 ' '@6 #1@7+2 F255,255,255@9+11 'x'@20"},
        {"a size, then text", "#G12Hallo", "G12@1+4 'H'@5 'a'@6 'l'@7 'l'@8 'o'@9"},
        {"fields are taken, not scanned", "#X#1a", "X0@1+5"},
        {"a command inside a field", "#Y#B1Q", "Y0@1+5 'Q'@6"},
        {"red", "#F255000000", "F255,0,0@1+11"},
        {"seven each", "#F007007007", "F7,7,7@1+11"},
        {"red, green and blue in order", "#F000128255", "F0,128,255@1+11"},
        {"colour fields read as numbers", "#F1.5-12999", "F1.5,-12,999@1+11"},
        {"colour fields with letters and blanks", "#Fab 3 4 5x", "F0,34,5@1+11"},
        {"a blank ends the number", "#X5 Z", "X5@1+5"},
        {"letters read 0", "#Xab!", "X0@1+5"},
        {"a sign", "#Y-12", "Y-12@1+5"},
        {"a blank inside", "#Y1 2", "Y12@1+5"},
        {"a letter after the size", "#G8a", "G8@1+4"},
        {"sizes from 01", "#G01", "G1@1+4"},
        {"to 99", "#G99", "G99@1+4"},
        {"hexadecimal", "#X&HF", "X15@1+5"},
        {"an exponent", "#Y1E2", "Y100@1+5"},
        {"a short field swallows the carriage return", "#X12\r\nab", "X12@1+5 'a'@7 'b'@8"},
        {"so does a short size", "#G8\r\nab", "G8@1+4 'a'@6 'b'@7"},
        // Fields that run past the end are shorter; the command keeps its total width.
        {"#X at the end", "#X", "X0@1+5"},
        {"its field cut short", "#X7", "X7@1+5"},
        {"#G at the end", "#G", "G0@1+4"},
        {"its field cut short", "#G3", "G3@1+4"},
        {"colour fields cut short", "#F2551", "F255,1,0@1+11"},
        {"#F at the end", "#F", "F0,0,0@1+11"},
        {"the blue field cut short", "#F1234567", "F123,456,7@1+11"},
        {"only the carriage return breaks the line",
         "a\tb\nc\rd\x01\x1F"
         "e",
         "'a'@1 'b'@3 'c'@5 CR@6 'd'@7 'e'@10"},
        {"a line break pair is one break", "a\r\nb", "'a'@1 CR@2 'b'@4"},
    };
    for (const auto& fall : fälle) {
        EXPECT_EQ(kurzform(scanTemplate(fall.vorlage)), fall.tokens) << fall.name;
    }
}

TEST(Vorlage, CommandNamesAreCaseSensitiveAndZeroIsNoPlaceholder) {
    for (const std::string vorlage :
         {"#x045", "#y012", "#f255255255", "#g12", "#b", "#z", "#0", "#A"}) {
        std::string zeichen;
        for (std::size_t i = 0; i < vorlage.size(); ++i)
            zeichen += (i ? " '" : "'") + vorlage.substr(i, 1) + "'@" + std::to_string(i + 1);
        EXPECT_EQ(kurzform(scanTemplate(vorlage)), zeichen);
    }
}

TEST(Vorlage, HighCodesAreText) {
    std::string alle;
    for (int code = 128; code <= 255; ++code) alle += static_cast<char>(code);
    const auto tokens = scanTemplate(alle);
    ASSERT_EQ(tokens.size(), 128u);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].art, TokenArt::Textzeichen);
        EXPECT_EQ(tokens[i].zeichen, alle[i]);
    }
}
