#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/Zahlen.h"

using namespace tafomat;

TEST(NumberText, RegionalAndPlain) {
    struct Fall {
        const char* name;
        double zahl;
        const char* regional;
        const char* plain;
    };
    const Fall fälle[] = {
        {"zero", 0, "0", " 0"},
        {"negative zero", -0.0, "0", " 0"},
        {"whole", 5875, "5875", " 5875"},
        {"negative whole", -3, "-3", "-3"},
        {"cents", 1994000, "1994000", " 1994000"},
        {"negative cents", -6000, "-6000", "-6000"},
        {"half", 132187.5, "132187,5", " 132187.5"},
        {"below one", 0.5, "0,5", " .5"},
        {"above minus one", -0.5, "-0,5", "-.5"},
        {"noise of 0.1 + 0.2", 0.1 + 0.2, "0,3", " .3"},
        {"a third", 1.0 / 3, "0,333333333333333", " .333333333333333"},
        {"two thirds round up", 2.0 / 3, "0,666666666666667", " .666666666666667"},
        {"minus two thirds", -2.0 / 3, "-0,666666666666667", "-.666666666666667"},
        {"rounds to one", 0.9999999999999999, "1", " 1"},
        {"fifteen digits", 123456789012345.0, "123456789012345", " 123456789012345"},
        {"sixteenth digit rounded", 1234567890123456.0, "1234567890123460", " 1234567890123460"},
        {"large", 1e20, "100000000000000000000", " 100000000000000000000"},
        {"tiny", 1e-20, "0,00000000000000000001", " .00000000000000000001"},
        {"negative tiny", -2.5e-7, "-0,00000025", "-.00000025"},
        {"fraction with fifteen digits", 1.0 / 7 * 100, "14,2857142857143", " 14.2857142857143"},
    };
    for (const Fall& fall : fälle) {
        EXPECT_EQ(regionalNumberText(fall.zahl), fall.regional) << fall.name;
        EXPECT_EQ(plainNumberText(fall.zahl), fall.plain) << fall.name;
    }
}

TEST(NumberText, ExtremesHaveNoExponent) {
    const std::string größte = regionalNumberText(std::numeric_limits<double>::max());
    EXPECT_EQ(größte.size(), 309u);
    EXPECT_EQ(größte.substr(0, 15), "179769313486232");
    EXPECT_EQ(größte.find_first_not_of("0123456789"), std::string::npos);

    const std::string kleinste = plainNumberText(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(kleinste.substr(0, 2), " .");
    EXPECT_EQ(kleinste.substr(kleinste.size() - 15), "494065645841247");
    EXPECT_EQ(kleinste.size(), 2u + 323u + 15u);
}

// Callers check finiteness first; the texts only must not break on it.
TEST(NumberText, NonFiniteGetsWords) {
    const double unendlich = std::numeric_limits<double>::infinity();
    EXPECT_EQ(regionalNumberText(unendlich), "inf");
    EXPECT_EQ(plainNumberText(-unendlich), "-inf");
    EXPECT_EQ(regionalNumberText(std::nan("")), "nan");
}

TEST(NumberText, RegionalTextReadsBack) {
    for (double zahl : {5875.0, -3.0, 0.5, 132187.5, 1e-20, 1e20, -123.456, 0.0}) {
        const std::optional<double> zurück = readDecimal(regionalNumberText(zahl));
        ASSERT_TRUE(zurück.has_value()) << zahl;
        EXPECT_DOUBLE_EQ(*zurück, zahl);
    }
}

TEST(AmountText, FromPlainText) {
    const std::pair<const char*, const char*> fälle[] = {
        // clang-format off
        {" 1994000", "19940,00"}, {"-6000", "-60,00"}, {" 50", ",50"}, {"-50", "-,50"},
        {"-5", ",-5"}, {" 5", ",5"}, {" 0", ",0"}, {" 2777.5", "2777,.5"}, {" .5", ",.5"},
        {"", ","}, {" 100", "1,00"},
        // clang-format on
    };
    for (const auto& [plain, betrag] : fälle)
        EXPECT_EQ(amountText(plain), betrag) << '"' << plain << '"';
}
