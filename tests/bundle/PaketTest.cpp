// The server bundle on a real file system: what it holds, and that it is written all or none
// whatever fails on the way.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>

#include <sys/fsuid.h>
#include <sys/resource.h>

#include "bundle/Paket.h"
#include "common/PhpLauf.h"
#include "render/Bilddatei.h"
#include "render/Schriftsuche.h"

namespace tafomat {
namespace {

namespace fs = std::filesystem;
using test::lesen;
using test::schreiben;

// A file's content, long ones by their size and hash.
std::string inhalt(const std::string& bytes) {
    if (bytes.size() <= 64) return bytes;
    return std::to_string(bytes.size()) + " bytes #" +
           std::to_string(std::hash<std::string>{}(bytes));
}

// Every entry below the folder with its content.
std::map<std::string, std::string> stand(const fs::path& ordner) {
    std::map<std::string, std::string> einträge;
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner))
        einträge[eintrag.path().lexically_relative(ordner)] =
            eintrag.is_symlink()     ? "-> " + fs::read_symlink(eintrag).string()
            : eintrag.is_directory() ? "(Ordner)"
                                     : inhalt(lesen(eintrag.path()));
    return einträge;
}

const std::string Bildbytes = jpegSchreiben(Bild(40, 20, 0x336699));

class Paket : public ::testing::Test {
  protected:
    // The design's picture file is there, or (eigenesBild false) nowhere.
    ServerPaket planen(const std::string& bildname, bool eigenesBild = true) {
        schreiben(basis / "hinten.jpg", Bildbytes);
        const std::string pfad = basis / (eigenesBild ? "hinten.jpg" : "fehlt.jpg");
        felder.setText(Feld::HintergrundPfad, pfad);
        felder.setText(Feld::HintergrundName, bildname);
        EXPECT_EQ(vorschau.loadBackground(pfad), eigenesBild);
        return ServerPaketPlanen(felder, vorschau, "<?php ?>");
    }

    test::PhpOrdner ordner;  // the test's own, removed unless it failed
    const fs::path basis = ordner.pfad();
    FelderImSpeicher felder;
    GdSurface vorschau;
};

// Where the design's picture cannot be read, the preview's picture stands in: the built-in one
// byte for byte, or the picture the preview kept, written anew.
TEST_F(Paket, WherePictureCannotBeReadThePreviewsPictureStandsIn) {
    EXPECT_EQ(planen("leer.jpg", false).bild.bytes, std::string(eingebautesBildJpeg()));
    planen("hinten.jpg");
    fs::remove(basis / "hinten.jpg");
    const ServerPaket paket = ServerPaketPlanen(felder, vorschau, "<?php ?>");
    EXPECT_EQ(paket.bildfehler, Bildfehler{Bildfehlergrund::Fehlt});
    EXPECT_EQ(jpegLesen(paket.bild.bytes).value_or(Bild()).breite(), 40);
    EXPECT_EQ(ServerPaketPlanen(felder, vorschau, std::nullopt).fehler, PaketFehler::KeinSkript);
}

// The script opens the picture by its name next to itself and its font file.
TEST_F(Paket, PictureNameMustBeAFileOfItsOwnBesideTheOthers) {
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("bilder/b.jpg"),
          std::string("b\0.jpg", 6), std::string("tafomat.PHP"), std::string("ARIAL.ttf")}) {
        const ServerPaket paket = planen(name);
        EXPECT_EQ(paket.fehler, PaketFehler::Bildname) << name;
        EXPECT_EQ(paket.datei, name);
    }
}

// What hinders the write. Root may write anywhere: a read-only folder refuses only the user
// that the file system checks, so that user becomes another one while the bundle is written.
enum class Grenze { Keine, NurLesen, Dateigröße };

void unter(Grenze grenze, const fs::path& ordner, const std::function<void()>& schreiben) {
    rlimit vorher{};
    ::getrlimit(RLIMIT_FSIZE, &vorher);
    const rlimit klein{64 * 1024, vorher.rlim_max};  // as `ulimit -f` sets it
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    if (grenze == Grenze::NurLesen)
        fs::permissions(ordner, fs::perms::owner_write, fs::perm_options::remove);
    if (grenze == Grenze::NurLesen) ::setfsuid(65534);
    if (grenze == Grenze::Dateigröße) ::setrlimit(RLIMIT_FSIZE, &klein);
    schreiben();
    ::setrlimit(RLIMIT_FSIZE, &vorher);
    ::setfsuid(::getuid());
    std::signal(SIGXFSZ, signal);
    if (grenze == Grenze::NurLesen)
        fs::permissions(ordner, fs::perms::owner_write, fs::perm_options::add);
}

