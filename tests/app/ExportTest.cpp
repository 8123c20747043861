#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include <sys/resource.h>
#include <sys/stat.h>

#include "common/Schriftdateien.h"
#include "render/Bilddatei.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString Heute = QStringLiteral("07.12.2026");

struct Lauf {
    int status;
    QString ausgabe;
    QString fehler;
    bool normal;  // ended by returning from main, not by a signal
};

class Export : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    // The real program, started in the temporary folder, without a display of its own.
    Lauf starten(const QStringList& argumente, int warten = 30000) const {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
        umgebung.remove(QStringLiteral("DISPLAY"));
        umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
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
        EXPECT_TRUE(programm.waitForFinished(warten)) << "still running, killed";
        return {programm.exitCode(), QString::fromLocal8Bit(programm.readAllStandardOutput()),
                QString::fromLocal8Bit(programm.readAllStandardError()),
                programm.exitStatus() == QProcess::NormalExit};
    }

    static std::string lesen(const QString& pfad) { return dateiLesen(pfad); }
    static void schreiben(const QString& pfad, const std::string& bytes) {
        ASSERT_TRUE(dateiSchreiben(pfad, bytes));
    }

    // A design saved by a hidden window after the change, as the window's save button writes it.
    QString designSpeichern(const QString& name,
                            const std::function<void(MainWindow&)>& ändern = {}) {
        FesteUhr uhr(*readDate(Heute.toStdString()));
        MainWindow fenster(dialoge, schriftarten, uhr, nullptr, MainWindow::Anzeige::Verborgen);
        if (ändern) ändern(fenster);
        EXPECT_TRUE(fenster.EinstellungenSchreiben(pfad(name)));
        return pfad(name);
    }

    // What the window makes of the design: its script as the button saves it, and its preview.
    std::pair<std::string, QImage> imFenster(const QString& design, const std::string& art = "jpeg",
                                             const std::string& qualität = {}) {
        FesteUhr uhr(*readDate(Heute.toStdString()));
        MainWindow fenster(dialoge, schriftarten, uhr, nullptr, MainWindow::Anzeige::Verborgen);
        fenster.BildArtWählen(art);
        if (!qualität.empty()) fenster.felder().setText(Feld::BildQuallität, qualität);
        const QString alterOrdner = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        fenster.EinstellungenÖffnen(design);
        QDir::setCurrent(alterOrdner);
        const std::optional<std::string> skript = fenster.PhpQuelltextErstellen();
        EXPECT_TRUE(skript.has_value());
        return {skript.value_or("") + "\r\n",
                fenster.vorschau().image().convertToFormat(QImage::Format_RGB32)};
    }

    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files); }

    QTemporaryDir ordner;
    std::optional<rlim_t> dateigrenze;  // bytes a file of the started program may hold
    std::optional<QString> plattform;   // QT_QPA_PLATFORM; none: neither it nor a display
    GeskripteteDialoge dialoge;
    FesteSchriftarten schriftarten;
};

TEST_F(Export, DefaultDesignGivesTheWindowsScriptAndPreview) {
    const QString design = designSpeichern(QStringLiteral("design.txt"));
    const Lauf lauf = starten(
        {"export", "design.txt", "--php", "banner", "--preview", "vorschau.png", "--today", Heute});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, QString());
    // The default design names "leer.jpg", which is not there: a warning, then the built-in
    // picture.
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("warning"))) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("leer.jpg")));
    const auto [skript, vorschau] = imFenster(design);
    EXPECT_EQ(lesen(pfad("banner.php")), skript);
    EXPECT_EQ(QImage(pfad("vorschau.png")).convertToFormat(QImage::Format_RGB32), vorschau);
    EXPECT_EQ(vorschau.size(), QSize(460, 66));
}

