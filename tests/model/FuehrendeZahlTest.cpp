#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/Zahlen.h"

using namespace tafomat;

namespace {

constexpr double Unendlich = std::numeric_limits<double>::infinity();

struct Fall {
    std::string text;
    double wert;
};

template <std::size_t N>
void liest(const Fall (&fälle)[N]) {
    for (const Fall& fall : fälle)
        EXPECT_EQ(leadingNumber(fall.text), fall.wert) << '"' << fall.text << '"';
}

}  // namespace

TEST(LeadingNumber, DigitsBlanksAndThePoint) {
    const Fall fälle[] = {
        {"", 0},     {"abc", 0},   {"045", 45}, {"1 2", 12}, {"\t1\t2\n3 ", 123}, {"1\r2", 1},
        {"5,00", 5}, {"2.5", 2.5}, {".5", 0.5}, {"5.", 5},   {"1.2.3", 1.2},      {".", 0}};
    liest(fälle);
}

TEST(LeadingNumber, SignsAndExponents) {
    const Fall fälle[] = {{"+7", 7},      {"-12", -12},   {"- 3", -3},  {"-", 0},      {"+-1", 0},
                          {"1E2", 100},   {"25e-1", 2.5}, {"1D2", 100}, {"1d+2", 100}, {"1E", 1},
                          {"2.5E+", 2.5}, {"3e-x", 3},    {"1e1e1", 10}};
    liest(fälle);
}

TEST(LeadingNumber, HexadecimalAndOctal) {
    const Fall fälle[] = {{"&HFF", 255},  {"&hff", 255}, {"&H1G", 1},    {"&H", 0},
                          {"-&H10", -16}, {"&O17", 15},  {"&o7", 7},     {"&O18", 1},
                          {"&", 0},       {"&X1", 0},    {"& H 1 F", 31}};
    liest(fälle);
}

TEST(LeadingNumber, ExactAndBeyondAnyNumber) {
    const Fall fälle[] = {{"0.1", 0.1},  // decimal digits are exact
                          {"123.456e-2", 1.23456},
                          {"1e400", Unendlich},
                          {"-1e400", -Unendlich},
                          {"1e99999999999999999999999", Unendlich},
                          {"1e-400", 0},
                          {"0e99999", 0},
                          {"1" + std::string(400, '0'), Unendlich},
                          {"." + std::string(400, '0') + "1", 0}};
    liest(fälle);
}
