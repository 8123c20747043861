// What the script's variables hold on the server, run by the real PHP under a fixed clock in
// Europe/Berlin, against ServerWerte and against what the window shows for the same day.
#include "phpgen/ServerWerte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "model/Abgeleitet.h"
#include "phpgen/PhpAufruf.h"
#include "phpgen/PhpSkript.h"
#include "phpgen/PhpText.h"

namespace tafomat::test {
namespace {

// The texts as the script holds them: typed text with GD's escapes, as the value lines write it.
std::vector<std::string> imSkript(const ServerWerte& w) {
    // clang-format off
    return {gezeichneterText(w.datum), w.tage, w.alteKosten, gezeichneterText(w.kippen), w.alleKippen,
            w.anschaffung, w.neueKosten, w.gespart, w.steuern, w.fiskus};
    // clang-format on
}

// The local calendar day of an instant written as "2026-07-01 00:30:00+02:00".
Tageszahl tagDes(const std::string& uhr) {
    return tageszahl(
        {std::stoi(uhr.substr(0, 4)), std::stoi(uhr.substr(5, 2)), std::stoi(uhr.substr(8, 2))});
}

class ServerWerteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(ausführen(mitUhr("2026-12-07 12:00:00+00:00") + "php -r 'exit(0);'").status, 0)
            << "php-cli and faketime are needed";
    }

    // Writes the design's script under the name; false when none can be made.
    bool skriptAblegen(const Felder& design, const std::string& name) {
        RecordingSurface fläche;
        const std::optional<std::string> skript = PhpSkript(design, fläche);
        if (skript) schreiben(ordner / (name + ".php"), *skript + "\r\n");
        return skript.has_value();
    }

    // The values of every script of the folder at the instant `uhr`, the server in
    // Europe/Berlin.
    std::map<std::string, std::vector<std::string>> aufDemServer(const std::string& uhr) {
        const Ergebnis lauf =
            ausführen(mitUhr(uhr) + php({"-d", "error_reporting=-1", "-d", "display_errors=stderr",
                                         "-d", "date.timezone=Europe/Berlin", Skriptlauf.string(),
                                         "werte", ordner.string()}),
                      ordner / "fehler.txt");
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lesen(ordner / "fehler.txt"), "");
        return skriptWerte(lauf.ausgabe);
    }

    PhpOrdner platz;  // removed unless the test failed
    const fs::path ordner = platz.pfad();
};

struct Tag {
    const char* beginn;
    const char* uhr;  // the server's clock
    int tage;
};