// Values too large to compute stop every redraw after the first of them, in the window as here:
// the preview keeps the picture of the last redraw that could compute, drawn while the design was
// loading.
TEST_F(Export, PreviewOfValuesTooLargeToComputeIsTheWindows) {
    QImage bild(200, 40, QImage::Format_RGB32);
    bild.fill(Qt::darkRed);
    ASSERT_TRUE(bild.save(pfad("hinten.jpg"), "JPEG"));
    const QString design = designSpeichern(QStringLiteral("d.txt"), [](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, "hinten.jpg");
        f.felder().setText(Feld::AlTxt, "1" + std::string(305, '0'));
        f.felder().setText(Feld::Txt, "#F255255255Gespart: #7");
    });
    const Lauf lauf =
        starten({"export", "d.txt", "--php", "s.php", "--preview", "p.png", "--today", Heute});
    EXPECT_EQ(lauf.status, 0);
    const auto [skript, vorschau] = imFenster(design);
    EXPECT_EQ(lesen(pfad("s.php")), skript);
    EXPECT_EQ(QImage(pfad("p.png")).convertToFormat(QImage::Format_RGB32), vorschau);
    EXPECT_NE(vorschau, QImage(pfad("hinten.jpg")).convertToFormat(QImage::Format_RGB32));
}

TEST_F(Export, DesignWithItsPictureAndEveryCommandExportsSilently) {
    QImage bild(300, 90, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    ASSERT_TRUE(bild.save(pfad("hinten.jpg"), "JPEG"));
    const QString design = designSpeichern(QStringLiteral("alles.txt"), [&](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, "hinten.jpg");
        f.felder().setText(Feld::HintergrundName, "hinten.jpg");
        f.felder().setText(Feld::Txt,
                           "#F255255000#G12#BFett#B mager\r\n#X020#Y040#1 #2 #3 #4 #5 #6 #7 #8 "
                           "#9 #Z ##\"$\\\x80\xE4\r\n");
        f.felder().setWert(Feld::XPos, 3);
    });
    const Lauf lauf = starten({"export", "alles", "--php", "a.php", "--preview", "a.png",
                               "--server-preview", "s.png", "--bundle", "paket", "--type", "png",
                               "--quality", "5", "--today", Heute});
    EXPECT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.fehler, QString());
    const auto [skript, vorschau] = imFenster(design, "png", "5");
    EXPECT_EQ(lesen(pfad("a.php")), skript);
    EXPECT_NE(skript.find("Imagepng($Bild,Null,5);"), std::string::npos);
    EXPECT_EQ(QImage(pfad("a.png")).convertToFormat(QImage::Format_RGB32), vorschau);
    EXPECT_EQ(vorschau.size(), QSize(300, 90));
    EXPECT_NE(vorschau, QImage(pfad("hinten.jpg")).convertToFormat(QImage::Format_RGB32));
    // The bundle, run from another folder on that day, sends the server view's picture.
    EXPECT_EQ(QDir(pfad("paket")).entryList(QDir::Files),
              (QStringList{"Arial.ttf", "hinten.jpg", "Tafomat.php"}));
    EXPECT_EQ(lesen(pfad("paket/Tafomat.php")), skript);
    QProcess php;
    php.setWorkingDirectory(QStringLiteral("/"));
    php.start(QStringLiteral("faketime"),
              {QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("php"), QStringLiteral("-d"),
               QStringLiteral("error_reporting=-1"), QStringLiteral("-d"),
               QStringLiteral("display_errors=stderr"), pfad("paket/Tafomat.php")});
    ASSERT_TRUE(php.waitForFinished(30000));
    EXPECT_EQ(php.readAllStandardError(), QByteArray());
    const QImage gesendet = QImage::fromData(php.readAllStandardOutput(), "PNG");
    ASSERT_FALSE(gesendet.isNull());
    EXPECT_EQ(gesendet.convertToFormat(QImage::Format_RGB32),
              QImage(pfad("s.png")).convertToFormat(QImage::Format_RGB32));
}

