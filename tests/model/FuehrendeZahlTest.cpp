#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/Zahlen.h"

using namespace tafomat;

namespace {

struct Fall {
    const char* name;
    std::string text;
    double wert;
};

constexpr double Unendlich = std::numeric_limits<double>::infinity();

}  // namespace

TEST(LeadingNumber, Table) {
    const Fall fälle[] = {
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"digits", "045", 45},
        {"blank inside", "1 2", 12},
        {"tab and line feed inside", "\t1\t2\n3 ", 123},
        {"carriage return stops", "1\r2", 1},
        {"comma stops", "5,00", 5},
        {"point", "2.5", 2.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"second point stops", "1.2.3", 1.2},
        {"lone point", ".", 0},
        {"plus", "+7", 7},
        {"minus", "-12", -12},
        {"blank after sign", "- 3", -3},
        {"lone sign", "-", 0},
        {"two signs", "+-1", 0},
        {"exponent E", "1E2", 100},
        {"exponent e with sign", "25e-1", 2.5},
        {"exponent D", "1D2", 100},
        {"exponent d with plus", "1d+2", 100},
        {"exponent letter without digits", "1E", 1},
        {"exponent sign without digits", "2.5E+", 2.5},
        {"exponent followed by letter", "3e-x", 3},
        {"stops after exponent digits", "1e1e1", 10},
        {"hex", "&HFF", 255},
        {"hex lower case", "&hff", 255},
        {"hex stops at non-digit", "&H1G", 1},
        {"hex without digits", "&H", 0},
        {"negative hex", "-&H10", -16},
        {"octal", "&O17", 15},
        {"octal lower case", "&o7", 7},
        {"octal stops at 8", "&O18", 1},
        {"ampersand alone", "&", 0},
        {"ampersand other letter", "&X1", 0},
        {"blank in hex", "& H 1 F", 31},
        {"huge exponent", "1e400", Unendlich},
        {"huge negative", "-1e400", -Unendlich},
        {"exponent digits beyond any int", "1e99999999999999999999999", Unendlich},
        {"tiny exponent", "1e-400", 0},
        {"zero with huge exponent", "0e99999", 0},
        {"many digits", "1" + std::string(400, '0'), Unendlich},
        {"many fraction zeros", "." + std::string(400, '0') + "1", 0},
    };
    for (const Fall& fall : fälle) {
        EXPECT_EQ(leadingNumber(fall.text), fall.wert) << fall.name;
    }
}

TEST(LeadingNumber, DecimalDigitsAreExact) {
    EXPECT_EQ(leadingNumber("0.1"), 0.1);
    EXPECT_EQ(leadingNumber("123.456e-2"), 1.23456);
}
