#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/Feld.h"
#include "model/Felder.h"
#include "model/Platzhalter.h"
#include "template/Surface.h"

namespace tafomat {

// A piece of a run: typed text (Windows-1252), or a placeholder's value.
struct Stück {
    std::string text;
    char platzhalter = 0;  // the placeholder's name; 0 for typed text
};

// $Farbe=ImageColorAllocate($Bild,R,G,B);
struct Farbaufruf : Farbanteile {
    bool operator==(const Farbaufruf&) const = default;
};

// $Txt=...; and its ImageTTFText calls: at (x, y), and once more at x + 1 when bold. y is the
// baseline.
struct Textaufruf {
    std::vector<Stück> stücke;
    double größe = 0;
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

// Compiles the template, measuring runs on the surface in its font without changing it. nullopt
// when the surface refuses a size or a position cannot go into a drawing call.
[[nodiscard]] std::optional<Zeichenplan> VorlageÜbersetzen(const Felder& felder,
                                                           const Surface& fläche);

// Where the compilation of the template stops: 0 at the base size, otherwise the first character
// of the command or text at fault, counted from 1; nullopt when it compiles.
[[nodiscard]] std::optional<std::size_t> Übersetzungsstopp(const Felder& felder,
                                                           const Surface& fläche);

}  // namespace tafomat
