#include "template/Vorlagendeutung.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tafomat {
namespace {

struct Gedeutet {
    std::size_t anfang;
    std::size_t länge;
    Deutungsart art;
    bool fehlerhaft;
    std::string erklärung;
    bool operator==(const Gedeutet&) const = default;
};

void PrintTo(const Gedeutet& g, std::ostream* os) {
    *os << g.anfang << "+" << g.länge << " kind " << static_cast<int>(g.art)
        << (g.fehlerhaft ? " malformed " : " ") << g.erklärung;
}

std::vector<Gedeutet> gedeutet(const std::string& vorlage) {
    std::vector<Gedeutet> liste;
    for (const Deutung& d : VorlageDeuten(vorlage))
        liste.push_back({d.anfang, d.länge, d.art, d.fehlerhaft, d.erklärung});
    return liste;
}

using A = Deutungsart;

// The marked stretches and their lines, as the reader that draws the preview reads the text:
// fields are taken by position, so letters and line breaks in them belong to the command.
TEST(Vorlagendeutung, EveryCommandIsMarkedAndExplained) {
    const struct {
        std::string vorlage;
        std::vector<Gedeutet> erwartet;
    } fälle[] = {
        // clang-format off
        {"Hallo", {}},
        {"#G14Hallo", {{0, 4, A::Größe, false, "#G14: Schriftgröße 14 Punkt ab hier"}}},
        {"#F2552550Das", {{0, 11, A::Farbe, true, "#F2552550Da: Farbe 255, 255, 0 – „Da“ gehört zur Farbe"}}},
        {"#FrotHallo", {{0, 10, A::Farbe, true, "#FrotHallo: Farbe 0, 0, 0 – „rotHallo“ gehört zur Farbe"}}},
        {"#G5Hallo", {{0, 4, A::Größe, true, "#G5H: Schriftgröße 5 Punkt – „H“ gehört zur Größe"}}},
        {"#X45Hallo", {{0, 5, A::X, true, "#X45H: Text dieser Zeile ab x = 45 Pixel – „H“ gehört zur Position"}}},
        {"#G8\r\nzwei", {{0, 4, A::Größe, true, "#G8: Schriftgröße 8 Punkt – der Zeilenumbruch gehört zur Größe"}}},
        {"a#B b#B", {{1, 2, A::Fett, false, "#B: fett ab hier"}, {5, 2, A::Fett, false, "#B: wieder normal ab hier"}}},
        {"#X045#Y012", {{0, 5, A::X, false, "#X045: Text dieser Zeile ab x = 45 Pixel ab hier"},
                        {5, 5, A::Y, false, "#Y012: Rest dieser Zeile oben bei y = 12 Pixel ab hier"}}},
        {"##2 Tage", {{1, 2, A::Platzhalter, false, "#2: Platzhalter, zeigt den Wert von „#2 Tage bis Heute“"}}},
        {"#b und #g14",
         {{0, 2, A::Kleinbefehl, false,
           "#b: kein Befehl, Befehle schreiben sich groß (#B). Die Vorschau zeigt „#b“, der Server lässt das „#“ weg."},
          {7, 2, A::Kleinbefehl, false,
           "#g: kein Befehl, Befehle schreiben sich groß (#G). Die Vorschau zeigt „#g“, der Server lässt das „#“ weg."}}},
        {"#F999000000", {{0, 11, A::Farbe, false, "#F999000000: Farbe 255, 0, 0 ab hier"}}},
        {"#G1", {{0, 3, A::Größe, false, "#G1: Schriftgröße 1 Punkt ab hier"}}},
        // clang-format on
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.vorlage);
        EXPECT_EQ(gedeutet(fall.vorlage), fall.erwartet);
    }
}

// The notice line names the line of the first malformed command; the field shows the colour.
TEST(Vorlagendeutung, LinesAndColoursAsDrawn) {
    const std::string vorlage = "eins\r\nzwei\r\n#G5x#F000128255";
    EXPECT_EQ(zeileVon(vorlage, 0), 1u);
    EXPECT_EQ(zeileVon(vorlage, 6), 2u);
    EXPECT_EQ(zeileVon(vorlage, VorlageDeuten(vorlage).front().anfang), 3u);
    EXPECT_EQ(VorlageDeuten(vorlage).back().farbe, farbwert(0, 128, 255));
}

}  // namespace
}  // namespace tafomat
