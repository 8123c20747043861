// What the window and the command line word alike: the findings about a design, decided once.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "design/Befunde.h"
#include "design/Gestaltung.h"

namespace tafomat {
namespace {

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

TEST(Findings, TheFirstUnreadableInputIsTheOneTheScriptReadsFirst) {
    struct Fall {
        const char* name;
        std::initializer_list<std::pair<Feld, const char*>> eingaben;
        bool größeGestoppt;
        std::optional<Feld> feld;
        std::optional<Lesefehler> fehler;
    };
    const Fall fälle[] = {
        {"all read", {}, false, std::nullopt, std::nullopt},
        // The redraw computes the cigarettes before the old cost; the script reads the cost first.
        {"cost before cigarettes",
         {{Feld::KiTxt, "viele"}, {Feld::AlTxt, ""}},
         false,
         Feld::AlTxt,
         Lesefehler::Leer},
        {"date first",
         {{Feld::StTxt, "x"}, {Feld::DaTxt, "31.02."}},
         false,
         Feld::DaTxt,
         Lesefehler::KeinDatum},
        {"the size after the inputs",
         {{Feld::NeTxt, "1e999"}},
         true,
         Feld::NeTxt,
         Lesefehler::KeineZahl},
        {"the size alone", {}, true, Feld::SchriftGröße, std::nullopt},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        FelderImSpeicher felder;
        for (const auto& [feld, text] : fall.eingaben) felder.setText(feld, text);
        const std::optional<Zeichenstopp> stopp =
            fall.größeGestoppt ? std::optional(Zeichenstopp{Zeichenstopp::Bei::Grundgröße})
                               : std::nullopt;
        const std::optional<Eingabebefund> befund = ersteUnlesbareEingabe(felder, stopp);
        ASSERT_EQ(befund.has_value(), fall.feld.has_value());
        if (!befund) continue;
        EXPECT_EQ(befund->feld, *fall.feld);
        EXPECT_EQ(befund->lesefehler, fall.fehler);
    }
}

TEST(Findings, TheFontStandsAsThePreviewDrawsIt) {
    struct Fall {
        const char* name;
        const char* gewählt;
        Schriftlage lage;
        std::optional<std::string> ersatz;
    };
    const Fall fälle[] = {
        {"installed", "Liberation Sans", Schriftlage::Gezeichnet, std::nullopt},
        {"bound to its equal", "Arial", Schriftlage::Gezeichnet, std::nullopt},
        {"fontconfig's nearest", "Courier", Schriftlage::Gezeichnet, "Liberation Mono"},
        {"no file: the preview keeps its font", "Gibt es nicht 4711", Schriftlage::Anders,
         std::nullopt},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        GdSurface vorschau;
        Gestaltungsfelder felder(vorschau, Uhr);
        felder.setText(Feld::SchriftartListe, fall.gewählt);
        const Schriftbefund befund = schriftPrüfen(felder, vorschau);
        EXPECT_EQ(befund.lage, fall.lage);
        EXPECT_EQ(befund.ersatz, fall.ersatz);
        EXPECT_TRUE(befund.vorschauHatSchrift);
    }
}

TEST(Findings, TheOutputTypeAndQualityAsTheScriptTakesThem) {
    struct Fall {
        const char* art;
        std::optional<std::string_view> qualität;
        std::optional<Ausgabemangel> mangel;
        int höchste;
    };
    const Fall fälle[] = {
        {"jpeg", "75", std::nullopt, 0},           {"PNG", std::nullopt, std::nullopt, 0},
        {"bmp", "75", Ausgabemangel::KeineArt, 0}, {"gif", "", Ausgabemangel::GifOhneQualität, 0},
        {"png", "10", Ausgabemangel::Qualität, 9}, {"jpeg", "7,5", Ausgabemangel::Qualität, 100},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.art);
        const std::optional<Ausgabebefund> befund = ausgabePrüfen(fall.art, fall.qualität);
        ASSERT_EQ(befund.has_value(), fall.mangel.has_value());
        if (!befund) continue;
        EXPECT_EQ(befund->mangel, *fall.mangel);
        EXPECT_EQ(befund->höchste, fall.höchste);
    }
}

}  // namespace
}  // namespace tafomat
