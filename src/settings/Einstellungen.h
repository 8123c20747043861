#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/RegularFile.h"
#include "model/Felder.h"
#include "model/Wortlaut.h"
#include "template/Surface.h"

namespace tafomat {

// The settings file: fifteen records in a fixed order, no header, no keys.
//   1 HintergrundPfad   2 HintergrundName   3 font name   4 font size   5 text colour
//   6 XPos   7 YPos   8 Abstand   9-14 DaTxt AlTxt KiTxt AnTxt NeTxt StTxt   15 template
// Text records are lines; records 4 to 8 are written as number lines (" 8 ", "-12 "); the
// template is the rest of the file. Every line ends with CR LF.

inline constexpr int EinstellungenDatensätze = 15;

// The field each record fills, in file order: record 5, the text colour, fills none.
inline constexpr std::array<std::optional<Feld>, EinstellungenDatensätze> Datensätze{
    Feld::HintergrundPfad,
    Feld::HintergrundName,
    Feld::SchriftartListe,
    Feld::SchriftGröße,
    std::nullopt,
    Feld::XPos,
    Feld::YPos,
    Feld::Abstand,
    Feld::DaTxt,
    Feld::AlTxt,
    Feld::KiTxt,
    Feld::AnTxt,
    Feld::NeTxt,
    Feld::StTxt,
    Feld::Txt};

// A record's name in messages, its field's name or "text colour"; "?" for a number beyond the
// records.
std::string_view Datensatzname(int nummer);
// The number of the record that fills the field, counted from 1; 0 for a field of none.
int Datensatznummer(Feld feld);

// A design takes a few hundred bytes; a template of a million characters still fits twice.
// A larger file is refused before it is read.
inline constexpr std::size_t GrößteEinstellungsdatei = 2 * 1024 * 1024;

// The most characters of a text record (1 to 4, 9 to 14): what the window's one-line fields
// hold, so that a record is never cut on its way into a field.
inline constexpr std::size_t LängsteTextzeile = 32767;

// Records 9 to 14, in file order.
inline constexpr std::array<Feld, 6> Eingabefelder{Feld::DaTxt, Feld::AlTxt, Feld::KiTxt,
                                                   Feld::AnTxt, Feld::NeTxt, Feld::StTxt};

// Why the reading stopped at record gelesen + 1.
enum class Abbruch {
    Keiner,            // all fifteen records were read
    DateiEnde,         // the file ended before the record began
    KeineZahl,         // a number record (5 to 8) holds no number
    AußerhalbBereich,  // records 6 to 8: outside the scroll bar's range
    ZuLang,            // a text record holds more than LängsteTextzeile characters
};

// The records of a settings file as far as they could be read, in file order: a record is
// present only when every record before it is.
struct Einstellungen {
    std::optional<std::string> hintergrundPfad;          // 1
    std::optional<std::string> hintergrundName;          // 2
    std::optional<std::string> schriftart;               // 3
    std::optional<std::string> schriftGröße;             // 4, the whole line, blanks included
    std::optional<long long> farbe;                      // 5, read but never applied
    std::optional<int> xPos;                             // 6
    std::optional<int> yPos;                             // 7
    std::optional<int> abstand;                          // 8
    std::array<std::optional<std::string>, 6> eingaben;  // 9 to 14, see Eingabefelder
    std::optional<std::string> vorlage;                  // 15

    int gelesen = 0;  // records read, 0 to 15
    Abbruch abbruch = Abbruch::Keiner;
};

// Why a settings file cannot be read, as the end of a sentence that names the file.
std::string Einstellungsdateigrund(ReadFailure fehler, Sprache sprache);

// Appends ".txt" unless the name's last four characters are exactly ".txt" (case-sensitive).
std::string EinstellungenDateiname(std::string name);

// The file's bytes for the current design. Font name, size and colour come from the preview's
// surface, which holds the font actually in use; the size is cut to a whole number. A text
// record is written without carriage returns and line feeds, which would end it early and
// shift every record after it.
std::string EinstellungenText(const Felder& felder, const Surface& surface);

// Reads the records in order until the bytes end or a record cannot be read.
// A line ends at CR LF, at a lone CR or at a lone LF, or at the end of the bytes; the line end
// is not part of the value. A text record longer than LängsteTextzeile stops the reading. A
// number record is blanks or tabs, a number, blanks or tabs: an optional sign, digits with at
// most one point ("5", "-12", "5.6", ".5"), rounded to the nearest whole number with halves
// away from zero. Records 6 to 8 must then lie within XPos's, YPos's and Abstand's range. The
// template joins the remaining lines with CR LF, so that what EinstellungenText wrote comes
// back unchanged; a lone CR or LF inside a template comes back as CR LF. Bytes that end right
// after record 14 leave the template unread.
Einstellungen EinstellungenParsen(std::string_view bytes);

struct EinstellungenErgebnis {
    int angewendet = 0;      // records taken over, 0 to 15 (record 5 counts, changing nothing)
    bool bildFehlt = false;  // record 1's picture could not be loaded
    Abbruch abbruch = Abbruch::Keiner;  // why record angewendet + 1 was not read
};

// Puts the records into the fields in file order, through the Felder interface, so that in
// the window every value runs its field's change handling; a field is written only where the
// value differs from its content. Right after HintergrundPfad the surface loads the picture;
// a picture that cannot be loaded does not end the loading. Record 4 goes unchanged into
// SchriftGröße, record 5 is dropped. The font reaches the surface through SchriftartListe's
// change handling, not from here. Callers that must keep a change handler quiet while a file
// loads set their own flag around this call.
EinstellungenErgebnis EinstellungenAnwenden(const Einstellungen& einstellungen, Felder& felder,
                                            Surface& surface);

}  // namespace tafomat
