#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <sys/resource.h>
#include <sys/stat.h>

#include "common/PhpLauf.h"
#include "common/Schriftdateien.h"
#include "platform/Foto.h"
#include "render/Bilddatei.h"
#include "ui/Eingabeliste.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Heute = QStringLiteral("07.12.2026");

struct Lauf {
    int status;  // -1 when a signal ended the program
    QString ausgabe;
    QString fehler;
};

class Export : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    // The real program, started in the temporary folder, without a display of its own.
    Lauf starten(const QStringList& argumente) const {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            umgebung.remove(QString::fromLatin1(name));
        if (plattform) umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), *plattform);
        // A fonts.conf in the folder is the program's font configuration.
        if (QFile::exists(pfad(QStringLiteral("fonts.conf"))))
            umgebung.insert(QStringLiteral("FONTCONFIG_FILE"), pfad(QStringLiteral("fonts.conf")));
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(ordner.path());
        if (dateigrenze) {
            // As `ulimit -f` sets it: the signal that the limit sends is the program's to handle.
            programm.setChildProcessModifier([grenze = *dateigrenze] {
                const rlimit limit{grenze, grenze};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        }
        programm.start(QStringLiteral(TAFOMAT_EXE), argumente);
        EXPECT_TRUE(programm.waitForFinished(30000)) << "still running, killed";
        return {programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1,
                QString::fromLocal8Bit(programm.readAllStandardOutput()),
                QString::fromLocal8Bit(programm.readAllStandardError())};
    }

    static void schreiben(const QString& pfad, const std::string& bytes) {
        ASSERT_TRUE(dateiSchreiben(pfad, bytes));
    }

    // A design saved by a window after the change, as the window's save button writes it.
    QString designSpeichern(const QString& name,
                            const std::function<void(MainWindow&)>& ändern = {}) {
        MainWindow fenster(dialoge, schriftarten, uhr);
        if (ändern) ändern(fenster);
        EXPECT_TRUE(fenster.EinstellungenSchreiben(pfad(name)));
        return pfad(name);
    }

    // A window that picked the type and quality and opened the design from the folder.
    std::unique_ptr<MainWindow> fensterMit(const QString& design, const std::string& art,
                                           const std::string& qualität) {
        auto fenster = std::make_unique<MainWindow>(dialoge, schriftarten, uhr);
        fenster->felder().setText(Feld::BildArt, art);
        emit fenster->findChild<Eingabeliste*>(QStringLiteral("BildArt"))->picked();
        if (!qualität.empty()) fenster->felder().setText(Feld::BildQuallität, qualität);
        const QString alterOrdner = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        EXPECT_TRUE(fenster->EinstellungenÖffnen(design).geöffnet);
        QDir::setCurrent(alterOrdner);
        return fenster;
    }

    // What the window makes of the design: its script as the button saves it, and its preview.
    std::pair<std::string, QImage> imFenster(const QString& design, const std::string& art = "jpeg",
                                             const std::string& qualität = {}) {
        const auto fenster = fensterMit(design, art, qualität);
        const std::optional<std::string> skript = fenster->PhpQuelltextErstellen();
        EXPECT_TRUE(skript.has_value());
        return {skript.value_or("") + "\r\n",
                fenster->vorschau().image().convertToFormat(QImage::Format_RGB32)};
    }

    QStringList dateien() const {
        return QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    // A picture file of one colour in the folder.
    void jpegMachen(const QString& name, QSize größe, QColor farbe) const {
        QImage muster(größe, QImage::Format_RGB32);
        muster.fill(farbe);
        ASSERT_TRUE(muster.save(pfad(name), "JPEG"));
    }
    QImage bild(const QString& name) const {
        return QImage(pfad(name)).convertToFormat(QImage::Format_RGB32);
    }

    // What the bundle's script sends when PHP runs it from the root folder on the export's day;
    // it must say nothing on standard error.
    static QByteArray gesendet(const QString& skript) {
        QProcess php;
        php.setWorkingDirectory(QStringLiteral("/"));
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("LD_PRELOAD"), QString::fromStdString(test::libfaketime()));
        umgebung.insert(QStringLiteral("FAKETIME"), QStringLiteral("@2026-12-07 12:00:00"));
        php.setProcessEnvironment(umgebung);
        php.start(QStringLiteral("php"),
                  {QStringLiteral("-d"), QStringLiteral("error_reporting=-1"), QStringLiteral("-d"),
                   QStringLiteral("display_errors=stderr"), skript});
        EXPECT_TRUE(php.waitForFinished(30000));
        EXPECT_EQ(php.readAllStandardError(), QByteArray());
        return php.readAllStandardOutput();
    }

    QTemporaryDir ordner;
    std::optional<rlim_t> dateigrenze;  // bytes a file of the started program may hold
    std::optional<QString> plattform;   // QT_QPA_PLATFORM; none: neither it nor a display
    GeskripteteDialoge dialoge;
    FesteSchriftarten schriftarten;
    FesteUhr uhr{*readDate(Heute.toStdString())};
};