// What a forum checks: --info prints what the window shows beside the server view, and its
// bytes are those that PHP sends that day, for every type.
TEST_F(Export, InfoGivesTheBannersSizeAsPhpSendsIt) {
    QImage bild(468, 60, QImage::Format_RGB32);
    bild.fill(QColor(20, 40, 120));
    ASSERT_TRUE(bild.save(pfad("hinten.jpg"), "JPEG"));
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
        QProcess php;
        php.start(QStringLiteral("faketime"),
                  {QStringLiteral("2026-12-07 12:00:00"), QStringLiteral("php"),
                   pfad(paket + "/Tafomat.php")});
        ASSERT_TRUE(php.waitForFinished(30000));
        const qint64 bytes = php.readAllStandardOutput().size();
        const long zehntel = std::lround(double(bytes) / 102.4);
        const QString erwartet =
            QStringLiteral("468 × 60 Pixel, %1,%2 KB").arg(zehntel / 10).arg(zehntel % 10) +
            QString::fromUtf8(schluss);
        EXPECT_EQ(lauf.ausgabe, erwartet + QStringLiteral("\n"));

        FesteUhr uhr(*readDate(Heute.toStdString()));
        MainWindow fenster(dialoge, schriftarten, uhr);
        fenster.BildArtWählen(art);
        if (*qualität) fenster.felder().setText(Feld::BildQuallität, qualität);
        const QString alterOrdner = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        fenster.EinstellungenÖffnen(design);
        QDir::setCurrent(alterOrdner);
        EXPECT_EQ(fenster.findChild<QLabel*>(QStringLiteral("Bildgröße"))->text(), erwartet);
    }
}

TEST_F(Export, TypeAndQualityAreSetAsPickingThemDoes) {
    designSpeichern(QStringLiteral("d.txt"));
    for (const auto& [argumente, schluss] :
         {std::pair{QStringList{"--type", "gif"}, std::string("Imagegif($Bild);")},
          std::pair{QStringList{"--type", "png"}, std::string("Imagepng($Bild,Null,9);")},
          std::pair{QStringList{"--type", "PNG", "--quality", "09"},
                    std::string("Imagepng($Bild,Null,9);")},
          std::pair{QStringList{}, std::string("Imagejpeg($Bild,Null,75);")}}) {
        SCOPED_TRACE(schluss);
        const Lauf lauf = starten(QStringList{"export", "d.txt", "--php", "s.php"} + argumente);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_NE(lesen(pfad("s.php")).find(schluss), std::string::npos);
    }
}

struct Fehlerfall {
    const char* name;
    std::string datei;  // the design file's bytes; empty: no file
    QStringList argumente;
    int status;
    QString meldung;
};

void PrintTo(const Fehlerfall& fall, std::ostream* os) {
    *os << fall.name;
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

class ExportFehler : public Export, public ::testing::WithParamInterface<Fehlerfall> {};

TEST_P(ExportFehler, IsNamedOnStandardErrorAndLeavesNoFile) {
    const Fehlerfall& fall = GetParam();
    if (!fall.datei.empty()) schreiben(pfad("d.txt"), fall.datei);
    const Lauf lauf = starten(QStringList{"export"} + fall.argumente);
    EXPECT_EQ(lauf.status, fall.status);
    EXPECT_TRUE(lauf.fehler.contains(fall.meldung)) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.ausgabe, QString());
    EXPECT_EQ(dateien(), fall.datei.empty() ? QStringList{} : QStringList{"d.txt"});
}

const QStringList Beide{"d.txt", "--php", "s.php", "--preview", "p.png", "--today", "01.01.2020"};

