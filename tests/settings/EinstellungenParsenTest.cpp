#include <gtest/gtest.h>

#include "settings/EinstellungenTestHilfe.h"

namespace tafomat {
namespace {

using test::andereDatensätze;
using test::datei;

// Records 1 to 14 with one record replaced.
std::string mitDatensatz(int nummer, const std::string& zeile) {
    std::vector<std::string> zeilen = andereDatensätze();
    zeilen[nummer - 1] = zeile;
    return datei(zeilen);
}

TEST(EinstellungenParsen, StopsAtTheFirstRecordThatCannotBeRead) {
    const std::string vierzehn = datei(andereDatensätze());
    const struct {
        const char* name;
        std::string bytes;
        int gelesen;
        Abbruch abbruch;
    } fälle[] = {
        // clang-format off
        {"empty file", "", 0, Abbruch::DateiEnde},
        {"ends after record 3", datei({"a.jpg", "a.jpg", "Arial"}), 3, Abbruch::DateiEnde},
        {"record 3 without line end", "a.jpg\r\na.jpg\r\nArial", 3, Abbruch::DateiEnde},
        {"ends after record 14", vierzehn, 14, Abbruch::DateiEnde},
        {"ends after record 14 without line end", vierzehn.substr(0, vierzehn.size() - 2), 14, Abbruch::DateiEnde},
        {"colour of letters", mitDatensatz(5, "schwarz"), 4, Abbruch::KeineZahl},
        {"colour line empty", mitDatensatz(5, ""), 4, Abbruch::KeineZahl},
        {"XPos 65", mitDatensatz(6, " 65 "), 5, Abbruch::AußerhalbBereich},
        {"XPos -65", mitDatensatz(6, "-65 "), 5, Abbruch::AußerhalbBereich},
        {"XPos of letters", mitDatensatz(6, "abc"), 5, Abbruch::KeineZahl},
        {"YPos rounds to 65", mitDatensatz(7, " 64.5 "), 6, Abbruch::AußerhalbBereich},
        {"Abstand -1", mitDatensatz(8, "-1 "), 7, Abbruch::AußerhalbBereich},
        {"Abstand of endless digits", mitDatensatz(8, std::string(400, '9')), 7, Abbruch::AußerhalbBereich},
        {"font name as long as a field holds", mitDatensatz(3, std::string(32767, 'A')), 14, Abbruch::DateiEnde},
        {"AlTxt longer than a field holds", mitDatensatz(10, std::string(32766, '0') + "5,00"), 9, Abbruch::ZuLang},
        {"picture path of a megabyte of NULs", std::string(1 << 20, '\0'), 0, Abbruch::ZuLang},
        {"a whole file", vierzehn + "\r\n", 15, Abbruch::Keiner},
        // clang-format on
    };
    for (const auto& fall : fälle) {
        const Einstellungen e = EinstellungenParsen(fall.bytes);
        EXPECT_EQ(e.gelesen, fall.gelesen) << fall.name;
        EXPECT_EQ(e.abbruch, fall.abbruch) << fall.name;
        const auto da = test::vorhanden(e);
        for (int i = 0; i < EinstellungenDatensätze; ++i) {
            EXPECT_EQ(da[i], i < fall.gelesen) << fall.name << ", record " << i + 1;
        }
    }
}

TEST(EinstellungenParsen, NumberRecordsTakeBlanksASignDigitsAndRoundFractions) {
    const std::pair<const char*, int> zahlen[] = {
        {" 8 ", 8},   {"-12 ", -12}, {"12", 12},  {"\t3\t", 3},  {"+7", 7},
        {"0064", 64}, {"-0", 0},     {"5.4", 5},  {"5.5", 6},    {"-5.5", -6},
        {".5", 1},    {"5.", 5},     {"-.49", 0}, {"  64  ", 64}};
    for (const auto& [zeile, wert] : zahlen) {
        const Einstellungen e = EinstellungenParsen(mitDatensatz(6, zeile));
        EXPECT_EQ(e.zahl(Feld::XPos), wert) << '"' << zeile << '"';
        EXPECT_EQ(e.abbruch, Abbruch::DateiEnde) << '"' << zeile << '"';
    }
    for (const char* zeile :
         {"", " ", "5x", "5 5", "x5", "5,5", "--5", "- 5", ".", "-", "1e1", "&H10", "5.5.5"}) {
        const Einstellungen e = EinstellungenParsen(mitDatensatz(6, zeile));
        EXPECT_EQ(e.zahl(Feld::XPos), std::nullopt) << '"' << zeile << '"';
        EXPECT_EQ(e.abbruch, Abbruch::KeineZahl) << '"' << zeile << '"';
    }
}

TEST(EinstellungenParsen, SizeRecordIsTakenAsTextWithItsBlanks) {
    for (const char* zeile : {" 8 ", "8", "  zwölf\t", ""}) {
        EXPECT_EQ(EinstellungenParsen(mitDatensatz(4, zeile)).text(Feld::SchriftGröße), zeile);
    }
}

TEST(EinstellungenParsen, TemplateJoinsTheRemainingLines) {
    const struct {
        const char* rest;
        const char* vorlage;
    } fälle[] = {
        {"A\r\nB\r\n\r\n", "A\r\nB\r\n"},  // two lines with a break after each
        {"A\r\nB\r\n", "A\r\nB"},
        {"\r\n", ""},
        {"A", "A"},  // edited by hand, no final line break
        {"\r\n\r\n", "\r\n"},
        {"A\rB\nC\r\n", "A\r\nB\r\nC"},  // lone CR and lone LF end lines too
        {"A\n\rB\r\n", "A\r\n\r\nB"},    // LF then CR is two line ends
        {"A\r\r\n", "A\r\n"},
    };
    for (const auto& fall : fälle) {
        const Einstellungen e = EinstellungenParsen(datei(andereDatensätze()) + fall.rest);
        EXPECT_EQ(e.text(Feld::Txt), fall.vorlage) << fall.rest;
    }
}

TEST(EinstellungenParsen, LoneCrOrLoneLfLineEndsReadLikeCrLf) {
    const std::string crlf = datei(andereDatensätze()) + "A\r\n\r\nB\r\n";
    for (const char* ende : {"\r", "\n"}) {
        std::string anders;
        for (std::size_t i = 0; i < crlf.size(); ++i) {
            const bool paar = crlf.compare(i, 2, "\r\n") == 0;
            anders += paar ? ende : std::string(1, crlf[i]);
            if (paar) ++i;
        }
        const Einstellungen a = EinstellungenParsen(crlf);
        const Einstellungen b = EinstellungenParsen(anders);
        EXPECT_EQ(b.gelesen, 15);
        EXPECT_EQ(b.werte, a.werte);
        EXPECT_EQ(b.text(Feld::Txt), "A\r\n\r\nB");
    }
}

TEST(EinstellungenParsen, ACutFileKeepsTheRecordsBeforeTheCut) {
    const std::string ganz = datei(andereDatensätze()) + "A\r\nB\r\n";
    int vorher = 0;
    std::size_t zeilenende = 0;
    for (std::size_t länge = 0; länge <= ganz.size(); ++länge) {
        const Einstellungen e = EinstellungenParsen(std::string_view(ganz).substr(0, länge));
        EXPECT_GE(e.gelesen, vorher) << länge;
        vorher = e.gelesen;
        if (länge >= 2 && ganz.compare(länge - 2, 2, "\r\n") == 0 && ++zeilenende <= 14) {
            EXPECT_EQ(e.gelesen, static_cast<int>(zeilenende)) << länge;
            EXPECT_EQ(e.abbruch, Abbruch::DateiEnde) << länge;
        }
    }
    EXPECT_EQ(vorher, 15);
}

}  // namespace
}  // namespace tafomat