// The script and the preview are the window's: for the default design, whose "leer.jpg" is not
// there (a warning, then the built-in picture), and for values too large to compute, which stop
// every redraw after the first of them, so that the preview keeps the picture drawn while the
// design was loading.
TEST_F(Export, ScriptAndPreviewAreTheWindows) {
    jpegMachen(QStringLiteral("hinten.jpg"), QSize(200, 40), Qt::darkRed);
    const std::pair<std::function<void(MainWindow&)>, QString> fälle[] = {
        {{}, QStringLiteral("the picture leer.jpg cannot be loaded")},
        {[](MainWindow& f) {
             f.felder().setText(Feld::HintergrundPfad, "hinten.jpg");
             f.felder().setText(Feld::AlTxt, "1" + std::string(305, '0'));
             f.felder().setText(Feld::Txt, "#F255255255Gespart: #7");
         },
         QString()},
    };
    for (const auto& [ändern, warnung] : fälle) {
        SCOPED_TRACE(warnung.toStdString());
        const QString design = designSpeichern(QStringLiteral("d.txt"), ändern);
        const Lauf lauf =
            starten({"export", "d", "--php", "s", "--preview", "p.png", "--today", Heute});
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lauf.ausgabe, QString());
        EXPECT_TRUE(lauf.fehler.contains(warnung)) << lauf.fehler.toStdString();
        const auto [skript, vorschau] = imFenster(design);
        EXPECT_EQ(dateiLesen(pfad("s.php")), skript);
        EXPECT_EQ(bild("p.png"), vorschau);
        EXPECT_EQ(vorschau.size(), ändern ? QSize(200, 40) : QSize(460, 66));
        if (ändern) {
            EXPECT_NE(vorschau, bild("hinten.jpg"));  // the text of the first redraw
        }
    }
}

// The type in any letter case and a quality with a leading zero are taken as the window's lists
// take them; the rest of the rule is the design suite's.
TEST_F(Export, DesignWithItsPictureAndEveryCommandExportsSilently) {
    jpegMachen(QStringLiteral("hinten.jpg"), QSize(300, 90), Qt::darkBlue);
    const QString design = designSpeichern(QStringLiteral("alles.txt"), [&](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, "hinten.jpg");
        f.felder().setText(Feld::HintergrundName, "hinten.jpg");
        f.felder().setText(Feld::Txt,
                           "#F255255000#G12#BFett#B mager\r\n#X020#Y040#1 #2 #3 #4 #5 #6 #7 #8 "
                           "#9 #Z ##\"$\\\x80\xE4\r\n");
        f.felder().setWert(Feld::XPos, 3);
    });
    const Lauf lauf = starten({"export", "alles", "--php", "a.php", "--preview", "a.png",
                               "--server-preview", "s.png", "--bundle", "paket", "--type", "PNG",
                               "--quality", "05", "--today", Heute});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.fehler, QString());
    const auto [skript, vorschau] = imFenster(design, "png", "5");
    EXPECT_EQ(dateiLesen(pfad("a.php")), skript);
    EXPECT_NE(skript.find("Imagepng($Bild,Null,5);"), std::string::npos);
    EXPECT_EQ(bild("a.png"), vorschau);
    EXPECT_EQ(vorschau.size(), QSize(300, 90));
    EXPECT_NE(vorschau, bild("hinten.jpg"));
    // The bundle, run from another folder on that day, sends the server view's picture.
    EXPECT_EQ(QDir(pfad("paket")).entryList(QDir::Files),
              (QStringList{"Arial.ttf", "hinten.jpg", "Tafomat.php"}));
    EXPECT_EQ(dateiLesen(pfad("paket/Tafomat.php")), skript);
    const QImage server = QImage::fromData(gesendet(pfad("paket/Tafomat.php")), "PNG");
    ASSERT_FALSE(server.isNull());
    EXPECT_EQ(server.convertToFormat(QImage::Format_RGB32), bild("s.png"));
}