INSTANTIATE_TEST_SUITE_P(
    Faelle, ExportFehler,
    ::testing::Values(
        Fehlerfall{
            "MissingDesign", "", {"fehlt", "--php", "s.php"}, 2, "fehlt.txt: cannot be read"},
        Fehlerfall{"EndsBeforeTheTemplate", standardMit(15, nullptr), Beide, 2, "record 15 (Txt)"},
        Fehlerfall{"EndsBeforeAbstand", standardMit(8, nullptr), Beide, 2, "record 8 (Abstand)"},
        Fehlerfall{"PositionOutOfRange", standardMit(6, " 65 "), Beide, 2,
                   "record 6 (XPos) lies outside -64 to 64"},
        Fehlerfall{"PositionNoNumber", standardMit(7, "oben"), Beide, 2,
                   "record 7 (YPos) holds no number"},
        Fehlerfall{"UnreadableDate", standardMit(9, "gestern"), Beide, 2, "record 9 (DaTxt)"},
        Fehlerfall{"EmptyAmount", standardMit(10, ""), Beide, 2, "record 10 (AlTxt)"},
        Fehlerfall{"AmountBeyondAnyNumber", standardMit(12, std::string(400, '9').c_str()), Beide,
                   2, "record 12 (AnTxt): too large"},
        Fehlerfall{"UnreadableCigarettes", standardMit(11, "viele"), Beide, 2, "record 11 (KiTxt)"},
        Fehlerfall{"UnusableSize", standardMit(4, " 0 "), Beide, 2, "record 4 (SchriftGr"},
        Fehlerfall{"RefusedSizeInTemplate", standardMit(15, "#G00Hallo"), Beide, 2,
                   "record 15 (Txt)"},
        Fehlerfall{"RefusedSizeStopsThePreviewToo",
                   standardMit(15, "Hallo#G-5"),
                   {"d.txt", "--preview", "p.png"},
                   2,
                   "record 15 (Txt)"},
        Fehlerfall{"UnknownType", standardMit(1, "leer.jpg"), Beide + QStringList{"--type", "jpg"},
                   2, "--type: jpg is not jpeg, png or gif"},
        Fehlerfall{"QualityOutOfRange", standardMit(1, "leer.jpg"),
                   Beide + QStringList{"--quality", "101"}, 2, "--quality"},
        Fehlerfall{"QualityOutOfThePngRange", standardMit(1, "leer.jpg"),
                   Beide + QStringList{"--type", "png", "--quality", "75"}, 2,
                   "--quality: 75 is not a whole number from 0 to 9"},
        Fehlerfall{"QualityForGif", standardMit(1, "leer.jpg"),
                   Beide + QStringList{"--type", "gif", "--quality", "5"}, 2, "--quality"},
        Fehlerfall{"BadToday",
                   standardMit(1, "leer.jpg"),
                   {"d.txt", "--php", "s.php", "--today", "32.13.2026"},
                   2,
                   "--today"},
        Fehlerfall{
            "UnknownOption", standardMit(1, "leer.jpg"), {"d.txt", "--png", "s.png"}, 2, "'png'"},
        Fehlerfall{"NoDesign", "", {}, 2, "one design file"},
        Fehlerfall{"ScriptNotWritable",
                   standardMit(1, "leer.jpg"),
                   {"d.txt", "--php", "kein/ordner/s"},
                   1,
                   "kein/ordner/s.php: cannot be written"},
        Fehlerfall{"BundlePictureNameOutsideTheFolder", standardMit(2, "../weg.jpg"),
                   Beide + QStringList{"--bundle", "paket"}, 2,
                   "record 2 (HintergrundName): \"../weg.jpg\" cannot be a file"},
        Fehlerfall{"BundlePictureNamedLikeTheScript", standardMit(2, "tafomat.PHP"),
                   Beide + QStringList{"--bundle", "paket"}, 2, "record 2 (HintergrundName)"},
        Fehlerfall{"PreviewNotWritable",
                   standardMit(1, "leer.jpg"),
                   {"d.txt", "--preview", "kein/p.png"},
                   1,
                   "kein/p.png: cannot be written"}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(lesen(pfad("s.php")), "altes Skript");
    EXPECT_EQ(lesen(pfad("p.png")), "altes Bild");
    EXPECT_EQ(dateien(), (QStringList{"d.txt", "p.png", "s.php"}));
    EXPECT_EQ(lesen(pfad("paket/Tafomat.php")), "altes Skript");
    EXPECT_EQ(lesen(pfad("paket/Arial.ttf")), "alte Schrift");
    EXPECT_EQ(QDir(pfad("paket")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Arial.ttf", "Tafomat.php"}));
}

// The bundle names its files with the bytes the script opens them by, replaces a link rather
// than writing where it points, and never puts the built-in picture over a file of the user's,
// only over the stand-in it wrote itself.
TEST_F(Export, BundleWritesItsOwnFilesOnly) {
    designSpeichern(QStringLiteral("leer.txt"));
    for (int lauf = 1; lauf <= 2; ++lauf)
        EXPECT_EQ(starten({"export", "leer.txt", "--bundle", "leer"}).status, 0) << lauf;
    EXPECT_EQ(lesen(pfad("leer/leer.jpg")), std::string(eingebautesBildJpeg()));

    QImage bild(40, 20, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    ASSERT_TRUE(bild.save(pfad(QStringLiteral("gr\u00FCn.jpg")), "JPEG"));
    designSpeichern(QStringLiteral("d.txt"), [](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, "gr\xFCn.jpg");
        f.felder().setText(Feld::HintergrundName, "gr\xFCn.jpg");
    });
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("paket")));
    schreiben(pfad("draussen.txt"), "bleibt");
    ASSERT_TRUE(QFile::link(pfad("draussen.txt"), pfad("paket/Tafomat.php")));
    EXPECT_EQ(starten({"export", "d.txt", "--bundle", "paket"}).status, 0);
    EXPECT_EQ(lesen(pfad("draussen.txt")), "bleibt");
    EXPECT_FALSE(QFileInfo(pfad("paket/Tafomat.php")).isSymLink());
    // "grün.jpg" as the script's Windows-1252 bytes, which PHP finds from any folder.
    const std::string bildname = QFile::encodeName(pfad("paket")).toStdString() + "/gr\xFCn.jpg";
    std::ifstream paketbild(bildname, std::ios::binary);
    EXPECT_TRUE(paketbild.good()) << bildname;
    QProcess php;
    php.setWorkingDirectory(QStringLiteral("/"));
    php.start(QStringLiteral("php"), {QStringLiteral("-d"), QStringLiteral("display_errors=stderr"),
                                      pfad("paket/Tafomat.php")});
    ASSERT_TRUE(php.waitForFinished(30000));
    EXPECT_EQ(php.readAllStandardError(), QByteArray());
    EXPECT_FALSE(QImage::fromData(php.readAllStandardOutput()).isNull());
    std::remove(bildname.c_str());  // a name that is no UTF-8 defeats the folder's clean-up

    // A picture that cannot be read is not replaced by the stand-in.
    schreiben(pfad("paket/kaputt.jpg"), "kein Bild");
    designSpeichern(QStringLiteral("k.txt"), [&](MainWindow& f) {
        f.felder().setText(Feld::HintergrundPfad, toCp1252(pfad("paket/kaputt.jpg")));
        f.felder().setText(Feld::HintergrundName, "kaputt.jpg");
    });
    const Lauf lauf = starten({"export", "k.txt", "--bundle", "paket", "--php", "s.php"});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("would replace"))) << lauf.fehler.toStdString();
    EXPECT_EQ(lesen(pfad("paket/kaputt.jpg")), "kein Bild");
    EXPECT_FALSE(QFile::exists(pfad("s.php")));
}

