#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "render/Hintergrunddatei.h"

namespace tafomat {

// Why no server bundle was written.
enum class PaketFehler {
    KeinSkript,     // the design gives no script
    KeineSchrift,   // no font file answers the font
    Bildname,       // the picture's name cannot be a file of its own next to the script
    BildVorhanden,  // the design's picture cannot be read, and the folder holds a file of its name
    Ordner,         // the folder cannot be made
    Schreiben,      // a file cannot be written (datei names it)
};

// What writing the server bundle came to: the script, the background picture under the name
// the script opens and the font file under the name the script gives it, in one folder.
struct ServerPaket {
    std::optional<PaketFehler> fehler;
    QString datei;  // the file that could not be written, the font or the picture name
    // Each file's name, as the bytes the script opens it by, and its content.
    std::vector<std::pair<std::string, std::string>> inhalt;
    QStringList dateien;  // the files written, by name
    // The design's picture could not be read; the built-in picture stands in under its name.
    std::optional<Bildfehler> bildfehler;
};

// The window's message about a bundle, in German.
QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad);

}  // namespace tafomat
