#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Zahlen.h"
#include "preview/Surface.h"

namespace tafomat {

// The drawing block: the template compiled into colour and text-drawing statements, measured
// on the surface, for its font. Each #G leaves its size on the surface; the caller restores the
// base size. A size the surface refuses ends the compilation: nullopt.
std::optional<std::string> ZeichenblockÜbersetzen(const Felder& felder, Surface& flaeche);

// The inputs as the script's value block holds them. The script and the server's values
// (ServerWerte.h) are both made from them, so that both compute with the same numbers.
struct Eingabewerte {
    Kalenderdatum beginn;     // the start date's day; its time of day is not counted
    std::string alteKosten;   // whole cents, rounded down, as PHP literals: "500", "-150"
    std::string anschaffung;  //
    std::string neueKosten;   //
    std::string steuern;      //
    std::string kippen;       // cigarettes per day as a PHP literal: "22", "2.5"
};

// nullopt when the date or a number cannot be read, or a number lies beyond any double.
std::optional<Eingabewerte> EingabewerteLesen(const Felder& felder);

// The whole script, lines ended by CR LF, "?>" last without a line break. nullopt when an
// input cannot be read, the output type or quality cannot go into a script (Bildausgabe.h),
// or the compilation fails. Leaves the surface's font size as ZeichenblockÜbersetzen does.
std::optional<std::string> PhpSkript(const Felder& felder, Surface& flaeche);

// The chosen file name with ".php" appended unless it already ends in exactly ".php".
std::string PhpDateiname(std::string pfad);

}  // namespace tafomat