// Banners that the crop dialog cut from a turned photo and from a PNG: the server view is what
// PHP sends, pixel for pixel.
TEST_F(Export, CroppedBannersAreSentAsTheServerViewShowsThem) {
    QImage foto(1200, 800, QImage::Format_RGB32);
    foto.fill(QColor(40, 90, 160));
    for (int y = 600; y < 800; ++y)
        for (int x = 0; x < 300; ++x) foto.setPixelColor(x, y, QColor(250, 240, 200));
    ASSERT_TRUE(dateiSchreiben(pfad("foto.jpg"), gedrehtesJpeg(foto)));
    ASSERT_TRUE(foto.save(pfad("grafik.png")));
    for (const char* quelle : {"foto.jpg", "grafik.png"}) {
        SCOPED_TRACE(quelle);
        const std::optional<QImage> gelesen = FotoLesen(pfad(quelle));
        ASSERT_TRUE(gelesen.has_value());
        const Zuschnitt zuschnitt{QRect(0, 0, gelesen->width(), gelesen->width() * 60 / 468),
                                  QSize(468, 60), 85};
        ASSERT_TRUE(JpegSchreiben(BannerMachen(*gelesen, zuschnitt), 85, pfad("banner.jpg")));
        designSpeichern(QStringLiteral("d.txt"), [&](MainWindow& f) {
            f.felder().setText(Feld::HintergrundPfad, "banner.jpg");
            f.felder().setText(Feld::HintergrundName, "banner.jpg");
            f.felder().setText(Feld::Txt, "#F255255255#G10Rauchfrei seit #2 Tagen\r\n");
        });
        const Lauf lauf = starten({"export", "d", "--server-preview", "s.png", "--bundle", "paket",
                                   "--type", "png", "--quality", "9", "--today", Heute});
        ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
        const QImage server = QImage::fromData(gesendet(pfad("paket/Tafomat.php")), "PNG");
        EXPECT_EQ(server.size(), QSize(468, 60));
        EXPECT_EQ(server.convertToFormat(QImage::Format_RGB32), bild("s.png"));
        QDir(pfad("paket")).removeRecursively();
    }
}

// What a forum checks: --info prints what the window shows beside the server view, and its
// bytes are those that PHP sends that day, for every type.
TEST_F(Export, InfoGivesTheBannersSizeAsPhpSendsIt) {
    jpegMachen(QStringLiteral("hinten.jpg"), QSize(468, 60), QColor(20, 40, 120));
    const QString design = designSpeichern(QStringLiteral("d.txt"), [](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, "hinten.jpg");
        f.felder().setText(Feld::HintergrundName, "hinten.jpg");
        f.felder().setText(Feld::Txt, "#F255255255#G12Seit #2 Tagen rauchfrei, #7 gespart");
    });
    for (const auto& [art, qualität, schluss] :
         {std::tuple{"jpeg", "60", " (jpeg 60)"}, std::tuple{"png", "9", " (png 9)"},
          std::tuple{"gif", "", " (gif)"}}) {
        SCOPED_TRACE(art);
        const QString paket = QStringLiteral("paket-") + art;
        QStringList argumente{"export", "d.txt", "--info",  "--bundle", paket,
                              "--type", art,     "--today", Heute};
        if (*qualität) argumente << "--quality" << qualität;
        const Lauf lauf = starten(argumente);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lauf.fehler, QString());
        const qint64 bytes = gesendet(pfad(paket + "/Tafomat.php")).size();
        const long zehntel = std::lround(double(bytes) / 102.4);
        const QString erwartet =
            QStringLiteral("468 × 60 Pixel, %1,%2 KB").arg(zehntel / 10).arg(zehntel % 10) +
            QString::fromUtf8(schluss);
        EXPECT_EQ(lauf.ausgabe, erwartet + QStringLiteral("\n"));
        EXPECT_EQ(fensterMit(design, art, qualität)
                      ->findChild<QLabel*>(QStringLiteral("Bildgröße"))
                      ->text(),
                  erwartet);
    }
}

// The default design with one record replaced, or cut before a record when `ersatz` is null.
std::string standardMit(int datensatz, const char* ersatz) {
    std::string datei =
        "leer.jpg\r\nleer.jpg\r\nArial\r\n 8 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n04.11.2010\r\n"
        "5,00\r\n22\r\n60,00\r\n1,00\r\n3,00\r\nHallo\r\n";
    std::size_t anfang = 0;
    for (int i = 1; i < datensatz; ++i) anfang = datei.find("\r\n", anfang) + 2;
    if (!ersatz) return datei.substr(0, anfang);
    return datei.replace(anfang, datei.find("\r\n", anfang) - anfang, ersatz);
}

