#pragma once

#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "preview/Surface.h"

namespace tafomat {

// Redraws the preview completely from the template, the values and the layout controls.
// Never fails towards its caller: a failure ends the redraw with the text colour black.
void BildZeichnen(Felder& felder, Surface& flaeche, const Uhr& uhr);

// The base size: the leading-number reading of the size text, rounded down.
double Grundgröße(const Felder& felder);

}  // namespace tafomat
