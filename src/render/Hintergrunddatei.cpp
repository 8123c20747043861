#include "render/Hintergrunddatei.h"

#include "files/RegularFile.h"

namespace tafomat {

namespace {

constexpr unsigned char Marke = 0xFF;
constexpr unsigned char Bildanfang = 0xD8;  // SOI
constexpr unsigned char Bildende = 0xD9;    // EOI
constexpr unsigned char Scananfang = 0xDA;  // SOS
constexpr unsigned char App1 = 0xE1;        // where Exif lives

unsigned byteAt(std::string_view bytes, std::size_t stelle) {
    return static_cast<unsigned char>(bytes[stelle]);
}

unsigned wortAt(std::string_view bytes, std::size_t stelle) {
    return byteAt(bytes, stelle) << 8 | byteAt(bytes, stelle + 1);
}

// SOF0 to SOF15 but DHT (C4), JPG (C8) and DAC (CC), which share the range.
bool istBildkopf(unsigned marke) {
    return marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC;
}

// Markers without a length: the restart markers and TEM.
bool istOhneLänge(unsigned marke) {
    return (marke >= 0xD0 && marke <= 0xD7) || marke == 0x01;
}

// Inside a scan's coded data FF 00 is a data byte, FF D0 to FF D7 restart markers and FF FF
// fill; any other marker ends the data.
std::size_t nachDenDaten(std::string_view bytes, std::size_t stelle) {
    for (;;) {
        const std::size_t ff = bytes.find(static_cast<char>(Marke), stelle);
        if (ff == std::string_view::npos || ff + 1 >= bytes.size()) return bytes.size();
        const unsigned folge = byteAt(bytes, ff + 1);
        if (folge != 0x00 && folge != Marke && !(folge >= 0xD0 && folge <= 0xD7)) return ff;
        stelle = ff + 1;
    }
}

// Hands each marker segment from the start of the picture to its end, as libjpeg reads them,
// to besuchen(marke, inhalt) until it returns false: bytes between segments and a scan's coded
// data are skipped, and a segment that does not fit the bytes ends the walk.
template <typename Besuch>
void segmenteDurchgehen(std::string_view bytes, Besuch besuchen) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != Marke || byteAt(bytes, 1) != Bildanfang) return;
    std::size_t stelle = 2;
    for (;;) {
        while (stelle < bytes.size() && byteAt(bytes, stelle) != Marke) ++stelle;
        while (stelle < bytes.size() && byteAt(bytes, stelle) == Marke) ++stelle;
        if (stelle >= bytes.size()) return;
        const unsigned marke = byteAt(bytes, stelle++);
        if (istOhneLänge(marke) || marke == 0x00) continue;
        if (marke == Bildende || stelle + 2 > bytes.size()) return;
        const unsigned länge = wortAt(bytes, stelle);
        if (länge < 2 || stelle + länge > bytes.size()) return;
        if (!besuchen(marke, bytes.substr(stelle + 2, länge - 2))) return;
        stelle += länge;
        if (marke == Scananfang) stelle = nachDenDaten(bytes, stelle);
    }
}

Bildfehlergrund grundVon(ReadFailure fehler) {
    switch (fehler) {
        case ReadFailure::Missing:
            return Bildfehlergrund::Fehlt;
        case ReadFailure::NotRegular:
            return Bildfehlergrund::KeineNormaleDatei;
        case ReadFailure::TooLarge:
            return Bildfehlergrund::ZuGrosseDatei;
        case ReadFailure::Unreadable:
            break;
    }
    return Bildfehlergrund::NichtLesbar;
}

// The TIFF block of an Exif segment: byte order "II" or "MM", then 42.
class Tiff {
  public:
    explicit Tiff(std::string_view daten) : m_daten(daten) {}

    bool gültig() const {
        return m_daten.size() >= 8 &&
               (m_daten.substr(0, 2) == "II" || m_daten.substr(0, 2) == "MM") && wort(2) == 42;
    }
    std::size_t größe() const { return m_daten.size(); }
    unsigned wort(std::size_t stelle) const {
        const unsigned a = byteAt(m_daten, stelle), b = byteAt(m_daten, stelle + 1);
        return intel() ? b << 8 | a : a << 8 | b;
    }
    std::uint32_t doppelwort(std::size_t stelle) const {
        const std::uint32_t a = wort(stelle), b = wort(stelle + 2);
        return intel() ? b << 16 | a : a << 16 | b;
    }

  private:
    bool intel() const { return m_daten[0] == 'I'; }
    std::string_view m_daten;
};

// The orientation entry (tag 0112, one SHORT) of the first image directory.
[[nodiscard]] std::optional<int> ausrichtungIn(const Tiff& tiff) {
    constexpr unsigned Ausrichtungsmarke = 0x0112, Kurz = 3, Eintragsgröße = 12;
    const std::uint32_t verzeichnis = tiff.doppelwort(4);
    if (verzeichnis > tiff.größe() - 2) return std::nullopt;
    const unsigned einträge = tiff.wort(verzeichnis);
    for (std::size_t i = 0, stelle = verzeichnis + 2;
         i < einträge && stelle + Eintragsgröße <= tiff.größe(); ++i, stelle += Eintragsgröße) {
        if (tiff.wort(stelle) != Ausrichtungsmarke) continue;
        if (tiff.wort(stelle + 2) != Kurz || tiff.doppelwort(stelle + 4) != 1) return std::nullopt;
        const int wert = static_cast<int>(tiff.wort(stelle + 8));
        return wert >= 1 && wert <= 8 ? std::optional<int>(wert) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Bildmaß> jpegBildmaß(std::string_view bytes) {
    std::optional<Bildmaß> maß;
    segmenteDurchgehen(bytes, [&](unsigned marke, std::string_view inhalt) {
        if (!istBildkopf(marke)) return marke != Scananfang;
        // precision, height, width, components
        if (inhalt.size() >= 6)
            maß = Bildmaß{static_cast<int>(wortAt(inhalt, 3)), static_cast<int>(wortAt(inhalt, 1))};
        return false;
    });
    return maß;
}

int jpegScans(std::string_view bytes) {
    int scans = 0;
    segmenteDurchgehen(bytes, [&](unsigned marke, std::string_view) {
        if (marke == Scananfang) ++scans;
        return true;
    });
    return scans;
}

std::optional<int> exifAusrichtung(std::string_view bytes) {
    std::optional<int> ausrichtung;
    segmenteDurchgehen(bytes, [&](unsigned marke, std::string_view inhalt) {
        if (marke == Scananfang) return false;
        if (marke != App1 || inhalt.substr(0, 6) != std::string_view("Exif\0\0", 6)) return true;
        const Tiff tiff(inhalt.substr(6));
        if (tiff.gültig()) ausrichtung = ausrichtungIn(tiff);
        return false;
    });
    return ausrichtung;
}

Hintergrunddatei HintergrunddateiLesen(const std::string& pfad) {
    FileContent datei = readRegularFile(pfad, GrößteBilddatei);
    if (datei.failure) return {{}, Bildfehler{grundVon(*datei.failure)}};
    const std::optional<Bildmaß> maß = jpegBildmaß(datei.bytes);
    if (!maß) return {{}, Bildfehler{Bildfehlergrund::KeinJpeg}};
    if (std::int64_t{maß->breite} * maß->höhe > GrößteBildpunktzahl)
        return {{}, Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, maß->breite, maß->höhe}};
    if (jpegScans(datei.bytes) > GrößteScanzahl)
        return {{}, Bildfehler{Bildfehlergrund::Beschaedigt}};
    return {std::move(datei.bytes), std::nullopt};
}

}  // namespace tafomat
