#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/Abgeleitet.h"

using namespace tafomat;

namespace {

const Tageszahl Beginn = tageszahl({2010, 11, 4});

using Texte = std::vector<std::string>;
using Eingaben = std::vector<std::pair<Feld, std::string>>;

// The four outputs after computing on the day, with the outputs preset, so that a test can see
// which steps wrote them, and the inputs at their start values but those given.
struct Berechnung {
    bool fertig;
    Texte ausgaben;
};
Berechnung berechnen(const Eingaben& eingaben, Tageszahl heute) {
    FelderImSpeicher felder;
    for (const Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
        felder.setText(feld, "alt");
    for (const auto& [feld, text] : eingaben) felder.setText(feld, text);
    const bool fertig = AbgeleiteteWerteBerechnen(felder, FesteUhr(heute));
    return {fertig,
            {felder.text(Feld::TaTxt), felder.text(Feld::GZTxt), felder.text(Feld::GETxt),
             felder.text(Feld::GSTxt)}};
}

}  // namespace

// The amounts are computed with their exact decimal values: no binary noise shows, a
// fraction of a cent that is really there keeps its point, and a saving of exactly -2^127 units of
// its last place keeps its digits.
TEST(Abgeleitet, DaysCigarettesSavingAndFreeTotal) {
    // clang-format off
    const struct {
        const char* name;
        Eingaben eingaben;
        int tage;
        Texte erwartet;
    } fälle[] = {
        {"start values", {}, 5875, {"5875", "129250", "23440,00", "17625,00"}},
        {"cents", {{Feld::AlTxt, "5,55"}}, 5875, {"5875", "129250", "26671,25", "17625,00"}},
        {"negative saving", {{Feld::AlTxt, "8,20"}, {Feld::StTxt, "0,29"}}, 7, {"7", "154", "-9,60", "2,03"}},
        {"below one euro", {{Feld::AlTxt, "0,10"}, {Feld::StTxt, "0,07"}}, 3, {"3", "66", "-62,70", ",21"}},
        {"half a cent", {{Feld::AlTxt, "4,35"}, {Feld::StTxt, "0,005"}}, 5555, {"5555", "122210", "18549,25", "2777,.5"}},
        {"a hundred years", {{Feld::AlTxt, "1,1"}, {Feld::StTxt, "0,3"}}, 36525, {"36525", "803550", "3592,50", "10957,50"}},
        {"start today", {}, 0, {"0", "0", "-60,00", ",0"}},
        {"start in the future", {}, -3, {"-3", "-66", "-72,00", "-9,00"}},
        {"time of day", {{Feld::DaTxt, "04.11.2010 12:00"}}, 5875, {"5874,5", "129239", "23438,00", "17623,50"}},
        {"no free amount", {{Feld::StTxt, "0,00"}}, 5875, {"5875", "129250", "23440,00", ",0"}},
        // (50000 - 100) * 5875 - 6000 cents
        {"a point is a thousands mark", {{Feld::AlTxt, "5.00"}}, 5875, {"5875", "129250", "2931565,00", "17625,00"}},
    };
    // clang-format on
    for (const auto& fall : fälle) {
        const Berechnung ergebnis = berechnen(fall.eingaben, Beginn + fall.tage);
        EXPECT_TRUE(ergebnis.fertig) << fall.name;
        EXPECT_EQ(ergebnis.ausgaben, fall.erwartet) << fall.name;
    }
}

// An input that cannot be read, or a result beyond any number, stops at its step; what the steps
// before wrote stays.
TEST(Abgeleitet, EachUnreadableInputStopsAtItsStep) {
    const struct {
        Feld feld;
        std::string text;
        Texte erwartet;
    } fälle[] = {
        {Feld::DaTxt, "Montag", {"alt", "alt", "alt", "alt"}},
        {Feld::DaTxt, "31.02.2010", {"alt", "alt", "alt", "alt"}},
        {Feld::KiTxt, "", {"5875", "alt", "alt", "alt"}},
        {Feld::KiTxt, "zwei", {"5875", "alt", "alt", "alt"}},
        {Feld::KiTxt, std::string(400, '9'), {"5875", "alt", "alt", "alt"}},
        {Feld::AlTxt, "", {"5875", "129250", "alt", "alt"}},
        {Feld::AlTxt, "1" + std::string(306, '0'), {"5875", "129250", "alt", "alt"}},  // finite
        {Feld::NeTxt, "1;00", {"5875", "129250", "alt", "alt"}},
        {Feld::AnTxt, " ", {"5875", "129250", "alt", "alt"}},
        {Feld::StTxt, "-", {"5875", "129250", "23440,00", "alt"}},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(std::string(feldName(fall.feld)) + " = \"" + fall.text.substr(0, 12) + "\"");
        const Berechnung ergebnis = berechnen({{fall.feld, fall.text}}, Beginn + 5875);
        EXPECT_FALSE(ergebnis.fertig);
        EXPECT_EQ(ergebnis.ausgaben, fall.erwartet);
    }
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
