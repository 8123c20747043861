#pragma once

#include <optional>
#include <string_view>

#include "model/Datensaetze.h"
#include "model/Feld.h"
#include "model/Wortlaut.h"

namespace tafomat {

// Why the text of an input field cannot be computed with.
enum class Lesefehler {
    KeinDatum,  // the start date is no date
    Leer,       // an amount or count without any text
    KeineZahl,  // an amount or count that is no number
    ZuGroß,     // a number beyond what the preview or the script can compute with
};

// Why the field's text stops the redraw and the script, read as both read it; nullopt when it
// reads.
[[nodiscard]] std::optional<Lesefehler> LesefehlerVon(Feld feld, std::string_view text);

// Why the field's text cannot be read, as the window's sentence with the typed text quoted as
// %1 ("„viele“ ist keine Zahl.") and the command line's words ("no number").
Wortlaut Eingabegrund(Feld feld, Lesefehler fehler);
// A size text whose base size the preview cannot draw.
inline constexpr Wortlaut UnbrauchbareGröße{"%1 ist keine Schriftgröße, die sich zeichnen lässt.",
                                            "no usable font size"};

// Whether a number text that reads holds a point where no thousands mark stands ("5.50", "2.5",
// ",5."): the reading skips it all the same, so the number is far larger than it looks.
bool hatVerdächtigenPunkt(std::string_view text);

}  // namespace tafomat
