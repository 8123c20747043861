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
    KeinSkript,    // the design gives no script
    KeineSchrift,  // no font file answers the font
    Bildname,      // the picture's name cannot be a file next to the script
    Ordner,        // the folder cannot be made
    Schreiben,     // a file cannot be written (datei names it)
};

// What writing the server bundle came to: the script, the background picture under the name
// the script opens and the font file under the name the script gives it, in one folder.
struct ServerPaket {
    std::optional<PaketFehler> fehler;
    QString datei;  // the file that could not be written, the font or the picture name
    std::vector<std::pair<QString, std::string>> inhalt;  // each file's name and bytes
    QStringList dateien;                                  // the files written, by name
    // The design's picture could not be read; the built-in picture stands in under its name.
    std::optional<Bildfehler> bildfehler;
};

// The window's message about a bundle, in German.
QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad);

}  // namespace tafomat