// What the folder holds beside the design d.txt before a hostile run.
using Vorbereitung = void (*)(const QString& ordner);

void pipeMachen(const QString& pfad) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
}

const Vorbereitung DesignIstPipe = [](const QString& o) { pipeMachen(o + "/d.txt"); };
// A gigabyte of NUL bytes that takes no room on the disk.
const Vorbereitung EinGigabyte = [](const QString& o) {
    QFile datei(o + "/d.txt");
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.resize(qint64{1} << 30));
};
const Vorbereitung BildIstPipe = [](const QString& o) { pipeMachen(o + "/pipe.jpg"); };
const Vorbereitung RiesigesBild = [](const QString& o) {
    ASSERT_TRUE(dateiSchreiben(o + "/riesig.jpg", RiesigesJpeg));
};
const Vorbereitung GedrehtesBild = [](const QString& o) {
    ASSERT_TRUE(dateiSchreiben(o + "/gedreht.jpg", gedrehtesJpeg()));
};
const Vorbereitung EigenesBildImPaket = [](const QString& o) {
    ASSERT_TRUE(QDir(o).mkdir(QStringLiteral("paket")));
    ASSERT_TRUE(dateiSchreiben(o + "/paket/leer.jpg", "kein Bild"));
};
// A font configuration without any font.
const Vorbereitung KeineSchriften = [](const QString& o) {
    ASSERT_TRUE(
        dateiSchreiben(o + "/fonts.conf", "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n"));
};
// A font of bitmaps only, installed by a font configuration that takes it.
const Vorbereitung RasterSchrift = [](const QString& o) {
    ASSERT_TRUE(QDir(o).mkdir(QStringLiteral("schriften")));
    ASSERT_TRUE(dateiSchreiben(o + "/schriften/raster.bdf", test::Rasterschrift));
    const std::string ordner = QFile::encodeName(o).toStdString();
    ASSERT_TRUE(dateiSchreiben(
        o + "/fonts.conf",
        "<?xml version=\"1.0\"?><fontconfig><include>/etc/fonts/fonts.conf</include><dir>" +
            ordner + "/schriften</dir><cachedir>" + ordner + "/cache</cachedir>" +
            test::RasterschriftAnnehmen + "</fontconfig>"));
};

struct Fall {
    const char* name;
    std::string design;  // d.txt's bytes; empty: no file
    QStringList argumente;
    int status;
    QString meldung;  // a part of standard error
    Vorbereitung vorbereiten = nullptr;
    const char* plattform = nullptr;  // QT_QPA_PLATFORM; nullptr: neither it nor a display
};

void PrintTo(const Fall& fall, std::ostream* os) {
    *os << fall.name;
}

class ExportFehler : public Export, public ::testing::WithParamInterface<Fall> {};

// Every run ends by itself with its status and says why on standard error; only a run that
// succeeds writes a file.
TEST_P(ExportFehler, EndsWithItsStatusAndSaysWhy) {
    const Fall& fall = GetParam();
    if (!fall.design.empty()) schreiben(pfad("d.txt"), fall.design);
    if (fall.vorbereiten) fall.vorbereiten(ordner.path());
    if (fall.plattform) plattform = QString::fromLatin1(fall.plattform);
    const QStringList vorher = dateien();
    const Lauf lauf = starten(fall.argumente);
    EXPECT_EQ(lauf.status, fall.status);
    EXPECT_TRUE(lauf.fehler.contains(fall.meldung)) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.ausgabe, QString());
    if (fall.status == 0)
        EXPECT_TRUE(QFile::exists(pfad("s.php")));
    else
        EXPECT_EQ(dateien(), vorher);
}

