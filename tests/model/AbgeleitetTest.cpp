#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/Abgeleitet.h"

using namespace tafomat;

namespace {

const Tageszahl Beginn = tageszahl({2010, 11, 4});

// Outputs preset, so that a test can see which steps wrote them.
class AbgeleitetTest : public ::testing::Test {
  protected:
    AbgeleitetTest() {
        for (Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt}) {
            felder.setText(feld, "alt");
        }
    }

    bool berechnen(Tageszahl heute) { return AbgeleiteteWerteBerechnen(felder, FesteUhr(heute)); }

    std::vector<std::string> ausgaben() const {
        return {felder.text(Feld::TaTxt), felder.text(Feld::GZTxt), felder.text(Feld::GETxt),
                felder.text(Feld::GSTxt)};
    }

    FelderImSpeicher felder;
};

using Texte = std::vector<std::string>;

}  // namespace

TEST_F(AbgeleitetTest, DefaultsAfter5875Days) {
    EXPECT_TRUE(berechnen(Beginn + 5875));
    EXPECT_EQ(ausgaben(), (Texte{"5875", "129250", "23440,00", "17625,00"}));
}

// The amounts are computed with their exact decimal values: no binary noise shows, a fraction
// of a cent that is really there keeps its point, and a saving of exactly -2^127 units of its
// last place keeps its digits.
TEST_F(AbgeleitetTest, MoneyTextsShowTheExactResult) {
    struct Fall {
        std::vector<std::pair<Feld, const char*>> eingaben;
        int tage;
        Texte erwartet;
    };
    const Fall fälle[] = {
        {{{Feld::AlTxt, "5,55"}, {Feld::StTxt, "3,00"}},
         5875,
         {"5875", "129250", "26671,25", "17625,00"}},
        {{{Feld::AlTxt, "8,20"}, {Feld::StTxt, "0,29"}}, 7, {"7", "154", "-9,60", "2,03"}},
        {{{Feld::AlTxt, "0,10"}, {Feld::StTxt, "0,07"}}, 3, {"3", "66", "-62,70", ",21"}},
        {{{Feld::AlTxt, "4,35"}, {Feld::StTxt, "0,005"}},
         5555,
         {"5555", "122210", "18549,25", "2777,.5"}},
        {{{Feld::AlTxt, "1,1"}, {Feld::StTxt, "0,3"}},
         36525,
         {"36525", "803550", "3592,50", "10957,50"}},
        // (0 - 1) cent - 0,70141183460469231731687303715884105728 cent = -2^127 / 10^38 cent
        {{{Feld::AlTxt, "0"},
          {Feld::NeTxt, "0,01"},
          {Feld::AnTxt, "0,0070141183460469231731687303715884105728"}},
         1,
         {"1", "22", "-1.701411834604,69", "3,00"}},
    };
    for (const Fall& fall : fälle) {
        FelderImSpeicher frisch;
        felder = frisch;
        std::string eingaben;
        for (const auto& [feld, text] : fall.eingaben) {
            felder.setText(feld, text);
            eingaben += std::string(feldName(feld)) + "=" + text + " ";
        }
        SCOPED_TRACE(eingaben);
        EXPECT_TRUE(berechnen(Beginn + fall.tage));
        EXPECT_EQ(ausgaben(), fall.erwartet);
    }
}

TEST_F(AbgeleitetTest, StartToday) {
    EXPECT_TRUE(berechnen(Beginn));
    EXPECT_EQ(ausgaben(), (Texte{"0", "0", "-60,00", ",0"}));
}

TEST_F(AbgeleitetTest, StartInTheFutureCountsNegative) {
    EXPECT_TRUE(berechnen(Beginn - 3));
    EXPECT_EQ(ausgaben(), (Texte{"-3", "-66", "-72,00", "-9,00"}));
}

TEST_F(AbgeleitetTest, TimeOfDayGivesFractionalDays) {
    felder.setText(Feld::DaTxt, "04.11.2010 12:00");
    EXPECT_TRUE(berechnen(Beginn + 5875));
    EXPECT_EQ(ausgaben(), (Texte{"5874,5", "129239", "23438,00", "17623,50"}));
}

