#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Feld.h"
#include "model/Felder.h"
#include "model/Platzhalter.h"
#include "model/Zahlen.h"

namespace tafomat {

// The inputs as the script's value block holds them. The script and the server's values are
// both made from them, so that both compute with the same numbers.
struct Eingabewerte {
    Kalenderdatum beginn;     // the start date's day; its time of day is not counted
    std::string alteKosten;   // whole cents, rounded down, as PHP literals: "500", "-150"
    std::string anschaffung;  //
    std::string neueKosten;   //
    std::string steuern;      //
    std::string kippen;       // cigarettes per day as a PHP literal: "22", "2.5"
};

// nullopt when the date or a number cannot be read, or a number lies beyond any double.
[[nodiscard]] std::optional<Eingabewerte> EingabewerteLesen(const Felder& felder);

// What the script's placeholder variables hold when its drawing calls run: the texts PHP hands
// to ImageTTFText, as Windows-1252 bytes. The numbers are PHP's own: whole cents as written
// into the script, and an int that leaves PHP's range becomes a float, written with 14
// significant digits ("1.0E+20").
struct ServerWerte {
    std::string datum;
    std::string tage;
    std::string alteKosten;
    std::string kippen;
    std::string alleKippen;
    std::string anschaffung;
    std::string neueKosten;
    std::string gespart;
    std::string steuern;
    std::string fiskus;
};

// How the script computes a variable on the server after the days, described once: the script's
// lines and the server view's values are both made from this. A variable is an input's literal
// or a PHP expression of the variables before it (products and differences); its drawn text is
// the euro text (a comma before the last two characters), the number with a decimal comma, or
// the field's text as typed.
struct Serverrechnung {
    enum class Text { Euro, Komma, Getippt };
    std::string_view variable;
    std::string Eingabewerte::*eingabe;  // nullptr: computed by the formula
    std::string_view formel;
    Text text;
    Feld getippt;  // Text::Getippt: the field
    std::string ServerWerte::*wert;
};

// In the order of the script's lines.
inline constexpr Serverrechnung Serverrechnungen[] = {
    {"$AlteKosten",
     &Eingabewerte::alteKosten,
     {},
     Serverrechnung::Text::Euro,
     Feld::AlTxt,
     &ServerWerte::alteKosten},
    {"$Kippen",
     &Eingabewerte::kippen,
     {},
     Serverrechnung::Text::Getippt,
     Feld::KiTxt,
     &ServerWerte::kippen},
    {"$AlleKippen", nullptr, "$Tage*$Kippen", Serverrechnung::Text::Komma, Feld::KiTxt,
     &ServerWerte::alleKippen},
    {"$Anschaffung",
     &Eingabewerte::anschaffung,
     {},
     Serverrechnung::Text::Euro,
     Feld::AnTxt,
     &ServerWerte::anschaffung},
    {"$NeueKosten",
     &Eingabewerte::neueKosten,
     {},
     Serverrechnung::Text::Euro,
     Feld::NeTxt,
     &ServerWerte::neueKosten},
    {"$Steuern",
     &Eingabewerte::steuern,
     {},
     Serverrechnung::Text::Euro,
     Feld::StTxt,
     &ServerWerte::steuern},
    {"$Gespart", nullptr, "($Tage*($AlteKosten-$NeueKosten))-$Anschaffung",
     Serverrechnung::Text::Euro, Feld::GETxt, &ServerWerte::gespart},
    {"$Fiskus", nullptr, "$Tage*$Steuern", Serverrechnung::Text::Euro, Feld::GSTxt,
     &ServerWerte::fiskus},
};

// The values of the script made from these fields, on the server's calendar day `heute` (in
// its own time zone; a time of day does not count). nullopt where the script could not be made
// from the inputs (the template, type and quality are not looked at), and for a day beyond
// 10^15 days from the start.
[[nodiscard]] std::optional<ServerWerte> ServerWerteBerechnen(const Felder& felder,
                                                              Tageszahl heute);

// The text a placeholder's variable holds.
const std::string& ServerwertVon(const ServerWerte& werte, const Platzhalter& platzhalter);

}  // namespace tafomat
