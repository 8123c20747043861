#include "render/Hintergrunddatei.h"

#include "render/RegularFile.h"

namespace tafomat {

namespace {

constexpr unsigned char Marke = 0xFF;
constexpr unsigned char Bildanfang = 0xD8;  // SOI
constexpr unsigned char Bildende = 0xD9;    // EOI
constexpr unsigned char Scananfang = 0xDA;  // SOS

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

}  // namespace

std::optional<Bildmass> jpegBildmass(std::string_view bytes) {
    if (bytes.size() < 4 || byteAt(bytes, 0) != Marke || byteAt(bytes, 1) != Bildanfang)
        return std::nullopt;
    std::size_t stelle = 2;
    for (;;) {
        // Bytes between segments are skipped as the decoder skips them, up to the next marker
        // with its fill bytes.
        while (stelle < bytes.size() && byteAt(bytes, stelle) != Marke) ++stelle;
        while (stelle < bytes.size() && byteAt(bytes, stelle) == Marke) ++stelle;
        if (stelle >= bytes.size()) return std::nullopt;
        const unsigned marke = byteAt(bytes, stelle++);
        if (istOhneLänge(marke)) continue;
        if (marke == Scananfang || marke == Bildende || stelle + 2 > bytes.size())
            return std::nullopt;
        const unsigned länge = wortAt(bytes, stelle);
        if (länge < 2 || stelle + länge > bytes.size()) return std::nullopt;
        if (istBildkopf(marke)) {
            // length, precision, height, width, components
            if (länge < 8) return std::nullopt;
            return Bildmass{static_cast<int>(wortAt(bytes, stelle + 5)),
                            static_cast<int>(wortAt(bytes, stelle + 3))};
        }
        stelle += länge;
    }
}

Hintergrunddatei HintergrunddateiLesen(const std::string& pfad) {
    FileContent datei = readRegularFile(pfad, GroessteBilddatei);
    if (datei.failure) return {{}, Bildfehler{grundVon(*datei.failure)}};
    const std::optional<Bildmass> mass = jpegBildmass(datei.bytes);
    if (!mass) return {{}, Bildfehler{Bildfehlergrund::KeinJpeg}};
    if (std::int64_t{mass->breite} * mass->hoehe > GroessteBildpunktzahl)
        return {{}, Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, mass->breite, mass->hoehe}};
    return {std::move(datei.bytes), std::nullopt};
}

}  // namespace tafomat
