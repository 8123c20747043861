#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Felder.h"
#include "model/Zahlen.h"
#include "phpgen/ServerWerte.h"
#include "template/Surface.h"

namespace tafomat {

// The whole script, lines ended by CR LF, "?>" last without a line break. nullopt when an
// input cannot be read, the output type or quality cannot go into a script (Bildausgabe.h),
// or the compilation fails.
[[nodiscard]] std::optional<std::string> PhpSkript(const Felder& felder, const Surface& fläche);

// Why the script sends, instead of the banner, a picture that says what is wrong. Its header
// X-Tafomat-Fehler names the reason by this ASCII word, so that a program need not read the
// picture.
enum class Skriptfehler {
    BildFehlt,
    BildNichtLesbar,
    KeinJpeg,
    BildBeschädigt,  // libjpeg warned or gave up: cut off, or uploaded in ASCII mode
    SchriftFehlt,
    SchriftNichtLesbar,
    SchriftBeschädigt,  // GD could not lay the text out with it
    OhneFreeType,
    OhneGd,     // a picture the script carries ready-made
    PhpFehler,  // a fatal error of PHP, such as too little memory: the same
};
std::string_view Fehlerkennung(Skriptfehler fehler);

// The script's functions that send the picture with its length and keep PHP's messages out of
// it, lines ended by CR LF.
std::string BildSendenFunktionen();

// The chosen file name with ".php" appended unless it already ends in exactly ".php".
std::string PhpDateiname(std::string pfad);

}  // namespace tafomat