TEST_F(AbgeleitetTest, FreeAmountOfZero) {
    felder.setText(Feld::StTxt, "0,00");
    EXPECT_TRUE(berechnen(Beginn + 5875));
    EXPECT_EQ(felder.text(Feld::GSTxt), ",0");
}

TEST_F(AbgeleitetTest, PointIsAThousandsMark) {
    felder.setText(Feld::AlTxt, "5.00");
    EXPECT_TRUE(berechnen(Beginn + 5875));
    EXPECT_EQ(felder.text(Feld::GETxt), "2931565,00");  // (50000 - 100) * 5875 - 6000 cents
}

TEST_F(AbgeleitetTest, LettersAsDateStopBeforeTheFirstStep) {
    felder.setText(Feld::DaTxt, "Montag");
    EXPECT_FALSE(berechnen(Beginn + 5875));
    EXPECT_EQ(ausgaben(), (Texte{"alt", "alt", "alt", "alt"}));
}

TEST_F(AbgeleitetTest, EachUnreadableInputStopsAtItsStep) {
    struct Fall {
        Feld feld;
        const char* text;
        Texte erwartet;
    };
    const Fall fälle[] = {
        {Feld::DaTxt, "31.02.2010", {"alt", "alt", "alt", "alt"}},
        {Feld::KiTxt, "", {"5875", "alt", "alt", "alt"}},
        {Feld::KiTxt, "zwei", {"5875", "alt", "alt", "alt"}},
        {Feld::AlTxt, "", {"5875", "129250", "alt", "alt"}},
        {Feld::NeTxt, "1;00", {"5875", "129250", "alt", "alt"}},
        {Feld::AnTxt, " ", {"5875", "129250", "alt", "alt"}},
        {Feld::StTxt, "-", {"5875", "129250", "23440,00", "alt"}},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(std::string(feldName(fall.feld)) + " = \"" + fall.text + "\"");
        FelderImSpeicher frisch;
        felder = frisch;
        for (Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt}) {
            felder.setText(feld, "alt");
        }
        felder.setText(fall.feld, fall.text);
        EXPECT_FALSE(berechnen(Beginn + 5875));
        EXPECT_EQ(ausgaben(), fall.erwartet);
    }
}

TEST_F(AbgeleitetTest, OverflowStopsLikeAnUnreadableInput) {
    felder.setText(Feld::AlTxt, "1" + std::string(306, '0'));  // 1e306 euros, finite
    EXPECT_FALSE(berechnen(Beginn + 5875));
    EXPECT_EQ(ausgaben(), (Texte{"5875", "129250", "alt", "alt"}));

    felder.setText(Feld::AlTxt, "5,00");
    felder.setText(Feld::KiTxt, std::string(400, '9'));
    EXPECT_FALSE(berechnen(Beginn + 5875));
    EXPECT_EQ(felder.text(Feld::GZTxt), "129250");
}

namespace {

// Stands for a window whose day field shows something else than was written into it, and
// records the order of the writes.
class UmschreibendeFelder : public FelderImSpeicher {
  public:
    void setText(Feld feld, const std::string& text) override {
        geschrieben.push_back(std::string(feldName(feld)));
        FelderImSpeicher::setText(feld, feld == Feld::TaTxt ? "10" : text);
    }
    std::vector<std::string> geschrieben;
};

}  // namespace

TEST(Abgeleitet, LaterStepsReadTheWrittenDayText) {
    UmschreibendeFelder felder;
    EXPECT_TRUE(AbgeleiteteWerteBerechnen(felder, FesteUhr(Beginn + 5875)));
    EXPECT_EQ(felder.geschrieben, (Texte{"TaTxt", "GZTxt", "GETxt", "GSTxt"}));
    EXPECT_EQ(felder.text(Feld::GZTxt), "220");
    EXPECT_EQ(felder.text(Feld::GETxt), "-20,00");  // 400 * 10 - 6000 cents
    EXPECT_EQ(felder.text(Feld::GSTxt), "30,00");
}
