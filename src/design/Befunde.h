#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Eingabefehler.h"
#include "model/Felder.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"
#include "template/BildZeichnen.h"

namespace tafomat {

// What is wrong with a design and its files, as data. The window and the command line decide
// nothing of it themselves: they word these findings, the window in German in its notice line
// and messages, the command line in English on its error output, each from the finding's one
// row of words below.

// A finding's words in UTF-8, with %1, %2, ... where values go: the notice line's sentence and
// its full text, and the command line's words. An empty text: that front end says nothing.
struct Befundworte {
    std::string_view satz;
    std::string_view ganz;
    std::string_view englisch;
};

// An input that stops the redraw and the script: a field that cannot be read, or the size list
// when the preview cannot draw its size (lesefehler empty).
struct Eingabebefund {
    Feld feld;
    std::optional<Lesefehler> lesefehler;
};

// The first such input in the order the script reads them: the six inputs, then the size list,
// whose size the redraw that ended in `stopp` could not set.
[[nodiscard]] std::optional<Eingabebefund> ersteUnlesbareEingabe(
    const Felder& felder, const std::optional<Zeichenstopp>& stopp);

// How the preview's font stands to the one the font box names, the most pressing first.
enum class Schriftlage {
    Gezeichnet,       // the chosen font itself, or fontconfig's nearest family (ersatz)
    NichtZeichenbar,  // the chosen font is installed, but GD cannot draw its file
    KeineDatei,       // the preview has no font file at all and draws no text
    Anders,           // no file answers the chosen name: the preview keeps its font
};

struct Schriftbefund {
    Schriftlage lage = Schriftlage::Gezeichnet;
    Schriftfund fund;                   // what answers the chosen name
    std::optional<std::string> ersatz;  // Gezeichnet: the family drawn for the name (UTF-8)
    bool vorschauHatSchrift = true;
};

[[nodiscard]] Schriftbefund schriftPrüfen(const Felder& felder, const GdSurface& vorschau);

// The words of a font's finding. German: %1 the chosen font, then for NichtZeichenbar why GD
// cannot draw it (%2) and what the preview draws (%3); for KeineDatei %1 is the preview's font;
// for Anders %2 the preview's font; with a stand-in (Gezeichnet) %1 the preview's font and %2
// the family drawn. English: %1 the place in the design, %2 the chosen font, %3 the preview's
// font, %4 why.
Befundworte Schriftworte(const Schriftbefund& befund);

// A photo that asks by its Exif entry to be turned, which GD on the server ignores: its
// orientation, nullopt for a picture as stored.
[[nodiscard]] std::optional<int> drehungPrüfen(const GdSurface& vorschau);
// Its words: %1 the orientation; in English %2 the picture.
extern const Befundworte Drehungsworte;

// Why the output type and quality cannot go into a script.
enum class Ausgabemangel {
    KeineArt,         // not jpeg, png or gif
    GifOhneQualität,  // a quality asked for gif, which takes none
    Qualität,         // not a whole number within the type's range
};

struct Ausgabebefund {
    Ausgabemangel mangel;
    std::string art;  // the type as read, or as typed for KeineArt
    int höchste = 0;  // Qualität: the largest quality the type takes
};

// The type and, where one is given, the quality.
[[nodiscard]] std::optional<Ausgabebefund> ausgabePrüfen(std::string_view art,
                                                         std::optional<std::string_view> qualität);
// Its words, as the window's message (in satz) and the command line's: %1 the type or the
// quality as given, %2 the type read, %3 the largest quality.
Befundworte Ausgabeworte(Ausgabemangel mangel);

}  // namespace tafomat
