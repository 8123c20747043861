#include <gtest/gtest.h>

#include "settings/EinstellungenTestHilfe.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

TEST(EinstellungenText, DefaultDesignGivesTheStartFileByteForByte) {
    const FelderImSpeicher felder;
    RecordingSurface surface;  // Arial at 8.25 points, black
    const std::string erwartet =
        "leer.jpg\r\nleer.jpg\r\nArial\r\n 8 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n"
        "04.11.2010\r\n5,00\r\n22\r\n60,00\r\n1,00\r\n3,00\r\n" +
        std::string(20, ' ') +
        "Jandor Kelmis aus 99999 Falkenmoor hat dieses Programm programmiert.\r\n" +
        std::string(95, ' ') +
        "24 Stunden hat er daf\xFC"
        "r gebraucht.\r\n" +
        "\r\n" + std::string(109, ' ') + "Das war vor #2 Tagen.\r\n" + std::string(120, ' ') +
        "Am #1\r\n" + "\r\n";
    EXPECT_EQ(EinstellungenText(felder, surface), erwartet);
}

TEST(EinstellungenText, NumberLinesCarryASignPlaceAndOneTrailingBlank) {
    FelderImSpeicher felder;
    felder.setWert(Feld::XPos, -12);
    felder.setWert(Feld::YPos, 64);
    felder.setWert(Feld::Abstand, 0);
    RecordingSurface surface;
    surface.setFontSize(12.99);
    surface.setTextColor(farbwert(255, 255, 255));
    felder.setText(Feld::HintergrundPfad, "");
    felder.setText(Feld::HintergrundName, "");
    surface.setFontName("Courier New");
    const std::string anfang =
        "\r\n\r\nCourier New\r\n 12 \r\n 16777215 \r\n-12 \r\n 64 \r\n 0 \r\n";
    EXPECT_EQ(EinstellungenText(felder, surface).substr(0, anfang.size()), anfang);
}

TEST(EinstellungenText, TemplateGetsOneMoreLineBreak) {
    const struct {
        const char* vorlage;
        const char* ende;
    } fälle[] = {
        {"A\r\nB\r\n", "3,00\r\nA\r\nB\r\n\r\n"},
        {"A\r\nB", "3,00\r\nA\r\nB\r\n"},
        {"", "3,00\r\n\r\n"},
    };
    for (const auto& fall : fälle) {
        FelderImSpeicher felder;
        felder.setText(Feld::Txt, fall.vorlage);
        const std::string text = EinstellungenText(felder, RecordingSurface{});
        EXPECT_TRUE(text.ends_with(fall.ende)) << fall.vorlage;
    }
}

TEST(EinstellungenDateiname, AppendsTxtUnlessTheNameEndsInExactlyTxt) {
    const std::pair<const char*, const char*> fälle[] = {
        // clang-format off
        {"Tafomat", "Tafomat.txt"}, {"Tafomat.txt", "Tafomat.txt"}, {"name.TXT", "name.TXT.txt"},
        {"name.Txt", "name.Txt.txt"}, {"", ".txt"}, {"txt", "txt.txt"}, {".txt", ".txt"},
        {"a.txt ", "a.txt .txt"}, {"/home/a/b.tx", "/home/a/b.tx.txt"},
        // clang-format on
    };
    for (const auto& [name, erwartet] : fälle)
        EXPECT_EQ(EinstellungenDateiname(name), erwartet) << name;
}

}  // namespace
}  // namespace tafomat
