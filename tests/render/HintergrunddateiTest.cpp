#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "common/PhpLauf.h"
#include "common/Schriftdateien.h"
#include "files/RegularFile.h"
#include "render/Bilddatei.h"
#include "render/GdHilfe.h"
#include "render/GdSurface.h"
#include "render/Hintergrunddatei.h"

namespace tafomat {
namespace {

// A marker segment: FF, the marker, the length (counting itself) and the content.
std::string segment(unsigned char marke, const std::string& inhalt) {
    return std::string{'\xFF', static_cast<char>(marke)} +
           test::wort16(static_cast<unsigned>(inhalt.size()) + 2) + inhalt;
}

// A frame header of three components: precision, height, width, components.
std::string bildkopf(unsigned char marke, int breite, int höhe) {
    return segment(marke, "\x08" + test::wort16(höhe) + test::wort16(breite) + "\x03" +
                              std::string("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9));
}

const std::string Anfang("\xFF\xD8", 2);
const std::string App0 = segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
const std::string Tabelle = segment(0xC4, std::string(20, '\x01'));
const std::string Scan = segment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10));

// An 8 x 8 grey progressive JPEG: its DC scan, then its AC scan again and again, as a picture
// made to keep decoders busy repeats it. Each table has one code, the bit 0, for the value 0, so
// each scan's data is one byte, 0 and padding.
std::string progressiv(int scans) {
    const std::string code = "\x01" + std::string(16, '\0');
    std::string bytes = Anfang + segment(0xDB, '\0' + std::string(64, '\x01')) +
                        segment(0xC2, "\x08" + test::wort16(8) + test::wort16(8) +
                                          std::string("\x01\x01\x11\0", 4)) +
                        segment(0xC4, '\0' + code) + segment(0xC4, "\x10" + code) +
                        segment(0xDA, std::string("\x01\x01\0\0\0\0", 6)) + "\x7F";
    for (int scan = 1; scan < scans; ++scan)
        bytes += segment(0xDA, std::string("\x01\x01\0\x01\x3F\0", 6)) + "\x7F";
    return bytes + "\xFF\xD9";
}

// An Exif segment whose first directory holds the entries (tag, type, count, value), in Intel
// or Motorola byte order.
std::string exif(bool intel, std::initializer_list<std::array<unsigned, 4>> einträge,
                 unsigned verzeichnis = 8) {
    const auto zahl = [intel](unsigned wert, int bytes) {
        std::string text;
        for (int i = bytes - 1; i >= 0; --i) text += static_cast<char>(wert >> (8 * i) & 0xFF);
        return intel ? std::string(text.rbegin(), text.rend()) : text;
    };
    std::string tiff = (intel ? "II" : "MM") + zahl(42, 2) + zahl(verzeichnis, 4) +
                       zahl(static_cast<unsigned>(einträge.size()), 2);
    for (const auto& [marke, art, anzahl, wert] : einträge)
        tiff += zahl(marke, 2) + zahl(art, 2) + zahl(anzahl, 4) + zahl(wert, 2) + zahl(0, 2);
    return segment(0xE1, std::string("Exif\0\0", 6) + tiff);
}
constexpr unsigned Ausrichtung = 0x0112, Kurz = 3, Lang = 4;

TEST(JpegBildmass, ComesFromTheFirstFrameHeaderBeforeTheScan) {
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        std::optional<Bildmaß> maß;
    } fälle[] = {
        {"baseline", Anfang + App0 + bildkopf(0xC0, 460, 66) + Scan, Bildmaß{460, 66}},
        {"progressive after a table", Anfang + Tabelle + bildkopf(0xC2, 8190, 8190) + Scan, Bildmaß{8190, 8190}},
        {"fill bytes before a marker", Anfang + "\xFF\xFF" + bildkopf(0xC1, 1, 65535), Bildmaß{1, 65535}},
        {"stray bytes between segments", Anfang + App0 + "abc" + bildkopf(0xC0, 7, 9), Bildmaß{7, 9}},
        {"the first of two frame headers", Anfang + bildkopf(0xC0, 10, 20) + bildkopf(0xC0, 9000, 9000), Bildmaß{10, 20}},
        {"declared height zero", Anfang + bildkopf(0xC0, 100, 0) + Scan, Bildmaß{100, 0}},
        {"scan before any frame header", Anfang + App0 + Scan + bildkopf(0xC0, 5, 5), std::nullopt},
        {"end before any frame header", Anfang + App0 + "\xFF\xD9" + bildkopf(0xC0, 5, 5), std::nullopt},
        {"a PNG", std::string("\x89PNG\r\n\x1A\n", 8) + bildkopf(0xC0, 5, 5), std::nullopt},
        {"nothing after the start", Anfang, std::nullopt},
        {"empty", "", std::nullopt},
        {"frame header cut short", Anfang + bildkopf(0xC0, 5, 5).substr(0, 8), std::nullopt},
        {"frame header too short", Anfang + segment(0xC0, "\x08\x00\x05"), std::nullopt},
        {"a length below two", Anfang + std::string("\xFF\xE0\x00\x01", 4), std::nullopt},
        {"a segment beyond the end", Anfang + std::string("\xFF\xE0\xFF\xFF", 4) + "x", std::nullopt},
    };
    // clang-format on
    for (const auto& fall : fälle) EXPECT_EQ(jpegBildmaß(fall.bytes), fall.maß) << fall.name;
}

TEST(ExifAusrichtung, ComesFromTheFirstExifSegmentBeforeTheScan) {
    const std::string kopf = bildkopf(0xC0, 460, 66) + Scan;
    const std::string xmp = segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 34));
    const std::string gedreht = exif(false, {{0x0110, 2, 4, 0}, {Ausrichtung, Kurz, 1, 6}});
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        std::optional<int> ausrichtung;
    } fälle[] = {
        {"no Exif", Anfang + App0 + kopf, std::nullopt},
        {"turned by a quarter, Motorola", Anfang + gedreht + kopf, 6},
        {"upside down, Intel", Anfang + App0 + exif(true, {{Ausrichtung, Kurz, 1, 3}}) + kopf, 3},
        {"as stored", Anfang + exif(true, {{Ausrichtung, Kurz, 1, 1}}) + kopf, 1},
        {"after an XMP segment", Anfang + xmp + gedreht + kopf, 6},
        {"after the scan", Anfang + kopf + gedreht, std::nullopt},
        {"no orientation", Anfang + exif(true, {{0x0110, 2, 4, 0}}) + kopf, std::nullopt},
        {"beyond 8", Anfang + exif(false, {{Ausrichtung, Kurz, 1, 9}}) + kopf, std::nullopt},
        {"as a LONG", Anfang + exif(false, {{Ausrichtung, Lang, 1, 6}}) + kopf, std::nullopt},
        {"two values", Anfang + exif(false, {{Ausrichtung, Kurz, 2, 6}}) + kopf, std::nullopt},
        {"directory beyond the segment", Anfang + exif(true, {{Ausrichtung, Kurz, 1, 6}}, 0xFFFFFFF0) + kopf, std::nullopt},
        {"entry cut short", Anfang + gedreht.substr(0, gedreht.size() - 3) + kopf, std::nullopt},
        {"no TIFF block", Anfang + segment(0xE1, std::string("Exif\0\0MM\0\x2B", 10)) + kopf, std::nullopt},
        {"empty", "", std::nullopt},
    };
    // clang-format on
    for (const auto& fall : fälle)
        EXPECT_EQ(exifAusrichtung(fall.bytes), fall.ausrichtung) << fall.name;
}

