#include "template/Befehlschreiben.h"
#include "template/Befehlstexte.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tafomat {
namespace {

// Every aid keeps the user's text: bold puts "#B" around a longer selection, the other aids
// replace only a command of their own kind and otherwise insert at the selection's start.
TEST(Befehlschreiben, NoAidDeletesTheUsersText) {
    using enum Hilfsbefehl;
    const struct {
        const char* name;
        std::string vorlage;
        Textauswahl auswahl;
        std::optional<Hilfsbefehl> hilfe;  // nullopt: bold
        std::string befehl;
        std::string ergebnis;
        Textauswahl danach;
    } fälle[] = {
        // clang-format off
        {"Fett am Caret", "Hallo Welt", {5, 0}, {}, "", "Hallo#B Welt", {5, 2}},
        {"Fett zweimal", "Hallo#B Welt", {5, 2}, {}, "", "Hallo Welt", {5, 0}},
        {"Fett vor einem Zeichen", "Hallo Welt", {6, 1}, {}, "", "Hallo #BWelt", {6, 2}},
        {"Fett um ein Wort", "ist rauchfrei!", {4, 9}, {}, "", "ist #Brauchfrei#B!", {6, 9}},
        {"Fett um eine Zeile", "ab\r\ncd", {1, 4}, {}, "", "a#Bb\r\nc#Bd", {3, 4}},
        {"Fett leer", "", {0, 0}, {}, "", "#B", {0, 2}},
        {"Farbe ersetzt Farbe", "a#F000000000b", {1, 11}, Farbe, "#F255255255", "a#F255255255b", {1, 11}},
        {"Farbe vor ein Wort", "Tage", {0, 4}, Farbe, "#F255000000", "#F255000000Tage", {0, 11}},
        {"Farbe ersetzt keine Größe", "#G12x", {0, 4}, Farbe, "#F255000000", "#F255000000#G12x", {0, 11}},
        {"Farbe ersetzt keine kaputte Farbe", "#F2552550Da", {0, 11}, Farbe, "#F000000000", "#F000000000#F2552550Da", {0, 11}},
        {"Größe ersetzt Größe", "ab#G08cd", {2, 4}, Größe, "#G14", "ab#G14cd", {0, 0}},
        {"Größe vor ein Wort", "ab Wort", {3, 4}, Größe, "#G14", "ab #G14Wort", {0, 0}},
        {"Position ersetzt Paar", "a#X045#Y012b", {1, 10}, Position, "#X046#Y012", "a#X046#Y012b", {1, 10}},
        {"Position vierstellig", "", {0, 0}, Position, "#X1000#Y005", "#X1000#Y005", {0, 11}},
        {"Position ersetzt vierstelliges Paar", "#X1000#Y005", {0, 11}, Position, "#X007#Y007", "#X007#Y007", {0, 10}},
        {"Position vor ein Wort", "Wort", {0, 4}, Position, "#X007#Y007", "#X007#Y007Wort", {0, 10}},
        {"Position ersetzt kein halbes Paar", "#X045", {0, 5}, Position, "#X007#Y007", "#X007#Y007#X045", {0, 10}},
        // clang-format on
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        const Schreibung schreibung =
            fall.hilfe ? BefehlSchreiben(fall.vorlage, fall.auswahl, *fall.hilfe, fall.befehl)
                       : FettSchreiben(fall.vorlage, fall.auswahl);
        const std::string ergebnis = angewendet(fall.vorlage, schreibung);
        EXPECT_EQ(ergebnis, fall.ergebnis);
        EXPECT_EQ(schreibung.danach.start, fall.danach.start);
        EXPECT_EQ(schreibung.danach.länge, fall.danach.länge);
    }
}

// Numbers with leading zeros to three digits (a size to two), magnitudes for positions.
TEST(Befehlschreiben, TheAidsCommandTexts) {
    const std::pair<std::string, std::string> fälle[] = {
        {Farbbefehl(farbwert(85, 0, 255)), "#F085000255"},
        {Farbbefehl(farbwert(7, 170, 0)), "#F007170000"},
        {Positionsbefehl(-3, 1024), "#X003#Y1024"},
        {Positionsbefehl(45, 12), "#X045#Y012"},
        {Größenbefehl("8"), "#G08"},
        {Größenbefehl(""), "#G0"},
        {Größenbefehl("100"), "#G100"},
    };
    for (const auto& [geschrieben, erwartet] : fälle) EXPECT_EQ(geschrieben, erwartet);
    EXPECT_TRUE(istHilfsbefehl(Positionsbefehl(-3, 1024), Hilfsbefehl::Position));
    EXPECT_TRUE(istHilfsbefehl(Farbbefehl(farbwert(1, 2, 3)), Hilfsbefehl::Farbe));
    EXPECT_FALSE(istHilfsbefehl(Größenbefehl("100"), Hilfsbefehl::Größe));
}

}  // namespace
}  // namespace tafomat
