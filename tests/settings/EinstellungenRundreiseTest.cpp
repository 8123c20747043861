#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "settings/EinstellungenTestHilfe.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

class Zufall {
  public:
    explicit Zufall(unsigned saat) : m_gen(saat) {}

    int zahl(int min, int max) { return std::uniform_int_distribution<int>(min, max)(m_gen); }

    // Any Windows-1252 byte but CR and LF.
    char zeichen() {
        for (;;) {
            const char z = static_cast<char>(zahl(0, 255));
            if (z != '\r' && z != '\n') return z;
        }
    }

    // Any bytes, now and then a line break that the one-line record must not keep.
    std::string einzeilig(int minLänge = 0) {
        std::string text;
        for (int n = zahl(minLänge, 24); n > 0; --n) {
            if (zahl(0, 11) == 0) {
                text += zahl(0, 1) == 0 ? "\r\n" : "\n";
            } else {
                text += zeichen();
            }
        }
        return text;
    }

    // Lines of any characters joined by CR LF, with or without a final line break.
    std::string vorlage() {
        std::string text;
        for (int n = zahl(0, 300); n > 0; --n) {
            if (zahl(0, 9) == 0) {
                text += "\r\n";
            } else {
                text += zeichen();
            }
        }
        if (zahl(0, 2) == 0) text += "\r\n";
        return text;
    }

    int regler(Feld regler) { return zahl(bereichVon(regler).min, bereichVon(regler).max); }

  private:
    std::mt19937 m_gen;
};

struct Entwurf {
    FelderImSpeicher felder;
    RecordingSurface surface;
};

void zufälligerEntwurf(Zufall& zufall, Entwurf& entwurf) {
    for (const Feld feld : {Feld::HintergrundPfad, Feld::HintergrundName, Feld::DaTxt, Feld::AlTxt,
                            Feld::KiTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt}) {
        entwurf.felder.setText(feld, zufall.einzeilig());
    }
    entwurf.felder.setText(Feld::Txt, zufall.vorlage());
    for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand}) {
        entwurf.felder.setWert(regler, zufall.regler(regler));
    }
    ASSERT_TRUE(entwurf.surface.setFontName(zufall.einzeilig(1)));
    ASSERT_TRUE(entwurf.surface.setFontSize(zufall.zahl(1, 9999) / 100.0));
    entwurf.surface.setTextColor(zufall.zahl(0, 0xFFFFFF));
}

std::string ohneZeilenumbrüche(std::string text) {
    std::erase_if(text, [](char z) { return z == '\r' || z == '\n'; });
    return text;
}

// Every field as it was, but that one-line texts lost their line breaks.
void erwarteGleicheFelder(const Felder& ziel, const Entwurf& quelle) {
    for (int i = 0; i < FeldAnzahl; ++i) {
        const auto feld = static_cast<Feld>(i);
        if (feld == Feld::SchriftartListe || feld == Feld::SchriftGröße) continue;
        const std::string text = quelle.felder.text(feld);
        EXPECT_EQ(ziel.text(feld), feld == Feld::Txt ? text : ohneZeilenumbrüche(text))
            << feldName(feld);
    }
    EXPECT_EQ(ziel.text(Feld::SchriftartListe), ohneZeilenumbrüche(quelle.surface.fontName()));
    const auto größe = static_cast<long long>(std::floor(quelle.surface.fontSize()));
    EXPECT_EQ(ziel.text(Feld::SchriftGröße), " " + std::to_string(größe) + " ");
}