class Dateien : public ::testing::Test {
  protected:
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

    test::PhpOrdner platz;  // removed unless the test failed
    const std::filesystem::path ordner = platz.pfad();
};

TEST_F(Dateien, ABackgroundIsARegularJpegFileWithinTheLimits) {
    const std::string grenze = Anfang + App0 + bildkopf(0xC0, 4096, 4096) + Scan;
    // clang-format off
    const struct {
        const char* name;
        std::string pfad;
        std::optional<Bildfehler> fehler;
    } fälle[] = {
        {"at the pixel limit", schreiben("grenze.jpg", grenze), std::nullopt},
        {"16 megapixels in a long strip", schreiben("streifen.jpg", Anfang + bildkopf(0xC2, 65535, 256)), std::nullopt},
        {"one row beyond the limit", schreiben("mehr.jpg", Anfang + bildkopf(0xC0, 4096, 4097)), Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, 4096, 4097}},
        {"8190 x 8190 in a few bytes", schreiben("riesig.jpg", Anfang + bildkopf(0xC2, 8190, 8190)), Bildfehler{Bildfehlergrund::ZuVieleBildpunkte, 8190, 8190}},
        {"a PNG named .jpg", schreiben("bild.jpg", "\x89PNG\r\n\x1A\n"), Bildfehler{Bildfehlergrund::KeinJpeg}},
        {"missing", (ordner / "fehlt.jpg").string(), Bildfehler{Bildfehlergrund::Fehlt}},
        {"in a missing folder", (ordner / "weg/fehlt.jpg").string(), Bildfehler{Bildfehlergrund::Fehlt}},
        {"a pipe nobody writes to", pipe("pipe.jpg"), Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a folder", ordner.string(), Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a device without end", "/dev/zero", Bildfehler{Bildfehlergrund::KeineNormaleDatei}},
        {"a byte beyond the file limit", leer("gross.jpg", GrößteBilddatei + 1), Bildfehler{Bildfehlergrund::ZuGrosseDatei}},
        {"as many scans as allowed", schreiben("scans.jpg", progressiv(GrößteScanzahl)), std::nullopt},
        {"a scan more", schreiben("mehr-scans.jpg", progressiv(GrößteScanzahl + 1)), Bildfehler{Bildfehlergrund::Beschaedigt}},
    };
    // clang-format on
    for (const auto& fall : fälle) {
        const Hintergrunddatei datei = HintergrunddateiLesen(fall.pfad);
        EXPECT_EQ(datei.fehler, fall.fehler) << fall.name;
        EXPECT_EQ(datei.bytes.empty(), fall.fehler.has_value()) << fall.name;
    }
    EXPECT_EQ(HintergrunddateiLesen(schreiben("g.jpg", grenze)).bytes, grenze);
    // The scans are real: GD decodes them all, in vain after the first two.
    EXPECT_EQ(jpegScans(progressiv(GrößteScanzahl + 1)), GrößteScanzahl + 1);
    const std::optional<Bild> bild = jpegLesen(progressiv(GrößteScanzahl));
    ASSERT_TRUE(bild.has_value());
    EXPECT_EQ(bild->breite(), 8);
}

