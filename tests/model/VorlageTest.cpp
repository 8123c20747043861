#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Vorlage.h"

using namespace tafomat;

namespace {

// The text characters of a scan, in order, as one string.
std::string textzeichen(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& token : tokens) {
        if (token.art == TokenArt::Textzeichen) text += token.zeichen;
    }
    return text;
}

std::vector<TokenArt> arten(const std::vector<Token>& tokens) {
    std::vector<TokenArt> liste;
    for (const Token& token : tokens) liste.push_back(token.art);
    return liste;
}

}  // namespace

TEST(Vorlage, EmptyTemplateYieldsNoTokens) {
    EXPECT_TRUE(scanTemplate("").empty());
}

TEST(Vorlage, HashAtTheEndIsText) {
    const auto tokens = scanTemplate("ab#");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[2].art, TokenArt::Textzeichen);
    EXPECT_EQ(tokens[2].zeichen, '#');
    EXPECT_EQ(tokens[2].position, 3u);
}

TEST(Vorlage, HashBeforePlaceholderIsTextThenPlaceholder) {
    const auto tokens = scanTemplate("##1");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].art, TokenArt::Textzeichen);
    EXPECT_EQ(tokens[0].zeichen, '#');
    EXPECT_EQ(tokens[1].art, TokenArt::Platzhalter);
    EXPECT_EQ(tokens[1].zeichen, '1');
    EXPECT_EQ(tokens[1].position, 2u);
    EXPECT_EQ(tokens[1].breite, 2u);
}

TEST(Vorlage, CommandNamesAreCaseSensitiveAndZeroIsNoPlaceholder) {
    for (const char* vorlage : {"#x045", "#y012", "#f255255255", "#g12", "#b", "#z", "#0", "#A"}) {
        SCOPED_TRACE(vorlage);
        const auto tokens = scanTemplate(vorlage);
        EXPECT_EQ(tokens.size(), std::string(vorlage).size());
        EXPECT_EQ(textzeichen(tokens), vorlage);
    }
}

TEST(Vorlage, EveryPlaceholderIsTwoCharactersWide) {
    const auto tokens = scanTemplate("#1#2#3#4#5#6#7#8#9#Z");
    ASSERT_EQ(tokens.size(), 10u);
    const std::string namen = "123456789Z";
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].art, TokenArt::Platzhalter);
        EXPECT_EQ(tokens[i].zeichen, namen[i]);
        EXPECT_EQ(tokens[i].position, 2 * i + 1);
        EXPECT_EQ(tokens[i].breite, 2u);
    }
}

TEST(Vorlage, FieldsAreTakenByPositionNotScanned) {
    const auto tokens = scanTemplate("#X#1a");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].art, TokenArt::BefehlX);
    EXPECT_EQ(tokens[0].breite, 5u);
    EXPECT_EQ(tokens[0].werte[0], 0);

    const auto mitBefehl = scanTemplate("#Y#B1Q");
    ASSERT_EQ(mitBefehl.size(), 2u);
    EXPECT_EQ(mitBefehl[0].art, TokenArt::BefehlY);
    EXPECT_EQ(mitBefehl[1].zeichen, 'Q');
    EXPECT_EQ(mitBefehl[1].position, 6u);
}

TEST(Vorlage, ColourFieldsAreRedGreenBlue) {
    struct Fall {
        const char* vorlage;
        double rot, grün, blau;
    };
    const Fall fälle[] = {
        {"#F255000000", 255, 0, 0},     {"#F007007007", 7, 7, 7},  {"#F000128255", 0, 128, 255},
        {"#F1.5-12999", 1.5, -12, 999}, {"#Fab 3 4 5x", 0, 34, 5},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.vorlage);
        const auto tokens = scanTemplate(fall.vorlage);
        ASSERT_EQ(tokens.size(), 1u);
        EXPECT_EQ(tokens[0].art, TokenArt::BefehlF);
        EXPECT_EQ(tokens[0].breite, 11u);
        EXPECT_EQ(tokens[0].werte[0], fall.rot);
        EXPECT_EQ(tokens[0].werte[1], fall.grün);
        EXPECT_EQ(tokens[0].werte[2], fall.blau);
    }
}

TEST(Vorlage, FieldValuesByLeadingNumberReading) {
    struct Fall {
        const char* vorlage;
        TokenArt art;
        double wert;
    };
    const Fall fälle[] = {
        {"#X045", TokenArt::BefehlX, 45}, {"#X5 Z", TokenArt::BefehlX, 5},
        {"#Xab!", TokenArt::BefehlX, 0},  {"#Y-12", TokenArt::BefehlY, -12},
        {"#Y1 2", TokenArt::BefehlY, 12}, {"#G8a", TokenArt::BefehlG, 8},
        {"#G01", TokenArt::BefehlG, 1},   {"#G99", TokenArt::BefehlG, 99},
        {"#X&HF", TokenArt::BefehlX, 15}, {"#Y1E2", TokenArt::BefehlY, 100},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.vorlage);
        const auto tokens = scanTemplate(fall.vorlage);
        ASSERT_EQ(tokens.size(), 1u);
        EXPECT_EQ(tokens[0].art, fall.art);
        EXPECT_EQ(tokens[0].werte[0], fall.wert);
    }
}

