#pragma once

#include <cstddef>
#include <optional>

#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "template/Surface.h"
#include "template/Vorlagenleser.h"

namespace tafomat {

// Where a redraw stopped before its end.
struct Zeichenstopp {
    enum class Bei {
        Grundgröße,  // the surface refuses the size of the size list
        Werte,       // an input cannot be read, or a derived value overflows
        Vorlage,     // a command of the template cannot be drawn
    };
    Bei bei;
    std::size_t stelle = 0;  // Vorlage: the command's first character, counted from 1
};

// Redraws the preview completely from the template, the values and the layout controls.
// A failure ends the redraw with the text colour black, what was drawn before staying; the
// result says where it stopped, nullopt when it drew everything.
[[nodiscard]] std::optional<Zeichenstopp> BildZeichnen(Felder& felder, Surface& fläche,
                                                       const Uhr& uhr);

}  // namespace tafomat
