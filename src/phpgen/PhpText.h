#pragma once

#include <string>
#include <string_view>

namespace tafomat {

// Texts go into the script inside double-quoted PHP strings. Characters that PHP would read
// as syntax (the double quote, "$", "\") or that are control codes are closed out of the string
// and concatenated by their code: ".chr(34).". The caller's string must be open around them.
bool brauchtChr(unsigned char zeichen);
std::string chrAusdruck(unsigned char zeichen);

// One character of drawn text as it goes into a string of the script. GD reads the string as
// UTF-8 with HTML entities, so codes 128 to 191 (never the start of a UTF-8 sequence, but
// read as its continuation) go in as "&#U;" with their Unicode code point, and "&" as "&#38;"
// so that text that looks like an entity is drawn as typed. Codes 192 to 255 stay single
// bytes: GD draws a byte that begins no valid UTF-8 sequence as that Latin-1 character.
std::string gezeichnetesZeichen(unsigned char zeichen);
std::string gezeichneterText(std::string_view text);

// A finite number as a PHP literal: digits with a decimal point, as the plain number text writes
// it without its leading blank ("22", "2.5", "-.5"). A decimal comma would split an argument.
std::string phpZahl(double zahl);

// A file name inside a string of the script: only what PHP would read as syntax is replaced.
std::string dateinameImText(std::string_view name);

// A file next to the script, as a PHP expression: __DIR__."/leer.jpg". A bare name would be
// looked for in the working folder, and a font along GDFONTPATH, which many hosts cannot set.
std::string dateiImSkript(std::string_view dateiname);
// The font file, named after the font: __DIR__."/Arial.ttf".
std::string schriftdateiImSkript(const std::string& schriftname);

}  // namespace tafomat
