#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/Feld.h"
#include "model/Felder.h"
#include "preview/Surface.h"

namespace tafomat {

// A placeholder as the script draws it: the script variable that holds its value on the server,
// and the field whose current text stands for that value while positions are measured.
struct Platzhalter {
    char name;
    std::string_view variable;
    Feld gemessen;
};

// In the order in which the compiler tests them.
inline constexpr Platzhalter Platzhalterliste[] = {
    {'1', "$Datum", Feld::DaTxt},      {'2', "$Tage", Feld::TaTxt},
    {'3', "$AlteKosten", Feld::AlTxt}, {'4', "$Kippen", Feld::KiTxt},
    {'Z', "$AlleKippen", Feld::GZTxt}, {'5', "$Anschaffung", Feld::AnTxt},
    {'6', "$NeueKosten", Feld::NeTxt}, {'7', "$Gespart", Feld::GETxt},
    {'8', "$Steuern", Feld::StTxt},    {'9', "$Fiskus", Feld::GSTxt},
};

const Platzhalter* platzhalter(char name);

// A piece of a run: typed text (Windows-1252), or a placeholder's value.
struct Stueck {
    std::string text;
    char platzhalter = 0;  // the placeholder's name; 0 for typed text
};

// $Farbe=ImageColorAllocate($Bild,R,G,B);
struct Farbaufruf {
    int rot = 0;
    int gruen = 0;
    int blau = 0;
    bool operator==(const Farbaufruf&) const = default;
};

// $Txt=...; and its ImageTTFText calls: at (x, y), and once more at x + 1 when bold. y is the
// baseline.
struct Textaufruf {
    std::vector<Stueck> stuecke;
    double groesse = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool fett = false;
};

using Zeichenaufruf = std::variant<Farbaufruf, Textaufruf>;

// The template compiled into the script's drawing statements, in order. Both the script's text
// and the picture that the server draws from it are made from this one form.
struct Zeichenplan {
    std::vector<Zeichenaufruf> aufrufe;
};

// Compiles the template, measuring runs on the surface in its current font. Each #G leaves its
// size on the surface; the caller restores the base size. nullopt when the surface refuses a
// size or a position cannot go into a drawing call.
std::optional<Zeichenplan> VorlageÜbersetzen(const Felder& felder, Surface& flaeche);

// Where the compilation of the template stops: 0 at the base size, otherwise the first character
// of the command or text at fault, counted from 1; nullopt when it compiles. Leaves the surface
// as VorlageÜbersetzen does.
std::optional<std::size_t> Übersetzungsstopp(const Felder& felder, Surface& flaeche);

}  // namespace tafomat
