#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "render/RegularFile.h"

namespace tafomat {

// Why a file was not written.
struct Schreibfehler {
    enum class Grund {
        OrdnerFehlt,  // the folder it would lie in does not exist
        IstOrdner,    // the name is a folder's
        KeinZugriff,  // the folder, or the file there, may not be written
        Schreiben,    // writing or closing failed, on a full disk for one
    };
    Grund grund;
    QString ordner;      // the folder it would lie in
    QString systemtext;  // the system's words for the failure, for Schreiben
};

// Creates or replaces the file with the bytes. The old file stays untouched unless the whole
// new content was written; the file is closed in every case. nullopt when it was written.
std::optional<Schreibfehler> DateiSpeichern(const QString& pfad, std::string_view bytes);
// The same, saying only whether it was written.
bool DateiSchreiben(const QString& pfad, std::string_view bytes);

// Writes the file `name` into the folder, its name given as the bytes the file system is to hold
// (a script opens its files by such bytes), replacing a file of that name whole or not at all. A
// link of that name is replaced, not followed.
bool DateiInOrdnerSchreiben(const QString& ordner, const std::string& name, std::string_view bytes);
// Whether the folder holds anything of that name, given as bytes.
bool ImOrdnerVorhanden(const QString& ordner, const std::string& name);

// The whole content of a regular file of at most höchstens bytes, or why not; pipes, devices
// and folders are refused at once, a larger file before it is read.
FileContent DateiLesen(const QString& pfad, std::size_t höchstens);

}  // namespace tafomat