struct Fall {
    const char* name;
    std::function<void(const fs::path& basis)> vorbereiten;
    std::string ordner = "paket";
    std::string bildname = "hinten.jpg";
    bool eigenesBild = true;
    Grenze grenze = Grenze::Keine;
    std::optional<PaketFehler> fehler = std::nullopt;
    std::string datei = {};
    int fehlernummer = 0;
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

const auto AltesPaket = [](const fs::path& basis) {
    fs::create_directory(basis / "paket");
    schreiben(basis / "paket/Tafomat.php", "altes Skript");
    schreiben(basis / "paket/Arial.ttf", "alte Schrift");
    schreiben(basis / "paket/eigen.txt", "bleibt");
};
// The earlier bundle and, in place of one of its files, a folder, a link or other bytes.
const auto MitOrdner = [](const char* name) {
    return [=](const fs::path& basis) {
        AltesPaket(basis);
        fs::remove(basis / "paket" / name);
        fs::create_directory(basis / "paket" / name);
    };
};
const auto MitDatei = [](const char* name, std::string bytes) {
    return [=](const fs::path& basis) {
        AltesPaket(basis);
        schreiben(basis / "paket" / name, bytes);
    };
};
const auto MitVerweis = [](const fs::path& basis) {
    AltesPaket(basis);
    fs::remove(basis / "paket/Tafomat.php");
    schreiben(basis / "draussen.txt", "bleibt");
    fs::create_symlink(basis / "draussen.txt", basis / "paket/Tafomat.php");
};
const std::string LangerName = std::string(300, 'b') + ".jpg";

// clang-format off
const Fall Fälle[] = {
    {"IntoANewFolderInsideANewOne", [](const fs::path&) {}, "neu/paket", "gr\xFCn.jpg"},
    {"OverAnEarlierBundle", AltesPaket},
    {"ReplacesALinkRatherThanWritingWhereItPoints", MitVerweis},
    {"TheStandInReplacesTheStandIn", MitDatei("leer.jpg", std::string(eingebautesBildJpeg())), "paket", "leer.jpg", false},
    {"TheStandInNeverReplacesAFileOfTheUsers", MitDatei("leer.jpg", "mein Bild"), "paket", "leer.jpg", false,
     Grenze::Keine, PaketFehler::BildVorhanden, "leer.jpg"},
    {"NorAFolder", MitOrdner("leer.jpg"), "paket", "leer.jpg", false, Grenze::Keine, PaketFehler::BildVorhanden, "leer.jpg"},
    {"AFolderUnderTheFontsName", MitOrdner("Arial.ttf"), "paket", "hinten.jpg", true, Grenze::Keine,
     PaketFehler::Schreiben, "Arial.ttf", EISDIR},
    {"AReadOnlyFolder", AltesPaket, "paket", "hinten.jpg", true, Grenze::NurLesen, PaketFehler::Schreiben, "Tafomat.php", EACCES},
    // more than the script and the picture, less than the font file
    {"AFileSizeLimitBelowTheFontFile", AltesPaket, "paket", "hinten.jpg", true, Grenze::Dateigröße,
     PaketFehler::Schreiben, "Arial.ttf", EFBIG},
    // The script has taken its name when the picture's fails: it must give it back.
    {"APictureNameLongerThanTheFileSystemTakes", AltesPaket, "paket", LangerName, true, Grenze::Keine,
     PaketFehler::Schreiben, LangerName, ENAMETOOLONG},
    {"AFileWhereAFolderShouldBe", [](const fs::path& basis) { schreiben(basis / "datei", "x"); }, "datei/paket", "hinten.jpg", true,
     Grenze::Keine, PaketFehler::Ordner, "", ENOTDIR},
    {"NoFolderNamed", [](const fs::path&) {}, "", "hinten.jpg", true, Grenze::Keine, PaketFehler::Ordner, "", ENOENT},
};
// clang-format on

class PaketSchreiben : public Paket, public ::testing::WithParamInterface<Fall> {};

// The script with a line break, the picture file's bytes or the built-in picture, the font
// file; a bundle that fails leaves every file as it was.
TEST_P(PaketSchreiben, WritesAllThreeFilesOrNone) {
    const Fall& fall = GetParam();
    ServerPaket paket = planen(fall.bildname, fall.eigenesBild);
    ASSERT_EQ(paket.fehler, std::nullopt);
    fall.vorbereiten(basis);
    const auto vorher = stand(basis);
    const fs::path ziel = fall.ordner.empty() ? fs::path() : basis / fall.ordner;
    unter(fall.grenze, ziel, [&] { ServerPaketSchreiben(paket, ziel); });
    EXPECT_EQ(paket.fehler, fall.fehler);
    EXPECT_EQ(paket.datei, fall.datei);
    EXPECT_EQ(paket.fehlernummer, fall.fehlernummer);
    auto erwartet = vorher;
    if (!fall.fehler) {
        const fs::path in(fall.ordner);
        for (fs::path teil; const auto& stufe : in) erwartet[teil /= stufe] = "(Ordner)";
        erwartet[in / "Tafomat.php"] = "<?php ?>\r\n";
        erwartet[in / fall.bildname] =
            inhalt(fall.eigenesBild ? Bildbytes : std::string(eingebautesBildJpeg()));
        erwartet[in / "Arial.ttf"] = inhalt(lesen(*schriftdateiSuchen("Arial")));
    }
    EXPECT_EQ(stand(basis), erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, PaketSchreiben, ::testing::ValuesIn(Fälle),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tafomat
