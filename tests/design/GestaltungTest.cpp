// What the window and the command line do alike with a design, on the plain field store.
#include <gtest/gtest.h>

#include "design/Gestaltung.h"
#include "render/Bilddatei.h"

namespace tafomat {
namespace {

const FesteUhr Uhr(tageszahl({2026, 12, 7}));

// jpeg offers 100 down to 0 and takes 75, png 9 down to 0 and takes 9; any other type becomes
// gif, which takes none.
TEST(BildArtAnwenden, TypeSetsItsQualityAndTheListOffersItsRange) {
    const struct {
        const char* art;
        const char* nachher;
        const char* qualität;
        int höchste;  // the list's first entry; -1: an empty list
    } fälle[] = {{"jpeg", "jpeg", "75", 100},
                 {"png", "png", "9", 9},
                 {"gif", "gif", "", -1},
                 {"PNG", "gif", "", -1},
                 {"", "gif", "", -1}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.art);
        FelderImSpeicher felder;
        felder.setText(Feld::BildArt, fall.art);
        felder.setText(Feld::BildQuallität, "5");
        std::vector<int> liste;
        for (int q = fall.höchste; q >= 0; --q) liste.push_back(q);
        EXPECT_EQ(BildArtAnwenden(felder), liste);
        EXPECT_EQ(felder.text(Feld::BildArt), fall.nachher);
        EXPECT_EQ(felder.text(Feld::BildQuallität), fall.qualität);
    }
}

// The template, the inputs, the positions and the font and size boxes redraw at once, the font
// box applying its font first; nothing else does, nor a value written again.
TEST(Gestaltungsfelder, RedrawAsTheWindowsFieldsDo) {
    GdSurface vorschau;
    int zeichnungen = 0;
    vorschau.beiAenderung([&] { ++zeichnungen; });
    Gestaltungsfelder felder(vorschau, Uhr);
    const struct {
        Feld feld;
        const char* text;  // nullptr: a scroll bar, set to 7
        bool zeichnet;
    } fälle[] = {
        {Feld::DaTxt, "01.01.2020", true},
        {Feld::AlTxt, "7", true},
        {Feld::KiTxt, "7", true},
        {Feld::AnTxt, "7", true},
        {Feld::NeTxt, "7", true},
        {Feld::StTxt, "7", true},
        {Feld::Txt, "Hallo", true},
        {Feld::SchriftartListe, "DejaVu Sans", true},
        {Feld::SchriftGröße, "12", true},
        {Feld::XPos, nullptr, true},
        {Feld::YPos, nullptr, true},
        {Feld::Abstand, nullptr, true},
        {Feld::BildArt, "png", false},
        {Feld::BildQuallität, "5", false},
        {Feld::TaTxt, "1", false},
        {Feld::GZTxt, "1", false},
        {Feld::GETxt, "1", false},
        {Feld::GSTxt, "1", false},
        {Feld::QuTxt, "<?php", false},
        {Feld::HintergrundPfad, "a.jpg", false},
        {Feld::HintergrundName, "a.jpg", false},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(feldName(fall.feld));
        for (int mal = 1; mal <= 2; ++mal) {
            zeichnungen = 0;
            if (fall.text)
                felder.setText(fall.feld, fall.text);
            else
                felder.setWert(fall.feld, 7);
            EXPECT_EQ(zeichnungen > 0, fall.zeichnet && mal == 1);
        }
    }
    EXPECT_EQ(vorschau.fontName(), "DejaVu Sans");
    felder.setText(Feld::SchriftartListe, "Keine Solche Schrift");
    EXPECT_EQ(vorschau.fontName(), "DejaVu Sans");
}

// A value that stops the redraw leaves the picture of the one before, as the window does while
// a design loads.
TEST(Gestaltungsfelder, AStoppedRedrawKeepsThePictureBefore) {
    GdSurface vorschau;
    Gestaltungsfelder felder(vorschau, Uhr);
    felder.setText(Feld::Txt, "Gespart: #7");
    const Bild gezeichnet = vorschau.bild();
    EXPECT_NE(gezeichnet, vorschau.hintergrund());
    felder.setText(Feld::AlTxt, "1" + std::string(305, '0'));
    EXPECT_EQ(vorschau.bild(), gezeichnet);
    const std::optional<Zeichenstopp> stopp = felder.neuZeichnen();
    ASSERT_TRUE(stopp.has_value());
    EXPECT_EQ(stopp->bei, Zeichenstopp::Bei::Werte);
    EXPECT_EQ(vorschau.bild(), gezeichnet);
}

// A design whose picture cannot be loaded shows the built-in one, as at the start, not the
// picture of the design before.
TEST(EinstellungenLaden, TakesTheBuiltInPictureWhereTheDesignsIsMissing) {
    GdSurface vorschau;
    vorschau.setBackground(Bild(40, 20, 0x336699));
    FelderImSpeicher felder;
    const std::string datei =
        "fehlt.jpg\r\nfehlt.jpg\r\nDejaVu Sans\r\n 12 \r\n 0 \r\n 3 \r\n-4 \r\n 5 \r\n"
        "01.02.2003\r\n6,50\r\n30\r\n99,95\r\n0,50\r\n2,25\r\nHallo\r\n";
    const EinstellungenErgebnis ergebnis = EinstellungenLaden(datei, felder, vorschau);
    EXPECT_TRUE(ergebnis.bildFehlt);
    EXPECT_EQ(vorschau.backgroundFailure(), Bildfehler{Bildfehlergrund::Fehlt});
    EXPECT_EQ(vorschau.hintergrund(), *jpegLesen(eingebautesBildJpeg()));
    EXPECT_EQ(felder.text(Feld::Txt), "Hallo");
}

}  // namespace
}  // namespace tafomat