// Where no font file answers the design's font, the bundle could not work on the server.
TEST_F(Export, BundleWithoutAFontFileWritesNothing) {
    designSpeichern(QStringLiteral("d.txt"));
    const QString keineSchriften = pfad(QStringLiteral("keine.conf"));
    schreiben(keineSchriften, "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(keineSchriften));
    const Lauf lauf = starten({"export", "d.txt", "--bundle", "paket", "--php", "s.php"});
    qunsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(lauf.status, 2);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("warning: no font file answers the font")))
        << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("--bundle: no font file answers the font")))
        << lauf.fehler.toStdString();
    EXPECT_EQ(dateien(), (QStringList{"d.txt", "keine.conf"}));
    EXPECT_FALSE(QDir(pfad(QStringLiteral("paket"))).exists());
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

// What the folder holds before a hostile run: the design d.txt and what it names.
using Vorbereitung = void (*)(const QString& ordner);

void designSchreiben(const QString& ordner, const std::string& bytes) {
    ASSERT_TRUE(dateiSchreiben(ordner + QStringLiteral("/d.txt"), bytes));
}

void pipeMachen(const QString& pfad) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
}

const Vorbereitung Standard = [](const QString& o) {
    designSchreiben(o, standardMit(1, "leer.jpg"));
};
const Vorbereitung DesignIstPipe = [](const QString& o) { pipeMachen(o + "/d.txt"); };
// A gigabyte of NUL bytes that takes no room on the disk.
const Vorbereitung EinGigabyte = [](const QString& o) {
    QFile datei(o + "/d.txt");
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.resize(qint64{1} << 30));
};
const Vorbereitung BildIstPipe = [](const QString& o) {
    designSchreiben(o, standardMit(1, "pipe.jpg"));
    pipeMachen(o + "/pipe.jpg");
};
// A JPEG of a few bytes whose frame header declares 8190 x 8190 pixels.
const Vorbereitung RiesigesBild = [](const QString& o) {
    designSchreiben(o, standardMit(1, "riesig.jpg"));
    ASSERT_TRUE(dateiSchreiben(o + "/riesig.jpg",
                               std::string("\xFF\xD8\xFF\xC2\x00\x11\x08\x1F\xFE\x1F\xFE\x03"
                                           "\x01\x22\x00\x02\x11\x01\x03\x11\x01",
                                           21)));
};
const Vorbereitung FremdeSchrift = [](const QString& o) {
    designSchreiben(o, standardMit(3, "Keine Solche Schrift"));
};
// A font of bitmaps only, installed by a font configuration that takes it.
const Vorbereitung RasterSchrift = [](const QString& o) {
    designSchreiben(o, standardMit(3, "Tafomat Raster"));
    ASSERT_TRUE(QDir(o).mkdir(QStringLiteral("schriften")));
    ASSERT_TRUE(dateiSchreiben(o + "/schriften/raster.bdf", test::Rasterschrift));
    const std::string ordner = QFile::encodeName(o).toStdString();
    ASSERT_TRUE(dateiSchreiben(
        o + "/fonts.conf",
        "<?xml version=\"1.0\"?><fontconfig><include>/etc/fonts/fonts.conf</include><dir>" +
            ordner + "/schriften</dir><cachedir>" + ordner + "/cache</cachedir>" +
            test::RasterschriftAnnehmen + "</fontconfig>"));
};
// A photo whose Exif entry asks to turn it by a quarter.
const Vorbereitung GedrehtesBild = [](const QString& o) {
    designSchreiben(o, standardMit(1, "gedreht.jpg"));
    QImage bild(40, 20, QImage::Format_RGB32);
    bild.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    ASSERT_TRUE(puffer.open(QIODevice::WriteOnly) && bild.save(&puffer, "JPEG"));
    const char exif[] =
        "\xFF\xE1\0\x1E"
        "Exif\0\0"
        "MM\0\x2A\0\0\0\x08"
        "\0\x01"
        "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0";
    jpeg.insert(2, exif, sizeof exif - 1);
    ASSERT_TRUE(dateiSchreiben(o + "/gedreht.jpg", jpeg.toStdString()));
};
const Vorbereitung LangerBetrag = [](const QString& o) {
    designSchreiben(o, standardMit(10, (std::string(40000, '0') + "5,00").c_str()));
};

