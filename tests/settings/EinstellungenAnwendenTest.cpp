#include <gtest/gtest.h>

#include <tuple>

#include "settings/EinstellungenTestHilfe.h"

namespace tafomat {
namespace {

using test::andereDatensätze;
using test::datei;
using test::ProtokollFelder;
using test::ProtokollSurface;
using test::RecordingSurface;

EinstellungenErgebnis laden(const std::string& bytes, Felder& felder, Surface& surface) {
    return EinstellungenAnwenden(EinstellungenParsen(bytes), felder, surface);
}

// Each field that the file changes is written once, in the file's order, the picture loaded
// right after its path; a field that keeps its text is not written.
TEST(EinstellungenAnwenden, WritesEachChangedFieldOnceInFileOrder) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> protokoll;
        int angewendet;
        Abbruch abbruch;
    } fälle[] = {
        {"every record another",
         datei(andereDatensätze()) + "A\r\n",
         {"HintergrundPfad=C:\\Bilder\\wald.jpg", "laden C:\\Bilder\\wald.jpg",
          "HintergrundName=wald.jpg", "SchriftartListe=Courier New", "SchriftGröße= 12 ",
          "XPos=-12", "YPos=7", "Abstand=64", "DaTxt=01.02.2003", "AlTxt=6,50", "KiTxt=30",
          "AnTxt=99,95", "NeTxt=0,50", "StTxt=2,25", "Txt=A"},
         15,
         Abbruch::Keiner},
        {"the default design's file",
         EinstellungenText(FelderImSpeicher{}, RecordingSurface{}),
         {"laden leer.jpg", "SchriftGröße= 8 "},
         15,
         Abbruch::Keiner},
        {"an empty file", "", {}, 0, Abbruch::DateiEnde},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        std::vector<std::string> protokoll;
        ProtokollFelder felder(protokoll);
        ProtokollSurface surface(protokoll);
        const auto ergebnis = laden(fall.bytes, felder, surface);
        EXPECT_EQ(protokoll, fall.protokoll);
        EXPECT_EQ(ergebnis.angewendet, fall.angewendet);
        EXPECT_EQ(ergebnis.abbruch, fall.abbruch);
        EXPECT_FALSE(ergebnis.bildFehlt);
    }
}

// A picture that is not there is reported and keeps the one shown; an empty path removes it.
// Either way the rest loads.
TEST(EinstellungenAnwenden, MissingPictureIsReportedEmptyPathRemovesIt) {
    for (const auto& [pfad, fehlt, gezeigt] :
         {std::tuple{"fehlt.jpg", true, "vorher.jpg"}, std::tuple{"", false, ""}}) {
        SCOPED_TRACE(pfad);
        std::vector<std::string> zeilen = andereDatensätze();
        zeilen[0] = pfad;
        zeilen[1] = "fehlt.jpg";
        FelderImSpeicher felder;
        RecordingSurface surface;
        surface.loadBackground("vorher.jpg");
        const auto ergebnis = laden(datei(zeilen) + "A\r\n", felder, surface);
        EXPECT_EQ(ergebnis.bildFehlt, fehlt);
        EXPECT_EQ(ergebnis.angewendet, 15);
        EXPECT_EQ(surface.hintergrund, gezeigt);
        EXPECT_EQ(felder.text(Feld::HintergrundPfad), pfad);
        EXPECT_EQ(felder.text(Feld::HintergrundName), "fehlt.jpg");
        EXPECT_EQ(felder.wert(Feld::Abstand), 64);
        EXPECT_EQ(felder.text(Feld::StTxt), "2,25");
        EXPECT_EQ(felder.text(Feld::Txt), "A");
    }
}

TEST(EinstellungenAnwenden, StopsWhereTheReadingStopped) {
    for (const char* xPos : {" 65 ", "links"}) {
        std::vector<std::string> zeilen = andereDatensätze();
        zeilen[5] = xPos;
        FelderImSpeicher felder;
        RecordingSurface surface;
        const auto ergebnis = laden(datei(zeilen) + "A\r\n", felder, surface);
        EXPECT_EQ(ergebnis.angewendet, 5) << xPos;
        EXPECT_EQ(ergebnis.abbruch,
                  xPos[0] == ' ' ? Abbruch::AußerhalbBereich : Abbruch::KeineZahl);
        EXPECT_EQ(felder.text(Feld::HintergrundName), "wald.jpg");
        EXPECT_EQ(felder.text(Feld::SchriftartListe), "Courier New");
        EXPECT_EQ(felder.text(Feld::SchriftGröße), " 12 ");
        EXPECT_EQ(felder.wert(Feld::XPos), 0);
        EXPECT_EQ(felder.wert(Feld::YPos), 0);
        EXPECT_EQ(felder.text(Feld::DaTxt), "04.11.2010");
        EXPECT_EQ(felder.text(Feld::Txt), Startvorlage());
    }
}

TEST(EinstellungenAnwenden, EditedColourRecordChangesNothing) {
    std::vector<std::string> schwarz, weiß;
    std::vector<std::string> zeilen = andereDatensätze();
    zeilen[4] = " 0 ";
    {
        ProtokollFelder felder(schwarz);
        ProtokollSurface surface(schwarz);
        laden(datei(zeilen) + "A\r\n", felder, surface);
    }
    zeilen[4] = "16777215";
    ProtokollFelder felder(weiß);
    ProtokollSurface surface(weiß);
    laden(datei(zeilen) + "A\r\n", felder, surface);
    EXPECT_EQ(weiß, schwarz);
    EXPECT_EQ(surface.textColor(), 0);
    EXPECT_TRUE(surface.farben.empty());
}

}  // namespace
}  // namespace tafomat
