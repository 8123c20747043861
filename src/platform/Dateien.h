#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/RegularFile.h"

namespace tafomat {

// Why a file was not written.
struct WriteFailure {
    enum class Reason {
        FolderMissing,  // the folder it would lie in does not exist
        IsFolder,       // the name is a folder's
        NoAccess,       // the folder, or the file there, may not be written
        WriteError,     // writing or closing failed, on a full disk for one
    };
    Reason reason;
    QString folder;      // the folder it would lie in
    QString systemText;  // the system's words for the failure, for WriteError
};

// Creates or replaces the file with the bytes. The old file stays untouched unless the whole
// new content was written; the file is closed in every case. nullopt when it was written.
[[nodiscard]] std::optional<WriteFailure> saveFile(const QString& pfad, std::string_view bytes);
// The same, saying only whether it was written.
[[nodiscard]] bool writeFile(const QString& pfad, std::string_view bytes);

// The whole content of a regular file of at most höchstens bytes, or why not; pipes, devices
// and folders are refused at once, a larger file before it is read.
[[nodiscard]] FileContent readFile(const QString& pfad, std::size_t höchstens);

// A name that the settings reader opens as it is, without appending ".txt": one that ends in
// exactly ".txt", and a file that exists under a name ending in ".txt" in any letter case.
bool istEinstellungenName(const QString& pfad);
// The file that "Einstellungen öffnen" reads for a chosen name: the name as it is when it ends
// in ".txt" (a file that exists also in another letter case), otherwise with ".txt" appended.
QString Einstellungsdatei(const QString& pfad);

}  // namespace tafomat
