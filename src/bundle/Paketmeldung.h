#pragma once

#include <string>

#include "bundle/Paket.h"
#include "model/Wortlaut.h"

namespace tafomat {

// What a message about a bundle that was not written names, in UTF-8, as its language shows it;
// each message takes what it needs.
struct Paketangaben {
    std::string datei;   // %1 what the failure concerns: the font, the picture's name, the file
    std::string kurz;    // %2 the same, cut in its middle to stay within one line
    std::string pfad;    // %3 the file that was not written, inside the folder
    std::string ordner;  // %4 the folder as it was named
    std::string ort;     // %5 the design file and its record: "d.txt: record 2 (HintergrundName)"
    std::string grund;   // %6 why: the font's reason, or why the folder or the file failed
    std::string bild;    // %7 the design's picture and why it cannot be read
};

// Why no bundle was written: the window's German message ("Der Ordner [...] kann nicht angelegt
// werden: ...!") or the command line's English one ("paket: cannot be written").
std::string Paketmeldung(PaketFehler fehler, Sprache sprache, const Paketangaben& angaben);

}  // namespace tafomat
