#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "render/GdSurface.h"
#include "render/Hintergrunddatei.h"
#include "render/Schriftsuche.h"

namespace tafomat {

// Why no server bundle was written.
enum class PaketFehler {
    KeinSkript,     // the design gives no script
    KeineSchrift,   // no font file answers the font (schriftmangel says why)
    Bildname,       // the picture's name cannot be a file of its own next to the script
    BildVorhanden,  // the design's picture cannot be read, and the folder holds a file of its name
    Ordner,         // the folder cannot be made
    Schreiben,      // a file cannot be written (datei names it)
};

// One file of the bundle: its name as the bytes the script opens it by, and its content.
struct Paketdatei {
    std::string name;
    std::string bytes;
};

// The server bundle: the script, the background picture under the name the script opens and
// the font file under the name the script gives it, all in one folder.
struct ServerPaket {
    Paketdatei skript;
    Paketdatei bild;
    Paketdatei schrift;
    // The design's picture could not be read; bild is the picture the server view draws on.
    std::optional<Bildfehler> bildfehler;

    std::optional<PaketFehler> fehler;
    // What the failure concerns, as the design holds it: the font, the picture's name or the
    // file that could not be written.
    std::string datei;
    int fehlernummer = 0;  // errno of the folder or file that could not be written
    std::optional<Schriftmangel> schriftmangel;
};

// The bundle of the design in the window's fields: `skript` as the design gives it (nullopt:
// none), the preview's font file, and the design's picture file, checked as the preview checks
// it but not decoded. Where the preview or these checks refuse the picture, the picture the
// preview shows in its place stands in, so that the server draws over what the server view
// shows.
[[nodiscard]] ServerPaket ServerPaketPlanen(const Felder& felder, const GdSurface& vorschau,
                                            const std::optional<std::string>& skript);

// Makes the folder (a path as the file system takes it) and refuses what the files would
// destroy: a stand-in never replaces a file of the user's, which may be the very picture that
// could not be read; the stand-in an earlier bundle wrote there is replaced.
void ServerPaketOrdnerPrüfen(ServerPaket& paket, const std::string& ordner);

// Checks the folder as above, then writes the three files, all or none (see DateienEinsetzen).
void ServerPaketSchreiben(ServerPaket& paket, const std::string& ordner);

}  // namespace tafomat
