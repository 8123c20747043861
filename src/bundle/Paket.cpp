#include "bundle/Paket.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "files/DateienEinsetzen.h"
#include "files/RegularFile.h"
#include "model/Cp1252.h"
#include "render/Bilddatei.h"

namespace tafomat {

namespace {

// Far more than any font file; a font is read whole to be copied.
constexpr std::size_t GrößteSchriftdatei = 256 * 1024 * 1024;
constexpr const char* Skriptname = "Tafomat.php";

// A server on Windows takes names that differ only in letter case for one file.
std::string ohneGroßschreibung(std::string name) {
    for (char& zeichen : name) {
        const auto code = static_cast<unsigned char>(zeichen);
        if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7))
            zeichen = static_cast<char>(code + 0x20);
        else if (code == 0x8A || code == 0x8C || code == 0x8E)
            zeichen = static_cast<char>(code + 0x10);
        else if (code == 0x9F)
            zeichen = '\xFF';
    }
    return name;
}

// The script opens the picture by this name next to itself and its font file: it must name a
// file of its own there.
bool taugtAlsDateiname(const std::string& name, const std::string& schriftname) {
    const std::string klein = ohneGroßschreibung(name);
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos &&
           klein != ohneGroßschreibung(Skriptname) && klein != ohneGroßschreibung(schriftname);
}

std::string ersatzbild(const Bild& hintergrund) {
    if (jpegLesen(eingebautesBildJpeg()) == hintergrund) return std::string(eingebautesBildJpeg());
    return jpegSchreiben(hintergrund);
}

// The picture file's bytes; where they cannot be taken, the stand-in and why.
std::string paketbild(const Felder& felder, const GdSurface& vorschau,
                      std::optional<Bildfehler>& fehler) {
    fehler = vorschau.backgroundFailure();
    if (!fehler) {
        Hintergrunddatei datei =
            HintergrunddateiLesen(utf8FromCp1252(felder.text(Feld::HintergrundPfad)));
        fehler = datei.fehler;
        if (!fehler) return std::move(datei.bytes);
    }
    return ersatzbild(vorschau.hintergrund());
}

ServerPaket scheitern(ServerPaket paket, PaketFehler fehler, std::string datei) {
    paket.fehler = fehler;
    paket.datei = std::move(datei);
    return paket;
}

std::string imOrdner(const std::string& ordner, const std::string& name) {
    return ordner + "/" + name;
}

// Whether the folder holds a file of that name that is not the stand-in or the built-in
// picture, which an earlier bundle may have written there.
bool fremdeDatei(const std::string& pfad, const std::string& ersatz) {
    struct stat angaben {};
    if (::lstat(pfad.c_str(), &angaben) != 0) return errno != ENOENT;
    const std::string_view eingebaut = eingebautesBildJpeg();
    const FileContent inhalt = readRegularFile(pfad, std::max(ersatz.size(), eingebaut.size()));
    return inhalt.failure || (inhalt.bytes != ersatz && inhalt.bytes != eingebaut);
}

}  // namespace

ServerPaket ServerPaketPlanen(const Felder& felder, const GdSurface& vorschau,
                              const std::optional<std::string>& skript) {
    ServerPaket paket;
    const std::string schrift = vorschau.fontName();
    if (!skript) return scheitern(std::move(paket), PaketFehler::KeinSkript, {});
    const Schriftfund fund = schriftSuchen(utf8FromCp1252(schrift));
    if (!fund.datei) {
        paket.schriftmangel = fund.mangel;
        return scheitern(std::move(paket), PaketFehler::KeineSchrift, schrift);
    }
    paket.schrift.name = schrift + ".ttf";
    paket.bild.name = felder.text(Feld::HintergrundName);
    if (!taugtAlsDateiname(paket.bild.name, paket.schrift.name)) {
        // The name is copied before the bundle moves: arguments have no order of evaluation.
        std::string name = paket.bild.name;
        return scheitern(std::move(paket), PaketFehler::Bildname, std::move(name));
    }
    FileContent schriftbytes = readRegularFile(*fund.datei, GrößteSchriftdatei);
    if (schriftbytes.failure)
        return scheitern(std::move(paket), PaketFehler::KeineSchrift, schrift);
    paket.schrift.bytes = std::move(schriftbytes.bytes);
    paket.skript = {Skriptname, *skript + std::string(Zeilenumbruch)};
    paket.bild.bytes = paketbild(felder, vorschau, paket.bildfehler);
    return paket;
}

void ServerPaketOrdnerPrüfen(ServerPaket& paket, const std::string& ordner) {
    if (paket.fehler) return;
    std::error_code fehler;
    if (ordner.empty())
        fehler = std::make_error_code(std::errc::no_such_file_or_directory);
    else
        std::filesystem::create_directories(ordner, fehler);
    if (fehler) {
        paket.fehler = PaketFehler::Ordner;
        paket.fehlernummer = fehler.value();
        return;
    }
    if (paket.bildfehler && fremdeDatei(imOrdner(ordner, paket.bild.name), paket.bild.bytes)) {
        paket.fehler = PaketFehler::BildVorhanden;
        paket.datei = paket.bild.name;
    }
}

void ServerPaketSchreiben(ServerPaket& paket, const std::string& ordner) {
    ServerPaketOrdnerPrüfen(paket, ordner);
    if (paket.fehler) return;
    const Paketdatei* const dateien[] = {&paket.skript, &paket.bild, &paket.schrift};
    std::vector<Neudatei> neu;
    for (const Paketdatei* datei : dateien) neu.push_back({datei->name, datei->bytes});
    if (const std::optional<Einsetzfehler> fehler = DateienEinsetzen(ordner, neu)) {
        paket.fehler = PaketFehler::Schreiben;
        paket.datei = dateien[fehler->datei]->name;
        paket.fehlernummer = fehler->fehlernummer;
    }
}

}  // namespace tafomat