// Calendar days in the server's zone at every hour, also on the days the clocks change
// (29 March and 25 October 2026), for years PHP's date functions read otherwise (0100).
TEST_F(ServerWerteTest, DaysAreTheCalendarsInTheServersZone) {
    const Tag tage[] = {
        // clang-format off
        {"04.11.2010", "2026-07-01 00:30:00+02:00", 5718}, {"04.11.2010", "2026-07-01 23:59:59+02:00", 5718},
        {"04.11.2010", "2026-03-28 23:59:59+01:00", 5623}, {"04.11.2010", "2026-03-29 00:00:00+01:00", 5624},
        {"04.11.2010", "2026-03-29 01:59:59+01:00", 5624}, {"04.11.2010", "2026-03-29 03:00:00+02:00", 5624},
        {"04.11.2010", "2026-03-29 23:59:59+02:00", 5624}, {"04.11.2010", "2026-03-30 00:00:00+02:00", 5625},
        {"04.11.2010", "2026-10-25 00:30:00+02:00", 5834}, {"04.11.2010", "2026-10-25 02:30:00+02:00", 5834},
        {"04.11.2010", "2026-10-25 02:30:00+01:00", 5834}, {"04.11.2010", "2026-10-25 23:59:59+01:00", 5834},
        {"04.11.2010", "2026-10-26 00:00:00+01:00", 5835}, {"29.03.2026", "2026-03-29 03:00:00+02:00", 0},
        {"29.03.2026", "2026-03-30 00:00:00+02:00", 1}, {"25.10.2026", "2026-10-25 23:59:59+01:00", 0},
        {"25.10.2026", "2026-10-26 00:30:00+01:00", 1}, {"01.07.2025", "2026-01-01 00:30:00+01:00", 184},
        {"4.11.10", "2026-07-01 00:30:00+02:00", 5718}, {"01.08.2026", "2026-07-01 00:30:00+02:00", -31},
        {"01.07.1926", "2026-07-01 00:30:00+02:00", 36525}, {"04.11.0100", "2026-07-01 00:30:00+02:00", 703331},
        {"01.03.0101", "2026-10-25 02:30:00+01:00", 703330}, {"31.12.0999", "2026-03-29 03:00:00+02:00", 374827},
        // clang-format on
    };
    for (const Tag& tag : tage) {
        SCOPED_TRACE(std::string(tag.beginn) + " at " + tag.uhr);
        FelderImSpeicher design;
        design.setText(Feld::BildQuallität, "75");
        design.setText(Feld::DaTxt, tag.beginn);
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        ASSERT_TRUE(skriptAblegen(design, "tag"));
        const auto server = aufDemServer(tag.uhr);
        ASSERT_EQ(server.count("tag"), 1u);
        EXPECT_EQ(server.at("tag").at(1), std::to_string(tag.tage));
        const std::optional<ServerWerte> werte = ServerWerteBerechnen(design, tagDes(tag.uhr));
        ASSERT_TRUE(werte.has_value());
        EXPECT_EQ(imSkript(*werte), server.at("tag"));
        ASSERT_TRUE(AbgeleiteteWerteBerechnen(design, FesteUhr(tagDes(tag.uhr))));
        EXPECT_EQ(design.text(Feld::TaTxt), std::to_string(tag.tage));
    }
}

struct Betrag {
    const char* text;
    const char* cent;   // the whole cents the script holds
    bool wieImFenster;  // the window's totals equal the server's (whole cents within range)
};

// An amount as the old cost and as the free amount; the window's totals are those of the
// server to the cent, and ServerWerte is what PHP computes, also beyond PHP's int range.
TEST_F(ServerWerteTest, AmountsAreTheirExactCents) {
    const Betrag beträge[] = {
        // clang-format off
        {"4,35", "435", true}, {"8,20", "820", true}, {"0,29", "29", true},
        {"2,01", "201", true}, {"5,5", "550", true}, {"-1,50", "-150", true},
        {"5.00", "50000", true}, {"1.234,56", "123456", true}, {" 3,00 ", "300", true},
        {"0,00", "0", true}, {"9999,99", "999999", true}, {"-0,29", "-29", true},
        {"0,005", "0", false}, {"-0,005", "-1", false}, {"1,999", "199", false},
        {"12345678901234567,89", "1234567890123456789", false},
        {"99999999999999999999,99", "9999999999999999999999", false},
        // clang-format on
    };
    const std::string uhr = "2026-07-01 12:00:00+02:00";
    for (std::size_t i = 0; i < std::size(beträge); ++i) {
        FelderImSpeicher design;
        design.setText(Feld::BildQuallität, "75");
        design.setText(Feld::AlTxt, beträge[i].text);
        design.setText(Feld::StTxt, beträge[i].text);
        ASSERT_TRUE(skriptAblegen(design, "b" + std::to_string(i)));
        const std::optional<Eingabewerte> eingaben = EingabewerteLesen(design);
        ASSERT_TRUE(eingaben.has_value());
        EXPECT_EQ(eingaben->alteKosten, beträge[i].cent) << beträge[i].text;
    }
    const auto server = aufDemServer(uhr);
    for (std::size_t i = 0; i < std::size(beträge); ++i) {
        SCOPED_TRACE(beträge[i].text);
        FelderImSpeicher design;
        design.setText(Feld::AlTxt, beträge[i].text);
        design.setText(Feld::StTxt, beträge[i].text);
        const std::optional<ServerWerte> werte = ServerWerteBerechnen(design, tagDes(uhr));
        ASSERT_TRUE(werte.has_value());
        EXPECT_EQ(imSkript(*werte), server.at("b" + std::to_string(i)));
        ASSERT_TRUE(AbgeleiteteWerteBerechnen(design, FesteUhr(tagDes(uhr))));
        if (!beträge[i].wieImFenster) continue;
        EXPECT_EQ(design.text(Feld::GETxt), werte->gespart);
        EXPECT_EQ(design.text(Feld::GSTxt), werte->fiskus);
    }
}