// The preview takes what GD takes, under a Windows-1252 path: a JPEG; for anything else it keeps
// the picture it has.
TEST_F(Dateien, ThePreviewTakesTheJpegsGdTakesAndKeepsItsPictureOtherwise) {
    const Bild muster = test::muster(200, 100);
    const std::string jpeg = ausgabeBytes(muster, "jpeg", 90);
    schreiben("gr\xC3\xBCn.jpg", jpeg);
    GdSurface fläche;
    const Bild eingebaut = fläche.bild();
    for (const std::string& pfad :
         {schreiben("kopf.jpg", jpeg.substr(0, 40)),
          schreiben("png.jpg", ausgabeBytes(muster, "png", 9)), ordner.string()}) {
        fläche.drawText("Text");
        EXPECT_FALSE(fläche.loadBackground(pfad)) << pfad;
        fläche.clear();
        EXPECT_EQ(test::unterschiede(fläche.bild(), eingebaut), 0) << pfad;
    }
    ASSERT_TRUE(fläche.loadBackground(ordner.string() + "/gr\xFCn.jpg"));
    EXPECT_EQ(test::unterschiede(fläche.bild(), *jpegLesen(jpeg)), 0);
}

// A photo's worth of detail: its JPEG holds every byte value, CR LF among them.
std::string rauschenJpeg() {
    std::mt19937 zufall(1);
    Bild bild(300, 120);
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x) bild.setzePunkt(x, y, zufall() & 0xFFFFFF);
    return ausgabeBytes(bild, "jpeg", 90);
}

// What an FTP program in ASCII mode does to a file on its way to a Unix server.
std::string crlfAlsLf(std::string bytes) {
    for (std::size_t stelle; (stelle = bytes.find("\r\n")) != std::string::npos;)
        bytes.erase(stelle, 1);
    return bytes;
}

// Whether PHP, asked to heed libjpeg's warnings as the script asks it, hears one about the file
// or refuses it.
bool phpWarnt(const std::string& php, const std::string& pfad) {
    const std::string code =
        "set_error_handler(function () { global $w; $w = 1; return true; });"
        "$b = imagecreatefromjpeg($argv[1]); echo ($b === false || isset($w)) ? 1 : 0;";
    return test::ausführen(test::befehl(php, {"-d", "gd.jpeg_ignore_warning=0", "-r", code, pfad}))
               .ausgabe == "1";
}

// A JPEG that libjpeg warns about is damaged for the window, the command line and the bundle
// alike, by the rule by which the script refuses it on either GD: libgd 2.3.3 warns and draws
// its rest grey or striped, PHP's bundled GD refuses it.
TEST_F(Dateien, AJpegLibjpegWarnsAboutIsDamagedAsTheScriptFindsIt) {
    const std::string jpeg = rauschenJpeg();
    ASSERT_NE(jpeg.find("\r\n"), std::string::npos);
    std::string fremdbyte = jpeg;
    fremdbyte.insert(jpeg.size() / 2, "\xFF\x01");
    // clang-format off
    const struct {
        const char* name;
        std::string bytes;
        bool beschädigt;
    } fälle[] = {
        {"intact", jpeg, false},
        {"uploaded in ASCII mode", crlfAlsLf(jpeg), true},
        {"cut off at two thirds", jpeg.substr(0, jpeg.size() * 2 / 3), true},
        {"cut off before its end marker", jpeg.substr(0, jpeg.size() - 2), true},
        {"a marker inside the scan", fremdbyte, true},
        {"bytes after its end", jpeg + "Fremdes", false},
        {"many progressive scans", progressiv(GrößteScanzahl), false},
    };
    // clang-format on
    const std::string gebündelt = test::phpGebündelt();
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.name);
        const std::string pfad = schreiben("bild.jpg", fall.bytes);
        EXPECT_EQ(jpegWarnt(fall.bytes), fall.beschädigt);
        EXPECT_EQ(phpWarnt("php", pfad), fall.beschädigt);
        if (!gebündelt.empty()) {
            EXPECT_EQ(phpWarnt(gebündelt, pfad), fall.beschädigt);
        }
        for (const bool nurPrüfen : {false, true}) {
            GdSurface fläche;
            fläche.nurPrüfen(nurPrüfen);
            EXPECT_EQ(fläche.loadBackground(pfad), !fall.beschädigt);
            EXPECT_EQ(fläche.backgroundFailure(),
                      fall.beschädigt
                          ? std::optional<Bildfehler>(Bildfehler{Bildfehlergrund::Beschaedigt})
                          : std::nullopt);
        }
    }
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
