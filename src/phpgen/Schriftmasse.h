#pragma once

#include <string>
#include <string_view>

#include "model/Felder.h"
#include "phpgen/Zeichenplan.h"
#include "template/Surface.h"

namespace tafomat {

// Every character that the value of a number or amount placeholder can hold on the server:
// PHP's int and float texts ("-12", "1.0E+25", "INF", "NAN") with the comma the script puts in.
inline constexpr std::string_view Wertzeichen = "0123456789-+,.EINFA";

// The script's measures of its font, one line per size that its runs use: each character that a
// run of that size can draw (its text, the typed values, the characters of computed values) and
// every kerned or joined pair of them, for each GD layout the script knows. Sizes whose key PHP
// would not write as the drawing call's size, and characters that GD refuses or that break
// lines, are left out: the script then draws such a run with one call. Last the probe, a text
// at one of those sizes whose box (ImageTTFBBox) tells the script which layout its GD follows.
std::string SchriftmaßeZeilen(const Zeichenplan& plan, const Felder& felder, const Surface& fläche);

// The script's functions TextZeichnen, Schriftsatz and GlyphenSetzen: ImageTTFText with each
// glyph where the system's libgd puts it, on every GD the script can tell apart. Lines end in
// CR LF.
std::string TextZeichnenFunktionen();

}  // namespace tafomat