struct Feindlich {
    const char* name;
    Vorbereitung vorbereiten;
    QStringList argumente;
    const char* plattform;  // QT_QPA_PLATFORM; nullptr: neither it nor a display
    int status;
    QString meldung;
};

void PrintTo(const Feindlich& fall, std::ostream* os) {
    *os << fall.name;
}

class ExportFeindlich : public Export, public ::testing::WithParamInterface<Feindlich> {};

// Every run ends by itself with its status and says why; only a run that succeeds writes.
TEST_P(ExportFeindlich, EndsWithItsStatusAndSaysWhy) {
    const Feindlich& fall = GetParam();
    fall.vorbereiten(ordner.path());
    if (fall.plattform) plattform = QString::fromLatin1(fall.plattform);
    const Lauf lauf = starten(fall.argumente, 10000);
    EXPECT_TRUE(lauf.normal);
    EXPECT_EQ(lauf.status, fall.status);
    EXPECT_TRUE(lauf.fehler.contains(fall.meldung)) << lauf.fehler.toStdString();
    EXPECT_EQ(QFile::exists(pfad("s.php")), fall.status == 0);
}

const QStringList Skript{"export", "d.txt", "--php", "s.php"};

INSTANTIATE_TEST_SUITE_P(
    Faelle, ExportFeindlich,
    ::testing::Values(
        Feindlich{"DesignIsAPipe", DesignIstPipe, Skript, nullptr, 2,
                  "d.txt: cannot be read (not a regular file)"},
        Feindlich{"DesignOfAGigabyte", EinGigabyte, Skript, nullptr, 2, "larger than 2 MiB"},
        Feindlich{"RecordLongerThanAField", LangerBetrag, Skript, nullptr, 2,
                  "record 10 (AlTxt) holds more than 32767 characters"},
        Feindlich{"PictureIsAPipe", BildIstPipe, Skript, nullptr, 0,
                  "the picture pipe.jpg cannot be loaded (not a regular file)"},
        Feindlich{"PictureDeclaresTooManyPixels", RiesigesBild, Skript, nullptr, 0,
                  "(8190 x 8190 pixels, more than the 16777216"},
        Feindlich{"FontNotInstalled", FremdeSchrift, Skript, nullptr, 0,
                  "the font \"Keine Solche Schrift\" is not installed; the preview draws and the "
                  "script names Arial.ttf"},
        Feindlich{"FontOfBitmapsOnly", RasterSchrift, Skript, nullptr, 0,
                  "the font \"Tafomat Raster\" is installed, but cannot be drawn (its file"},
        Feindlich{"PictureTurnedByExif", GedrehtesBild, Skript, nullptr, 0,
                  "the picture gedreht.jpg asks to be turned (EXIF orientation 6); the server "
                  "draws it as stored"},
        Feindlich{"NothingToDo", Standard, {"export", "d.txt"}, nullptr, 2, "nothing to do"},
        Feindlich{"MisspeltHelp", Standard, {"--helpp"}, nullptr, 2, "Usage: tafomat"},
        Feindlich{"UnknownShortOption", Standard, {"-x"}, nullptr, 2, "Usage: tafomat"},
        Feindlich{"OptionBeforeTheCommand",
                  Standard,
                  {"--php", "s.php", "export", "d.txt"},
                  nullptr,
                  2,
                  "Usage: tafomat"},
        Feindlich{"UnknownOptionOnAScreen", Standard, {"-x"}, "offscreen", 2, "Usage: tafomat"},
        Feindlich{"TwoDesigns", Standard, {"d.txt", "e.txt"}, nullptr, 2, "Usage: tafomat"},
        // Exporting builds no widget and opens no platform, not even one that is not there.
        Feindlich{"NoGuiPlatformAtAll", Standard, Skript, "keine", 0, ""},
        Feindlich{"QtOptionsBesideTheCommand", Standard,
                  Skript + QStringList{"-style", "fusion", "-reverse"}, nullptr, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Qt's own options are no command: the window is meant for the user's screen, so without one
// the program says so and ends, instead of running on unseen offscreen.
TEST_F(Export, QtOptionsOpenTheWindowOnTheScreen) {
    const Lauf lauf = starten({"-reverse"}, 10000);
    EXPECT_TRUE(lauf.normal);
    EXPECT_EQ(lauf.status, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("no display found")))
        << lauf.fehler.toStdString();
}

}  // namespace
}  // namespace tafomat::test
