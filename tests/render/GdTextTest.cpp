// The text engine against libgd itself, the library PHP draws with on the server.
#include <gd.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

#include "render/GdHilfe.h"
#include "render/GdSchrift.h"
#include "render/Schriftsuche.h"

namespace tafomat {
namespace {

struct Fall {
    const char* name;
    const char* familie;
    std::string cp1252;  // as the template holds it
    std::string utf8;    // as GD reads the script's string
};

class GdText : public ::testing::TestWithParam<Fall> {};

// Kerned pairs, a blank before a capital (kerned in Liberation Sans), umlauts and the euro sign,
// at whole and fractional sizes, at the picture's left edge and beyond it.
TEST_P(GdText, DrawsEveryPixelAndAdvancesAsLibgd) {
    const std::optional<std::string> datei = schriftdateiSuchen(GetParam().familie);
    ASSERT_TRUE(datei.has_value()) << GetParam().familie << " is not installed";
    const auto schrift = GdSchrift::öffnen(*datei);
    ASSERT_NE(schrift, nullptr);
    for (double punkte = 1; punkte <= 40; punkte += punkte < 12 ? 0.25 : 1) {
        for (const int x : {0, 3, -7}) {
            SCOPED_TRACE(std::to_string(punkte) + " pt at x " + std::to_string(x));
            const test::GdErgebnis gd = test::gdZeichnen(test::muster(700, 110), *datei, punkte, x,
                                                         70, GetParam().utf8, 0xFA1464);
            ASSERT_TRUE(gd.gemessen && !gd.abgelehnt);
            Bild bild = test::muster(700, 110);
            GdLauf lauf(schrift->größe(punkte));
            lauf.anhängen(unicodeText(GetParam().cp1252));
            lauf.zeichnen(bild, x, 70, 0xFA1464);
            ASSERT_EQ(test::unterschiede(bild, gd.bild), 0);
            EXPECT_NEAR(static_cast<double>(lauf.vorschub()) / StiftJePixel, gd.vorschub, 1e-3);
        }
        int rahmen[8];
        ASSERT_EQ(gdImageStringFTEx(nullptr, rahmen, 0, const_cast<char*>(datei->c_str()), punkte,
                                    0, 0, 0, const_cast<char*>(GetParam().utf8.c_str()), nullptr),
                  nullptr);
        GdLauf lauf(schrift->größe(punkte));
        lauf.anhängen(unicodeText(GetParam().cp1252));
        EXPECT_EQ(lauf.rahmen(), (Textrahmen{rahmen[2], rahmen[1], rahmen[7]})) << punkte << " pt";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schriften, GdText,
    ::testing::Values(Fall{"LiberationSansForArial", "Arial", "AVAWAY To. Ty, Wa 1234 Am Ende",
                           "AVAWAY To. Ty, Wa 1234 Am Ende"},
                      Fall{"Umlauts", "Arial", "dann wei\xDF und gelb: \xC4\xD6\xDC \x80 5,00",
                           "dann wei\xC3\x9F und gelb: \xC3\x84\xC3\x96\xC3\x9C \xE2\x82\xAC 5,00"},
                      Fall{"DejaVuSans", "DejaVu Sans", "Yo! AV To W. 99999 Falkenmoor",
                           "Yo! AV To W. 99999 Falkenmoor"},
                      Fall{"LiberationMonoDoesNotKern", "Liberation Mono", "AV To Wa", "AV To Wa"}),
    [](const auto& info) { return std::string(info.param.name); });

// The script's raqm measures come from a few long texts shaped at once: each character's advance
// and each pair's kerning or ligature must be what libraqm gives the pair as a call of its own.
TEST(GdSchrift, RaqmMeasuresAreWhatRaqmGivesEachPair) {
    const std::u32string zeichen = U" AVTWYLPafilot.,1\u20AC\u00E4";
    for (const char* familie : {"Arial", "DejaVu Sans"}) {
        const auto schrift = GdSchrift::öffnen(*schriftdateiSuchen(familie));
        ASSERT_NE(schrift, nullptr);
        for (const double punkte : {7.0, 11.5}) {
            const std::shared_ptr<GdGröße> größe = schrift->größe(punkte);
            int ligaturen = 0;
            int kerning = 0;
            for (const char32_t a : zeichen) {
                const auto allein = größe->raqmSatz(std::u32string(1, a));
                ASSERT_TRUE(allein && allein->size() == 1);
                EXPECT_EQ(größe->raqmVorschub(a), allein->front().vorschub);
                for (const char32_t b : zeichen) {
                    SCOPED_TRACE(std::string(familie) + " " + std::to_string(punkte) +
                                 " pt: " + std::to_string(a) + " " + std::to_string(b));
                    const auto paar = größe->raqmSatz(std::u32string{a, b});
                    ASSERT_TRUE(paar && !paar->empty());
                    const RaqmPaar gemessen = größe->raqmPaar(a, b);
                    EXPECT_EQ(gemessen.ligatur, paar->size() == 1);
                    if (paar->size() == 2) {
                        EXPECT_EQ(gemessen.kerning,
                                  paar->front().vorschub - allein->front().vorschub);
                    }
                    ligaturen += gemessen.ligatur;
                    kerning += gemessen.kerning != 0;
                }
            }
            // Both fonts kern, and DejaVu Sans joins "fi".
            EXPECT_GT(kerning, 10);
            EXPECT_EQ(ligaturen > 0, std::string(familie) == "DejaVu Sans");
        }
    }
}

TEST(GdSchrift, SizesAreRefusedWhereGdRefusesThem) {
    const auto schrift = GdSchrift::öffnen(*schriftdateiSuchen("Arial"));
    ASSERT_NE(schrift, nullptr);
    for (const double punkte : {0.0, -3.0, 0.01, 8.0, 15728.0, 15729.0, 1e6}) {
        int rahmen[8];
        const bool gdNimmt =
            gdImageStringFT(nullptr, rahmen, 0, const_cast<char*>(schrift->pfad().c_str()), punkte,
                            0, 0, 0, const_cast<char*>("W")) == nullptr;
        EXPECT_EQ(schrift->größe(punkte) != nullptr, gdNimmt) << punkte;
    }
}

TEST(GdSchrift, DamagedOrForeignFilesAreRefused) {
    const std::string ordner = ::testing::TempDir();
    std::ifstream echt(*schriftdateiSuchen("Arial"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(echt)), {});
    const std::string halb = ordner + "/halb.ttf";
    std::ofstream(halb, std::ios::binary) << bytes.substr(0, bytes.size() / 3);
    const std::string text = ordner + "/text.ttf";
    std::ofstream(text, std::ios::binary) << "keine Schrift";
    for (const std::string& datei : {halb, text, ordner + "/fehlt.ttf", ordner})
        EXPECT_EQ(GdSchrift::öffnen(datei), nullptr) << datei;
}

}  // namespace
}  // namespace tafomat
