#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "model/Zahlen.h"

using namespace tafomat;

namespace tafomat {
static bool operator==(const Kalenderdatum& a, const Kalenderdatum& b) {
    return a.jahr == b.jahr && a.monat == b.monat && a.tag == b.tag;
}
static void PrintTo(const Kalenderdatum& d, std::ostream* os) {
    *os << d.tag << '.' << d.monat << '.' << d.jahr;
}
}  // namespace tafomat

TEST(ReadDecimal, Numbers) {
    struct Fall {
        const char* text;
        double wert;
    };
    const Fall fälle[] = {
        {"5,00", 5},    {"60,00", 60},       {"5.50", 550},
        {"5.00", 500},  {"1.234,5", 1234.5}, {"1.2.3", 123},
        {"5.", 5},      {" -3 ", -3},        {"+2,5", 2.5},
        {",5", 0.5},    {"5,", 5},           {"0,00", 0},
        {"22", 22},     {"-0,25", -0.25},    {"0,1", 0.1},
        {"5,55", 5.55}, {"5875", 5875},      {"132187,5", 132187.5},
    };
    for (const Fall& fall : fälle) {
        const std::optional<double> wert = readDecimal(fall.text);
        ASSERT_TRUE(wert.has_value()) << fall.text;
        EXPECT_EQ(*wert, fall.wert) << fall.text;
    }
}

TEST(ReadDecimal, NoNumber) {
    for (const char* text : {"", " ", "-", "+", ",", ".", "-,", "+.", "1,2,3", "5 5", "5a", "a5",
                             "1e5", "--5", "5,00 EUR", "&H10"}) {
        EXPECT_FALSE(readDecimal(text).has_value()) << '"' << text << '"';
    }
}

TEST(ReadDecimal, HugeDigitRunOverflowsInsteadOfFailing) {
    const std::optional<double> wert = readDecimal(std::string(400, '9'));
    ASSERT_TRUE(wert.has_value());
    EXPECT_TRUE(std::isinf(*wert));
}

namespace {

int monatsLänge(int jahr, int monat) {
    if (monat == 2) return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0 ? 29 : 28;
    return monat == 4 || monat == 6 || monat == 9 || monat == 11 ? 30 : 31;
}

}  // namespace

// Walks the calendar day by day from 1.1.100 to 31.12.9999; the last day's number pins every
// other's (30.12.1899 is day 0).
TEST(Tageszahl, EveryDayOfYears100To9999) {
    Kalenderdatum tag{100, 1, 1};
    double nummer = tageszahl(tag);
    int fehler = 0;
    while (tag.jahr < 10000 && fehler < 5) {
        if (tageszahl(tag) != nummer || !(kalenderdatum(nummer) == tag)) {
            ADD_FAILURE() << tag.tag << "." << tag.monat << "." << tag.jahr << " vs " << nummer;
            ++fehler;
        }
        ++nummer;
        if (++tag.tag > monatsLänge(tag.jahr, tag.monat)) {
            tag.tag = 1;
            if (++tag.monat > 12) {
                tag.monat = 1;
                ++tag.jahr;
            }
        }
    }
    EXPECT_EQ(nummer - 1, 2958465);
}

TEST(Tageszahl, CalendarDateDropsTheTimeOfDay) {
    EXPECT_EQ(kalenderdatum(40486.75), (Kalenderdatum{2010, 11, 4}));
    EXPECT_EQ(kalenderdatum(-0.5), (Kalenderdatum{1899, 12, 29}));
}

TEST(ReadDate, Dates) {
    struct Fall {
        const char* text;
        Kalenderdatum datum;
        double uhrzeit;
    };
    const Fall fälle[] = {
        // clang-format off
        {"04.11.2010", {2010, 11, 4}, 0}, {"4.1.2010", {2010, 1, 4}, 0},
        {"  04.11.2010 ", {2010, 11, 4}, 0}, {"29.02.2000", {2000, 2, 29}, 0},
        {"29.02.2012", {2012, 2, 29}, 0}, {"31.12.9999", {9999, 12, 31}, 0},
        {"01.01.0100", {100, 1, 1}, 0}, {"1.1.100", {100, 1, 1}, 0}, {"1.1.999", {999, 1, 1}, 0},
        {"1.1.00", {2000, 1, 1}, 0}, {"1.1.5", {2005, 1, 1}, 0}, {"1.1.29", {2029, 1, 1}, 0},
        {"1.1.30", {1930, 1, 1}, 0}, {"1.1.99", {1999, 1, 1}, 0}, {"29.2.96", {1996, 2, 29}, 0},
        {"04.11.2010 12:00", {2010, 11, 4}, 0.5}, {"04.11.2010 0:00", {2010, 11, 4}, 0},
        {"04.11.2010 06:00:36", {2010, 11, 4}, 0.25 + 36 / 86400.0},
        {"04.11.2010   23:59:59 ", {2010, 11, 4}, 86399 / 86400.0},
        // clang-format on
    };
    for (const Fall& fall : fälle) {
        const std::optional<Tageszahl> tage = readDate(fall.text);
        ASSERT_TRUE(tage.has_value()) << fall.text;
        EXPECT_DOUBLE_EQ(*tage, tageszahl(fall.datum) + fall.uhrzeit) << fall.text;
    }
}

TEST(ReadDate, NoDate) {
    const auto keinDatum = [](std::initializer_list<const char*> texte) {
        for (const char* text : texte)
            EXPECT_FALSE(readDate(text).has_value()) << '"' << text << '"';
    };
    keinDatum({"", "   ", "abc", "31.02.2010", "29.02.2011", "29.02.2100", "31.04.2010",
               "32.01.2010", "00.01.2010", "1.13.2010", "1.0.2010"});
    keinDatum({"04.11", "04.11.", "04/11/2010", "4,11,2010", "04.11.2010x", "004.11.2010",
               "04.011.2010", "04.11.20100", "1.1.0099", "1.1.099", "-1.1.2010", "04 .11.2010",
               "4.11.2010."});
    keinDatum({"04.11.2010 x", "04.11.2010 24:00", "04.11.2010 12",
               "04.11.2010 12:", "04.11.2010 12:60", "04.11.2010 12:00:60",
               "04.11.2010 12:00:00:00", "04.11.201012:00", "04.11.2010 12:00 13:00"});
}
