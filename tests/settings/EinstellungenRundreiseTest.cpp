#include <gtest/gtest.h>

#include <cmath>

#include "settings/EinstellungenTestHilfe.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

struct Entwurf {
    FelderImSpeicher felder;
    RecordingSurface surface;
};

// Each one-line field holds its own text, the template two lines, the scroll bars the values
// given; font, size and colour are the surface's.
void füllen(Entwurf& entwurf, const std::string& text, const std::string& vorlage,
            std::array<int, 3> regler, double größe, Farbwert farbe) {
    int nummer = 0;
    for (const Feld feld : {Feld::HintergrundPfad, Feld::HintergrundName, Feld::DaTxt, Feld::AlTxt,
                            Feld::KiTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt}) {
        const std::size_t dreh = text.empty() ? 0 : 17 * ++nummer % text.size();
        entwurf.felder.setText(feld, text.substr(dreh) + text.substr(0, dreh));
    }
    entwurf.felder.setText(Feld::Txt, vorlage);
    entwurf.felder.setWert(Feld::XPos, regler[0]);
    entwurf.felder.setWert(Feld::YPos, regler[1]);
    entwurf.felder.setWert(Feld::Abstand, regler[2]);
    ASSERT_TRUE(entwurf.surface.setFontName(text.empty() ? " " : text));
    ASSERT_TRUE(entwurf.surface.setFontSize(größe));
    entwurf.surface.setTextColor(farbe);
}

std::string ohneZeilenumbrüche(std::string text) {
    std::erase_if(text, [](char z) { return z == '\r' || z == '\n'; });
    return text;
}

// Every byte that a record can hold comes back, at the scroll bars' bounds and at any size and
// colour; line breaks typed into one-line fields are the only thing the file cannot keep.
TEST(EinstellungenRundreise, EveryDesignComesBackFieldForField) {
    std::string bytes;
    for (int code = 0; code < 256; ++code)
        if (code != '\r' && code != '\n') bytes += static_cast<char>(code);
    const std::string umbrüche = "a\r\nb\nc\rd\r\n";
    const std::array<int, 3> kleinste{-64, -64, 0}, größte{64, 64, 64}, mitte{-1, 7, 5};
    const struct {
        const char* name;
        std::string text;
        std::string vorlage;
        std::array<int, 3> regler;
        double größe;
        Farbwert farbe;
    } fälle[] = {
        {"every byte", bytes, bytes + "\r\n" + bytes, kleinste, 0.01, 0},
        {"line breaks", umbrüche, "#F255255255A\r\n\r\nB\r\n", größte, 99.99, 0xFFFFFF},
        {"empty", "", "", mitte, 12.5, 0x123456},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        Entwurf quelle;
        füllen(quelle, fall.text, fall.vorlage, fall.regler, fall.größe, fall.farbe);
        const std::string datei = EinstellungenText(quelle.felder, quelle.surface);
        const Einstellungen gelesen = EinstellungenParsen(datei);
        ASSERT_EQ(gelesen.abbruch, Abbruch::Keiner);
        EXPECT_EQ(gelesen.farbe(), fall.farbe);

        FelderImSpeicher ziel;
        RecordingSurface zielSurface;
        const auto ergebnis = EinstellungenAnwenden(gelesen, ziel, zielSurface);
        EXPECT_EQ(ergebnis.angewendet, 15);
        EXPECT_FALSE(ergebnis.bildFehlt);
        EXPECT_EQ(zielSurface.hintergrund,
                  ohneZeilenumbrüche(quelle.felder.text(Feld::HintergrundPfad)));
        for (int i = 0; i < FeldAnzahl; ++i) {
            const auto feld = static_cast<Feld>(i);
            if (feld == Feld::SchriftartListe || feld == Feld::SchriftGröße) continue;
            const std::string text = quelle.felder.text(feld);
            EXPECT_EQ(ziel.text(feld), feld == Feld::Txt ? text : ohneZeilenumbrüche(text))
                << feldName(feld);
        }
        for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand})
            EXPECT_EQ(ziel.wert(regler), quelle.felder.wert(regler)) << feldName(regler);
        EXPECT_EQ(ziel.text(Feld::SchriftartListe), ohneZeilenumbrüche(quelle.surface.fontName()));
        const auto größe = static_cast<long long>(std::floor(fall.größe));
        EXPECT_EQ(ziel.text(Feld::SchriftGröße), " " + std::to_string(größe) + " ");
        EXPECT_EQ(EinstellungenText(ziel, quelle.surface), datei);
    }
}

}  // namespace
}  // namespace tafomat
