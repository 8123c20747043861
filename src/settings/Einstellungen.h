#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "files/RegularFile.h"
#include "model/Datensaetze.h"
#include "model/Felder.h"
#include "model/Wortlaut.h"
#include "template/Surface.h"

namespace tafomat {

// The settings file: the records of Datensätze (model/Datensaetze.h), no header, no keys. Text
// records are lines; number records are written as number lines (" 8 ", "-12 "); the template
// is the rest of the file. Every line ends with CR LF.

inline constexpr int EinstellungenDatensätze = static_cast<int>(Datensätze.size());

// A record's name in messages, its field's name or "text colour"; "?" for a number beyond the
// records.
std::string_view Datensatzname(int nummer);

// A design takes a few hundred bytes; a template of a million characters still fits twice.
// A larger file is refused before it is read.
inline constexpr std::size_t GrößteEinstellungsdatei = 2 * 1024 * 1024;

// The most characters of a text record (1 to 4, 9 to 14): what the window's one-line fields
// hold, so that a record is never cut on its way into a field.
inline constexpr std::size_t LängsteTextzeile = 32767;

// Why the reading stopped at record gelesen + 1.
enum class Abbruch {
    Keiner,            // all fifteen records were read
    DateiEnde,         // the file ended before the record began
    KeineZahl,         // a number record (5 to 8) holds no number
    AußerhalbBereich,  // records 6 to 8: outside the scroll bar's range
    ZuLang,            // a text record holds more than LängsteTextzeile characters
};

// A record's value as read: the line of a text record, the number of a number record.
using Datensatzwert = std::variant<std::string, long long>;

// The records of a settings file as far as they could be read, in file order: a record is
// present only when every record before it is.
struct Einstellungen {
    std::array<std::optional<Datensatzwert>, EinstellungenDatensätze> werte;  // record n at n - 1
    int gelesen = 0;  // records read, 0 to 15
    Abbruch abbruch = Abbruch::Keiner;

    // The line of the field's text record; nullopt where it was not read.
    [[nodiscard]] std::optional<std::string> text(Feld feld) const;
    // The number of the field's number record; nullopt where it was not read.
    [[nodiscard]] std::optional<long long> zahl(Feld feld) const;
    // The text colour's record, read but never applied.
    [[nodiscard]] std::optional<long long> farbe() const;
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
[[nodiscard]] Einstellungen EinstellungenParsen(std::string_view bytes);

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
[[nodiscard]] EinstellungenErgebnis EinstellungenAnwenden(const Einstellungen& einstellungen,
                                                          Felder& felder, Surface& surface);

}  // namespace tafomat
