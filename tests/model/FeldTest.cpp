#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/Cp1252.h"
#include "model/Feld.h"
#include "model/Felder.h"

using namespace tafomat;

// The defaults that the start file takes from the fields are spelled out once, in the settings
// suite; these are the others.
TEST(Felder, StartFromTheDesignDefaults) {
    const FelderImSpeicher felder;
    const std::pair<Feld, const char*> fälle[] = {
        // clang-format off
        {Feld::SchriftartListe, "Arial"}, {Feld::SchriftGröße, "8"}, {Feld::BildArt, "jpeg"},
        {Feld::TaTxt, ""}, {Feld::GZTxt, ""}, {Feld::GETxt, ""}, {Feld::GSTxt, ""},
        {Feld::QuTxt, ""},
        // clang-format on
    };
    for (const auto& [feld, text] : fälle) EXPECT_EQ(felder.text(feld), text) << feldName(feld);
}

TEST(Cp1252, EveryCodeSurvivesARoundTrip) {
    std::set<char32_t> gesehen;
    for (int code = 0; code < 256; ++code) {
        const char32_t zeichen = unicodeFromCp1252(static_cast<unsigned char>(code));
        EXPECT_TRUE(gesehen.insert(zeichen).second)
            << "two codes give U+" << std::hex << static_cast<unsigned>(zeichen);
        const auto zurück = cp1252FromUnicode(zeichen);
        ASSERT_TRUE(zurück.has_value()) << code;
        EXPECT_EQ(*zurück, code);
    }
}

TEST(Cp1252, KnownCodes) {
    EXPECT_EQ(unicodeFromCp1252(0x80), U'\u20AC');
    EXPECT_EQ(cp1252FromUnicode(U'\u20AC'), 0x80);
    EXPECT_EQ(cp1252FromUnicode(U'\u201E'), 0x84);
    EXPECT_EQ(cp1252FromUnicode(U'\u00FC'), 0xFC);
    EXPECT_EQ(cp1252FromUnicode(U'\u00DF'), 0xDF);
    EXPECT_EQ(unicodeFromCp1252(0x9F), U'\u0178');
}

TEST(Cp1252, CodePointsOutsideHaveNoCode) {
    for (char32_t zeichen :
         {U'\u0100', U'\u0080', U'\u009F', U'\u2028', U'\uFFFD', U'\U0001F600'}) {
        EXPECT_FALSE(cp1252FromUnicode(zeichen).has_value()) << static_cast<unsigned>(zeichen);
    }
}
