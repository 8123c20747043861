#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "template/Surface.h"

namespace tafomat {

// What a stretch of the template is, as the template reader reads it in the preview's reading.
enum class Deutungsart {
    Fett,
    Farbe,
    Größe,
    X,
    Y,
    Platzhalter,
    Kleinbefehl,  // "#" and a lower-case command letter: text, which the server leaves out
};

struct Deutung {
    std::size_t anfang = 0;  // index of the first character in the template, from 0
    std::size_t länge = 0;   // characters, the fields of a command included
    Deutungsart art = Deutungsart::Fett;
    // A command whose fields hold something but digits: the reader reads it otherwise than it
    // looks, taking the characters that follow into its fields.
    bool fehlerhaft = false;
    std::optional<Farbwert> farbe;  // the colour that a colour command sets, as drawn
    double wert = 0;                // the size, x or y that the command sets
    bool fettAn = false;            // whether bold is on after a #B
    std::string erklärung;          // one German line, UTF-8; empty when not asked for
};

enum class Erklärungen { Mit, Ohne };

// Every command, placeholder and lower-case command letter of the template, in text order. Plain
// text is left out. Without explanations a long template reads several times faster.
std::vector<Deutung> VorlageDeuten(std::string_view vorlage,
                                   Erklärungen erklärungen = Erklärungen::Mit);

// The one German line for a reading of this template.
std::string Erklärung(std::string_view vorlage, const Deutung& deutung);

// The line of a character of the template, counted from 1.
std::size_t zeileVon(std::string_view vorlage, std::size_t index);

// The label under which the window shows a placeholder's field ("#2 Tage bis Heute"), and the
// names of the position commands, UTF-8; empty for no such name.
std::string_view platzhalterName(char name);

}  // namespace tafomat
