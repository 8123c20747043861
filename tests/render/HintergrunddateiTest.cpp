#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "render/Hintergrunddatei.h"
#include "render/RegularFile.h"

namespace tafomat {
namespace {

std::string wort(int zahl) {
    return {static_cast<char>(zahl >> 8), static_cast<char>(zahl & 0xFF)};
}

// A marker segment: FF, the marker, the length (counting itself) and the content.
std::string segment(unsigned char marke, const std::string& inhalt) {
    return std::string{'\xFF', static_cast<char>(marke)} +
           wort(static_cast<int>(inhalt.size()) + 2) + inhalt;
}

// A frame header of three components: precision, height, width, components.
std::string bildkopf(unsigned char marke, int breite, int hoehe) {
    return segment(marke, "\x08" + wort(hoehe) + wort(breite) + "\x03" +
                              std::string("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9));
}

const std::string Anfang("\xFF\xD8", 2);
const std::string App0 = segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
const std::string Tabelle = segment(0xC4, std::string(20, '\x01'));
const std::string Scan = segment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10));

TEST(JpegBildmass, ComesFromTheFirstFrameHeaderBeforeTheScan) {
    const struct {
        const char* name;
        std::string bytes;
        std::optional<Bildmass> mass;
    } fälle[] = {
        {"baseline", Anfang + App0 + bildkopf(0xC0, 460, 66) + Scan, Bildmass{460, 66}},
        {"progressive after a table", Anfang + Tabelle + bildkopf(0xC2, 8190, 8190) + Scan,
         Bildmass{8190, 8190}},
        {"fill bytes before a marker", Anfang + "\xFF\xFF" + bildkopf(0xC1, 1, 65535),
         Bildmass{1, 65535}},
        {"stray bytes between segments", Anfang + App0 + "abc" + bildkopf(0xC0, 7, 9),
         Bildmass{7, 9}},
        {"the first of two frame headers",
         Anfang + bildkopf(0xC0, 10, 20) + bildkopf(0xC0, 9000, 9000), Bildmass{10, 20}},
        {"declared height zero", Anfang + bildkopf(0xC0, 100, 0) + Scan, Bildmass{100, 0}},
        {"scan before any frame header", Anfang + App0 + Scan + bildkopf(0xC0, 5, 5), std::nullopt},
        {"end before any frame header", Anfang + App0 + "\xFF\xD9" + bildkopf(0xC0, 5, 5),
         std::nullopt},
        {"a PNG", std::string("\x89PNG\r\n\x1A\n", 8) + bildkopf(0xC0, 5, 5), std::nullopt},
        {"nothing after the start", Anfang, std::nullopt},
        {"empty", "", std::nullopt},
        {"frame header cut short", Anfang + bildkopf(0xC0, 5, 5).substr(0, 8), std::nullopt},
        {"frame header too short", Anfang + segment(0xC0, "\x08\x00\x05"), std::nullopt},
        {"a length below two", Anfang + std::string("\xFF\xE0\x00\x01", 4), std::nullopt},
        {"a segment beyond the end", Anfang + std::string("\xFF\xE0\xFF\xFF", 4) + "x",
         std::nullopt},
    };
    for (const auto& fall : fälle) EXPECT_EQ(jpegBildmass(fall.bytes), fall.mass) << fall.name;
}

class Dateien : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner = std::filesystem::temp_directory_path() /
                 ("tafomat-render-" + std::to_string(::getpid()));
        std::filesystem::create_directories(ordner);
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }

    std::string schreiben(const std::string& name, const std::string& bytes) const {
        const std::string pfad = (ordner / name).string();
        std::ofstream(pfad, std::ios::binary) << bytes;
        return pfad;
    }
    // A file of that many zero bytes that takes no room on the disk.
    std::string leer(const std::string& name, std::uintmax_t bytes) const {
        const std::string pfad = schreiben(name, "");
        std::filesystem::resize_file(pfad, bytes);
        return pfad;
    }
    std::string pipe(const std::string& name) const {
        const std::string pfad = (ordner / name).string();
        EXPECT_EQ(::mkfifo(pfad.c_str(), 0600), 0);
        return pfad;
    }

    std::filesystem::path ordner;
};

TEST_F(Dateien, ABackgroundIsARegularJpegFileWithinTheLimits) {
    const std::string grenze = Anfang + App0 + bildkopf(0xC0, 4096, 4096) + Scan;
    const struct {
        const char* name;
        std::string pfad;
        std::optional<Bildfehler> fehler;
    } fälle[] = {
        {"at the pixel limit", schreiben("grenze.jpg", grenze), std::nullopt},
        {"16 megapixels in a long strip",
         schreiben("streifen.jpg", Anfang + bildkopf(0xC2, 65535, 256)), std::nullopt},
        {"one row beyond the limit", schreiben("mehr.jpg", Anfang + bildkopf(0xC0, 4096, 4097)),
         Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, 4096, 4097}},
        {"8190 x 8190 in a few bytes", schreiben("riesig.jpg", Anfang + bildkopf(0xC2, 8190, 8190)),
         Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, 8190, 8190}},
        {"a PNG named .jpg", schreiben("bild.jpg", "\x89PNG\r\n\x1A\n"),
         Bildfehler{Bildfehlergrund::KeinJpeg}},
        {"missing", (ordner / "fehlt.jpg").string(), Bildfehler{Bildfehlergrund::Fehlt}},
        {"in a missing folder", (ordner / "weg/fehlt.jpg").string(),
         Bildfehler{Bildfehlergrund::Fehlt}},
        {"a pipe nobody writes to", pipe("pipe.jpg"),
         Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a folder", ordner.string(), Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a device without end", "/dev/zero", Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a byte beyond the file limit", leer("gross.jpg", GroessteBilddatei + 1),
         Bildfehler{Bildfehlergrund::ZuGrosseDatei}},
    };
    for (const auto& fall : fälle) {
        const Hintergrunddatei datei = HintergrunddateiLesen(fall.pfad);
        EXPECT_EQ(datei.fehler, fall.fehler) << fall.name;
        EXPECT_EQ(datei.bytes.empty(), fall.fehler.has_value()) << fall.name;
    }
    EXPECT_EQ(HintergrunddateiLesen(schreiben("g.jpg", grenze)).bytes, grenze);
}

TEST_F(Dateien, ARegularFileIsReadWholeUpToTheBound) {
    const std::string bytes("a\0b\r\n\xFF", 6);
    const std::string pfad = schreiben("d.txt", bytes);
    EXPECT_EQ(readRegularFile(pfad, 6).bytes, bytes);
    EXPECT_FALSE(readRegularFile(pfad, 6).failure);
    EXPECT_EQ(readRegularFile(pfad, 5).failure, ReadFailure::TooLarge);
    EXPECT_TRUE(readRegularFile(pfad, 5).bytes.empty());
    EXPECT_EQ(readRegularFile(leer("leer.txt", 0), 0).failure, std::nullopt);
}

}  // namespace
}  // namespace tafomat