TEST(EinstellungenRundreise, RandomDesignsComeBackFieldForField) {
    Zufall zufall(20101104);
    for (int durchlauf = 0; durchlauf < 400; ++durchlauf) {
        SCOPED_TRACE("design " + std::to_string(durchlauf));
        Entwurf quelle;
        zufälligerEntwurf(zufall, quelle);
        const std::string bytes = EinstellungenText(quelle.felder, quelle.surface);
        const Einstellungen gelesen = EinstellungenParsen(bytes);
        ASSERT_EQ(gelesen.abbruch, Abbruch::Keiner);
        EXPECT_EQ(gelesen.farbe, quelle.surface.textColor());

        FelderImSpeicher ziel;
        RecordingSurface zielSurface;
        const auto ergebnis = EinstellungenAnwenden(gelesen, ziel, zielSurface);
        EXPECT_EQ(ergebnis.angewendet, 15);
        EXPECT_FALSE(ergebnis.bildFehlt);
        EXPECT_EQ(zielSurface.hintergrund,
                  ohneZeilenumbrüche(quelle.felder.text(Feld::HintergrundPfad)));
        erwarteGleicheFelder(ziel, quelle);
        EXPECT_EQ(EinstellungenText(ziel, quelle.surface), bytes);
    }
}

TEST(EinstellungenRundreise, LoneCrAndLoneLfInTheTemplateComeBackAsCrLf) {
    const struct {
        const char* vorlage;
        const char* zurück;
    } fälle[] = {
        {"A\rB", "A\r\nB"},     {"A\nB", "A\r\nB"},       {"A\r", "A\r\n"},
        {"\n", "\r\n"},         {"A\n\rB", "A\r\n\r\nB"}, {"A\r\r\nB", "A\r\n\r\nB"},
        {"\r\n\r", "\r\n\r\n"},
    };
    for (const auto& fall : fälle) {
        FelderImSpeicher quelle;
        quelle.setText(Feld::Txt, fall.vorlage);
        FelderImSpeicher ziel;
        RecordingSurface surface;
        EinstellungenAnwenden(EinstellungenParsen(EinstellungenText(quelle, surface)), ziel,
                              surface);
        EXPECT_EQ(ziel.text(Feld::Txt), fall.zurück) << fall.vorlage;
    }
}

// Random bytes, or a saved design damaged by a few random bytes, NULs and cuts, so that
// garbage reaches every record.
std::string zufallsbytes(Zufall& zufall) {
    std::string bytes;
    if (zufall.zahl(0, 3) == 0) {
        for (int n = zufall.zahl(0, 100); n > 0; --n)
            bytes += static_cast<char>(zufall.zahl(0, 255));
        return bytes;
    }
    Entwurf entwurf;
    zufälligerEntwurf(zufall, entwurf);
    bytes = EinstellungenText(entwurf.felder, entwurf.surface);
    for (int n = zufall.zahl(0, 3); n > 0; --n) {
        const auto stelle =
            static_cast<std::size_t>(zufall.zahl(0, static_cast<int>(bytes.size())));
        const char byte = zufall.zahl(0, 1) == 0 ? '\0' : static_cast<char>(zufall.zahl(0, 255));
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(stelle), byte);
    }
    if (zufall.zahl(0, 3) == 0)
        bytes.resize(static_cast<std::size_t>(zufall.zahl(0, static_cast<int>(bytes.size()))));
    return bytes;
}

TEST(EinstellungenRundreise, GarbageNeverBreaksTheReader) {
    Zufall zufall(66);
    std::array<int, 4> abbrüche{};
    for (int durchlauf = 0; durchlauf < 5000; ++durchlauf) {
        const std::string bytes = zufallsbytes(zufall);
        const Einstellungen e = EinstellungenParsen(bytes);
        ASSERT_GE(e.gelesen, 0);
        ASSERT_LE(e.gelesen, 15);
        ASSERT_EQ(e.abbruch == Abbruch::Keiner, e.gelesen == 15);
        const auto da = test::vorhanden(e);
        for (int i = 0; i < EinstellungenDatensätze; ++i) ASSERT_EQ(da[i], i < e.gelesen);
        FelderImSpeicher felder;
        RecordingSurface surface;
        ASSERT_EQ(EinstellungenAnwenden(e, felder, surface).angewendet, e.gelesen);
        for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand}) {
            ASSERT_GE(felder.wert(regler), bereichVon(regler).min);
            ASSERT_LE(felder.wert(regler), bereichVon(regler).max);
        }
        ++abbrüche[static_cast<int>(e.abbruch)];
    }
    for (const int anzahl : abbrüche) EXPECT_GT(anzahl, 0);  // every way of stopping was met
}

}  // namespace
}  // namespace tafomat
