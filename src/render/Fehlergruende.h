#pragma once

#include <string>

#include "files/Lesegrund.h"
#include "model/Wortlaut.h"
#include "render/Hintergrunddatei.h"
#include "render/Schriftsuche.h"

namespace tafomat {

// Why a file, a background picture or a font cannot be taken, in the window's German and the
// command line's English, each reason in one row of both.

// Why a background picture cannot be loaded, with its sizes filled in: "no JPEG picture"; in
// German the end of a sentence about the picture ("ist kein JPEG-Bild").
std::string Bildgrund(const Bildfehler& fehler, Sprache sprache);

// Why GD cannot draw the file that fontconfig gives for an installed font (fund.gefunden, which
// the German puts in brackets): "its file ... holds bitmaps only, which GD cannot scale".
std::string Mangelgrund(const Schriftfund& fund, Sprache sprache);

// Why the font cannot serve the script: the font is installed but GD cannot draw it (why, in
// German without the file's name), or no font file answers its name at all. The name is UTF-8.
std::string Schriftgrund(const std::string& schrift, const Schriftfund& fund, Sprache sprache);

}  // namespace tafomat