// Random designs, from ordinary amounts to ones beyond PHP's int range: ServerWerte is what
// PHP computes, byte for byte.
TEST_F(ServerWerteTest, RandomDesignsGiveWhatPhpComputes) {
    const std::string uhr = "2026-10-25 02:30:00+01:00";
    std::map<std::string, ServerWerte> erwartet;
    for (unsigned saat = 1; erwartet.size() < 300 && saat < 3000; ++saat) {
        FelderImSpeicher design;
        RecordingSurface fläche;
        Zufallsdesign(saat).füllen(design, fläche);
        const std::string name = "z" + std::to_string(saat);
        if (!skriptAblegen(design, name)) continue;
        const std::optional<ServerWerte> werte = ServerWerteBerechnen(design, tagDes(uhr));
        ASSERT_TRUE(werte.has_value()) << name;
        erwartet.emplace(name, *werte);
    }
    ASSERT_EQ(erwartet.size(), 300u);
    const auto server = aufDemServer(uhr);
    ASSERT_EQ(server.size(), 300u);
    for (const auto& [name, werte] : erwartet) EXPECT_EQ(imSkript(werte), server.at(name)) << name;
}

// Amounts from 0,00 to 9999,99 as the old cost and as the free amount over 100 years, and the
// largest over days up to 100 years: the window's totals are the server's to the cent. The grid
// takes every value near the ends and each power of ten, and between them a stride prime to 10,
// so that every last digit and carry meets every magnitude.
std::vector<int> stichproben(int bis, int schritt) {
    std::set<int> werte;
    for (int zehner = 1; zehner <= bis; zehner *= 10)
        for (int wert = std::max(0, zehner - 300); wert <= std::min(bis, zehner + 300); ++wert)
            werte.insert(wert);
    for (int wert = bis - 300; wert <= bis; ++wert) werte.insert(wert);
    for (int wert = 0; wert <= bis; wert += schritt) werte.insert(wert);
    return {werte.begin(), werte.end()};
}

TEST(ServerWerte, WindowAndServerAgreeForEveryAmountAndDay) {
    const Tageszahl beginn = tageszahl({1926, 7, 1});
    FelderImSpeicher design;
    design.setText(Feld::DaTxt, "01.07.1926");
    const auto gleich = [&](int cent, int tage) {
        const std::string betrag = std::to_string(cent / 100) + "," +
                                   std::to_string(cent % 100 / 10) + std::to_string(cent % 10);
        design.setText(Feld::AlTxt, betrag);
        design.setText(Feld::StTxt, betrag);
        const std::optional<ServerWerte> server = ServerWerteBerechnen(design, beginn + tage);
        return server && AbgeleiteteWerteBerechnen(design, FesteUhr(beginn + tage)) &&
               design.text(Feld::GETxt) == server->gespart &&
               design.text(Feld::GSTxt) == server->fiskus;
    };
    int abweichend = 0;
    for (const int cent : stichproben(999999, 97)) abweichend += !gleich(cent, 36525);
    for (const int tage : stichproben(36525, 7)) abweichend += !gleich(999999, tage);
    EXPECT_EQ(abweichend, 0);
}

TEST(ServerWerte, NoValuesWhereNoScriptCouldBeMade) {
    const std::string zuGroß(400, '9');
    const std::pair<Feld, std::string> fälle[] = {
        {Feld::DaTxt, "gestern"}, {Feld::AlTxt, ""}, {Feld::KiTxt, "viele"}, {Feld::StTxt, zuGroß}};
    for (const auto& [feld, text] : fälle) {
        FelderImSpeicher design;
        design.setText(feld, text);
        EXPECT_FALSE(ServerWerteBerechnen(design, tageszahl({2026, 7, 1})).has_value()) << text;
    }
}

}  // namespace
}  // namespace tafomat::test