TEST(Vorlage, SizeCommandThenText) {
    const auto tokens = scanTemplate("#G12Hallo");
    ASSERT_EQ(tokens.size(), 6u);
    EXPECT_EQ(tokens[0].art, TokenArt::BefehlG);
    EXPECT_EQ(tokens[0].breite, 4u);
    EXPECT_EQ(tokens[0].werte[0], 12);
    EXPECT_EQ(textzeichen(tokens), "Hallo");
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].position, i + 4);
        EXPECT_EQ(tokens[i].breite, 1u);
    }
}

TEST(Vorlage, ShortFieldSwallowsTheCarriageReturn) {
    const auto x = scanTemplate("#X12\r\nab");
    EXPECT_EQ(arten(x),
              (std::vector{TokenArt::BefehlX, TokenArt::Textzeichen, TokenArt::Textzeichen}));
    EXPECT_EQ(x[0].werte[0], 12);
    EXPECT_EQ(x[1].position, 7u);

    const auto g = scanTemplate("#G8\r\nab");
    EXPECT_EQ(arten(g),
              (std::vector{TokenArt::BefehlG, TokenArt::Textzeichen, TokenArt::Textzeichen}));
    EXPECT_EQ(g[0].werte[0], 8);
}

TEST(Vorlage, FieldsPastTheEndAreShorter) {
    struct Fall {
        const char* vorlage;
        TokenArt art;
        double werte[3];
    };
    const Fall fälle[] = {
        {"#X", TokenArt::BefehlX, {0, 0, 0}},
        {"#X7", TokenArt::BefehlX, {7, 0, 0}},
        {"#G", TokenArt::BefehlG, {0, 0, 0}},
        {"#G3", TokenArt::BefehlG, {3, 0, 0}},
        {"#F2551", TokenArt::BefehlF, {255, 1, 0}},
        {"#F", TokenArt::BefehlF, {0, 0, 0}},
        {"#F1234567", TokenArt::BefehlF, {123, 456, 7}},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.vorlage);
        const auto tokens = scanTemplate(fall.vorlage);
        ASSERT_EQ(tokens.size(), 1u);
        EXPECT_EQ(tokens[0].art, fall.art);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(tokens[0].werte[k], fall.werte[k]);
    }
}

TEST(Vorlage, OnlyTheCarriageReturnBreaksTheLine) {
    const auto tokens = scanTemplate(
        "a\tb\nc\rd\x01\x1F"
        "e");
    EXPECT_EQ(textzeichen(tokens), "abcde");
    ASSERT_EQ(tokens.size(), 6u);
    EXPECT_EQ(tokens[3].art, TokenArt::Zeilenumbruch);
    EXPECT_EQ(tokens[3].position, 6u);
    EXPECT_EQ(tokens[3].breite, 1u);
    EXPECT_EQ(tokens[5].position, 10u);
}

TEST(Vorlage, LineBreakPairYieldsOneBreak) {
    const auto tokens = scanTemplate("a\r\nb");
    EXPECT_EQ(arten(tokens),
              (std::vector{TokenArt::Textzeichen, TokenArt::Zeilenumbruch, TokenArt::Textzeichen}));
    EXPECT_EQ(tokens[2].position, 4u);
}

TEST(Vorlage, HighCodesAreText) {
    std::string alle;
    for (int code = 128; code <= 255; ++code) alle += static_cast<char>(code);
    const auto tokens = scanTemplate(alle);
    ASSERT_EQ(tokens.size(), 128u);
    EXPECT_EQ(textzeichen(tokens), alle);
}

TEST(Vorlage, BoldTogglesAndMixedLine) {
    const auto tokens = scanTemplate("#B\xE4#B #1#F255255255x");
    EXPECT_EQ(arten(tokens),
              (std::vector{TokenArt::BefehlB, TokenArt::Textzeichen, TokenArt::BefehlB,
                           TokenArt::Textzeichen, TokenArt::Platzhalter, TokenArt::BefehlF,
                           TokenArt::Textzeichen}));
    const std::size_t positionen[] = {1, 3, 4, 6, 7, 9, 20};
    const std::size_t breiten[] = {2, 1, 2, 1, 2, 11, 1};
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].position, positionen[i]) << i;
        EXPECT_EQ(tokens[i].breite, breiten[i]) << i;
    }
}