const QStringList Skript{"export", "d.txt", "--php", "s.php"};
const QStringList Beide = Skript + QStringList{"--preview", "p.png", "--today", "01.01.2020"};
const std::string Start = standardMit(1, "leer.jpg");

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Faelle, ExportFehler,
    ::testing::Values(
        Fall{"MissingDesign", "", {"export", "fehlt", "--php", "s.php"}, 2, "fehlt.txt: cannot be read"},
        Fall{"EndsBeforeTheTemplate", standardMit(15, nullptr), Beide, 2, "record 15 (Txt)"},
        Fall{"EndsBeforeAbstand", standardMit(8, nullptr), Beide, 2, "record 8 (Abstand)"},
        Fall{"PositionOutOfRange", standardMit(6, " 65 "), Beide, 2, "record 6 (XPos) lies outside -64 to 64"},
        Fall{"PositionNoNumber", standardMit(7, "oben"), Beide, 2, "record 7 (YPos) holds no number"},
        Fall{"UnreadableDate", standardMit(9, "gestern"), Beide, 2, "record 9 (DaTxt)"},
        Fall{"EmptyAmount", standardMit(10, ""), Beide, 2, "record 10 (AlTxt)"},
        Fall{"AmountBeyondAnyNumber", standardMit(12, std::string(400, '9').c_str()), Beide, 2, "record 12 (AnTxt): too large"},
        Fall{"UnreadableCigarettes", standardMit(11, "viele"), Beide, 2, "record 11 (KiTxt)"},
        Fall{"UnusableSize", standardMit(4, " 0 "), Beide, 2, "record 4 (SchriftGr"},
        Fall{"RefusedSizeInTemplate", standardMit(15, "#G00Hallo"), Beide, 2, "record 15 (Txt)"},
        Fall{"RefusedSizeStopsThePreviewToo", standardMit(15, "Hallo#G-5"), {"export", "d.txt", "--preview", "p.png"}, 2, "record 15 (Txt)"},
        Fall{"UnknownType", Start, Beide + QStringList{"--type", "jpg"}, 2, "--type: jpg is not jpeg, png or gif"},
        Fall{"QualityOutOfRange", Start, Beide + QStringList{"--quality", "101"}, 2, "--quality"},
        Fall{"QualityOutOfThePngRange", Start, Beide + QStringList{"--type", "png", "--quality", "75"}, 2, "--quality: 75 is not a whole number from 0 to 9"},
        Fall{"QualityForGif", Start, Beide + QStringList{"--type", "gif", "--quality", "5"}, 2, "--quality"},
        Fall{"BadToday", Start, Skript + QStringList{"--today", "32.13.2026"}, 2, "--today"},
        Fall{"UnknownOption", Start, {"export", "d.txt", "--png", "s.png"}, 2, "'png'"},
        Fall{"NoDesign", "", {"export"}, 2, "one design file"},
        Fall{"ScriptNotWritable", Start, {"export", "d.txt", "--php", "kein/ordner/s"}, 1, "kein/ordner/s.php: cannot be written"},
        Fall{"PreviewNotWritable", Start, {"export", "d.txt", "--preview", "kein/p.png"}, 1, "kein/p.png: cannot be written"},
        Fall{"BundlePictureNameOutsideTheFolder", standardMit(2, "../weg.jpg"), Beide + QStringList{"--bundle", "paket"}, 2,
             "record 2 (HintergrundName): \"../weg.jpg\" cannot be a file"},
        Fall{"BundleNeverPutsTheBuiltInPictureOverTheUsers", Start, Skript + QStringList{"--bundle", "paket"}, 2, "would replace", EigenesBildImPaket},
        // Where no font file answers the design's font, the bundle could not work on the server.
        Fall{"BundleWithoutAFontFile", Start, Skript + QStringList{"--bundle", "paket"}, 2,
             "warning: no font file answers the font \"Arial\"; the preview draws no text and the script's positions are "
             "not measured\ntafomat: --bundle: no font file answers the font \"Arial\"", KeineSchriften},
        Fall{"BundlePictureNamedLikeTheScript", standardMit(2, "tafomat.PHP"), Beide + QStringList{"--bundle", "paket"}, 2, "record 2 (HintergrundName)"},
        Fall{"DesignIsAPipe", "", Skript, 2, "d.txt: cannot be read (not a regular file)", DesignIstPipe},
        Fall{"DesignOfAGigabyte", "", Skript, 2, "larger than 2 MiB", EinGigabyte},
        Fall{"RecordLongerThanAField", standardMit(10, (std::string(40000, '0') + "5,00").c_str()), Skript, 2,
             "record 10 (AlTxt) holds more than 32767 characters"},
        Fall{"PictureIsAPipe", standardMit(1, "pipe.jpg"), Skript, 0, "the picture pipe.jpg cannot be loaded (not a regular file)", BildIstPipe},
        Fall{"PictureDeclaresTooManyPixels", standardMit(1, "riesig.jpg"), Skript, 0, "(8190 x 8190 pixels, more than the 16777216", RiesigesBild},
        Fall{"FontNotInstalled", standardMit(3, "Keine Solche Schrift"), Skript, 0,
             "the font \"Keine Solche Schrift\" is not installed; the preview draws and the script names Arial.ttf"},
        Fall{"FontOfBitmapsOnly", standardMit(3, "Tafomat Raster"), Skript, 0,
             "the font \"Tafomat Raster\" is installed, but cannot be drawn (its file", RasterSchrift},
        Fall{"PictureTurnedByExif", standardMit(1, "gedreht.jpg"), Skript, 0,
             "the picture gedreht.jpg asks to be turned (EXIF orientation 6); the server draws it as stored", GedrehtesBild},
        Fall{"NothingToDo", Start, {"export", "d.txt"}, 2, "nothing to do"},
        Fall{"MisspeltHelp", Start, {"--helpp"}, 2, "Usage: tafomat"},
        Fall{"UnknownShortOption", Start, {"-x"}, 2, "Usage: tafomat"},
        Fall{"OptionBeforeTheCommand", Start, {"--php", "s.php", "export", "d.txt"}, 2, "Usage: tafomat"},
        Fall{"UnknownOptionOnAScreen", Start, {"-x"}, 2, "Usage: tafomat", nullptr, "offscreen"},
        Fall{"TwoDesigns", Start, {"d.txt", "e.txt"}, 2, "Usage: tafomat"},
        // Qt's own options are no command: the window is for the user's screen, not offscreen.
        Fall{"QtOptionsWithoutAScreen", Start, {"-reverse"}, 1, "no display found"},
        // Exporting builds no widget and opens no platform, not even one that is not there.
        Fall{"NoGuiPlatformAtAll", Start, Skript, 0, "", nullptr, "keine"},
        Fall{"QtOptionsBesideTheCommand", Start, Skript + QStringList{"-style", "fusion", "-reverse"}, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A file that the file size limit cuts short fails the whole output, and a bundle whose font
// file fails after its script and picture were written leaves the old bundle whole.
TEST_F(Export, FailedWriteKeepsTheFilesThatWereThere) {
    designSpeichern(QStringLiteral("d.txt"));
    schreiben(pfad("s.php"), "altes Skript");
    schreiben(pfad("p.png"), "altes Bild");
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("paket")));
    schreiben(pfad("paket/Tafomat.php"), "altes Skript");
    schreiben(pfad("paket/Arial.ttf"), "alte Schrift");
    const struct {
        QStringList ausgabe;
        QString datei;
        rlim_t grenze;
    } fälle[] = {
        {{"--php", "s.php"}, QStringLiteral("s.php"), 64},
        {{"--preview", "p.png", "--php", "s.php"}, QStringLiteral("p.png"), 64},
        // more than the script and the built-in picture, less than Liberation Sans
        {{"--bundle", "paket"}, QStringLiteral("paket/Arial.ttf"), 64 * 1024},
    };
    for (const auto& fall : fälle) {
        dateigrenze = fall.grenze;
        const Lauf lauf = starten(QStringList{"export", "d.txt"} + fall.ausgabe);
        EXPECT_EQ(lauf.status, 1);
        EXPECT_TRUE(lauf.fehler.contains(fall.datei + QStringLiteral(": cannot be written")))
            << lauf.fehler.toStdString();
    }
    EXPECT_EQ(dateiLesen(pfad("s.php")), "altes Skript");
    EXPECT_EQ(dateiLesen(pfad("p.png")), "altes Bild");
    EXPECT_EQ(dateien(), (QStringList{"d.txt", "p.png", "paket", "s.php"}));
    EXPECT_EQ(dateiLesen(pfad("paket/Tafomat.php")), "altes Skript");
    EXPECT_EQ(dateiLesen(pfad("paket/Arial.ttf")), "alte Schrift");
    EXPECT_EQ(QDir(pfad("paket")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Arial.ttf", "Tafomat.php"}));
}

TEST_F(Export, HelpAndVersionNameTheProgram) {
    const Lauf hilfe = starten({"export", "--help"});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_TRUE(hilfe.ausgabe.contains(QStringLiteral("--preview")));
    for (const QStringList& argumente : {QStringList{"--version"}, QStringList{"export", "-v"}}) {
        const Lauf version = starten(argumente);
        EXPECT_EQ(version.status, 0) << argumente.join(' ').toStdString();
        EXPECT_TRUE(version.ausgabe.startsWith(QStringLiteral("Tafomat ")));
    }
}

}  // namespace
}  // namespace tafomat::test
