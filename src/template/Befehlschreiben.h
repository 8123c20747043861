#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tafomat {

// A selection in the template, counted as the template counts (a line break is two characters).
struct Textauswahl {
    std::size_t start = 0;
    std::size_t länge = 0;
};

// What an editing aid does to the template: it writes `einsatz` in place of `ersetzt` (of length
// 0 where it only inserts) and then selects `danach`.
struct Schreibung {
    Textauswahl ersetzt;
    std::string einsatz;
    Textauswahl danach;
};

// The aids that write a command of their own kind.
enum class Hilfsbefehl { Farbe, Größe, Position };

// "#B" before the caret or a single selected character, selected afterwards; a selection that is
// exactly "#B" is taken out again; any longer selection gets "#B" before and after it and stays
// selected. No press deletes the user's text.
Schreibung FettSchreiben(std::string_view vorlage, Textauswahl auswahl);

// The command replaces the selection only when the selection is exactly one well-formed command
// of the aid's kind (as a previous use left it selected); otherwise it goes in at the selection's
// start and the selection stays in the text. The colour and the position aids select what they
// wrote, the whole pair also with four-digit positions; the size aid leaves the caret at the
// start of the template.
Schreibung BefehlSchreiben(std::string_view vorlage, Textauswahl auswahl, Hilfsbefehl art,
                           const std::string& befehl);

// Whether the text is one command as the aid of that kind writes it: "#F" and nine digits, "#G"
// and two digits, "#X" and at least three digits followed by "#Y" and at least three digits.
bool istHilfsbefehl(std::string_view text, Hilfsbefehl art);

// The template after the aid's writing.
std::string angewendet(std::string_view vorlage, const Schreibung& schreibung);

}  // namespace tafomat
