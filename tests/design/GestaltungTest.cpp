// What the window and the command line do alike with a design, on the plain field store.
#include <gtest/gtest.h>

#include <set>

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
    vorschau.beiÄnderung([&] { ++zeichnungen; });
    Gestaltungsfelder felder(vorschau, Uhr);
    const std::set<Feld> zeichnen{
        Feld::DaTxt,        Feld::AlTxt, Feld::KiTxt, Feld::AnTxt,
        Feld::NeTxt,        Feld::StTxt, Feld::Txt,   Feld::SchriftartListe,
        Feld::SchriftGröße, Feld::XPos,  Feld::YPos,  Feld::Abstand};
    for (int i = 0; i < FeldAnzahl; ++i) {
        const auto feld = static_cast<Feld>(i);
        SCOPED_TRACE(feldName(feld));
        for (const bool erstesMal : {true, false}) {
            zeichnungen = 0;
            if (istRegler(feld))
                felder.setWert(feld, 7);
            else
                felder.setText(feld, feld == Feld::DaTxt             ? "01.01.2020"
                                     : feld == Feld::SchriftartListe ? "DejaVu Sans"
                                                                     : "7");
            EXPECT_EQ(zeichnungen > 0, erstesMal && zeichnen.contains(feld));
        }
    }
    EXPECT_EQ(vorschau.fontName(), "DejaVu Sans");
    felder.setText(Feld::SchriftartListe, "Keine Solche Schrift");
    EXPECT_EQ(vorschau.fontName(), "DejaVu Sans");
}

// Loading into the plain store runs each field's change handling as the window's loading does:
// the font reaches the preview; a design whose picture cannot be loaded shows the built-in one,
// as at the start, not the picture of the design before.
TEST(EinstellungenLaden, IntoThePlainStoreAsIntoTheWindow) {
    GdSurface vorschau;
    vorschau.setBackground(Bild(40, 20, 0x336699));
    Gestaltungsfelder felder(vorschau, Uhr);
    const std::string datei =
        "fehlt.jpg\r\nfehlt.jpg\r\nDejaVu Sans\r\n 12 \r\n 0 \r\n 3 \r\n-4 \r\n 5 \r\n"
        "01.02.2003\r\n6,50\r\n30\r\n99,95\r\n0,50\r\n2,25\r\nHallo\r\n";
    EXPECT_TRUE(EinstellungenLaden(datei, felder, vorschau).bildFehlt);
    EXPECT_EQ(vorschau.backgroundFailure(), Bildfehler{Bildfehlergrund::Fehlt});
    EXPECT_EQ(vorschau.hintergrund(), *jpegLesen(eingebautesBildJpeg()));
    EXPECT_EQ(vorschau.fontName(), "DejaVu Sans");
    EXPECT_EQ(felder.text(Feld::Txt), "Hallo");
}

}  // namespace
}  // namespace tafomat
