#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

// The default design as saved right after start-up.
std::string Startdatei() {
    return "leer.jpg\r\nleer.jpg\r\nArial\r\n 8 \r\n 0 \r\n 0 \r\n 0 \r\n 5 "
           "\r\n04.11.2010\r\n5,00\r\n"
           "22\r\n60,00\r\n1,00\r\n3,00\r\n" +
           Startvorlage() + "\r\n";
}

// While it lives, a write that makes a file longer than the limit fails, as on a full disk.
class Dateigrenze {
  public:
    explicit Dateigrenze(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        const rlimit grenze{bytes, m_vorher.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

  private:
    rlimit m_vorher{};
    void (*m_signal)(int);
};

class EinstellungenDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        probe.öffnen();
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    static std::string lesen(const QString& pfad) { return dateiLesen(pfad); }
    static void schreiben(const QString& pfad, const std::string& bytes) {
        ASSERT_TRUE(dateiSchreiben(pfad, bytes));
    }
    QString jpegMachen(const QString& name, QSize größe) const {
        QImage bild(größe, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
        EXPECT_TRUE(bild.save(pfad(name), "JPEG"));
        return pfad(name);
    }
    void speichern(Fensterprobe& p, const QString& ziel) {
        p.dialoge.speichernAntworten.append(ziel);
        p.finde<QPushButton>("EinstellungenSpeichern")->click();
    }
    void laden(Fensterprobe& p, const QString& quelle) {
        p.dialoge.öffnenAntworten.append(quelle);
        p.finde<QPushButton>("EinstellungenÖffnen")->click();
    }
    // A file that holds the default design with one record replaced, or cut after a record.
    static std::string startdateiMit(int datensatz, const std::string& inhalt) {
        std::string datei = Startdatei();
        std::size_t anfang = 0;
        for (int i = 1; i < datensatz; ++i) anfang = datei.find("\r\n", anfang) + 2;
        const std::size_t ende = datei.find("\r\n", anfang);
        return datei.replace(anfang, ende - anfang, inhalt);
    }
    static std::string startdateiBis(int datensatz) {
        std::string datei = Startdatei();
        std::size_t ende = 0;
        for (int i = 0; i < datensatz; ++i) ende = datei.find("\r\n", ende) + 2;
        return datei.substr(0, ende);
    }

    QTemporaryDir ordner;
    Fensterprobe probe;
};

TEST_F(EinstellungenDatei, DefaultDesignIsSavedByteForByteWithTxtAppended) {
    speichern(probe, pfad("entwurf"));
    EXPECT_EQ(probe.dialoge.speichernVorgaben, QStringList{QStringLiteral("Tafomat.txt")});
    EXPECT_EQ(lesen(pfad("entwurf.txt")), Startdatei());
    speichern(probe, pfad("zwei.TXT"));
    EXPECT_TRUE(QFile::exists(pfad("zwei.TXT.txt")));
}

TEST_F(EinstellungenDatei, FailedSaveKeepsThePreviousFileAndClosesTheNewOne) {
    schreiben(pfad("alt.txt"), "alter Entwurf\r\n");
    probe.setText(Feld::Txt, std::string(4000, 'x'));
    {
        const Dateigrenze grenze(64);
        speichern(probe, pfad("alt.txt"));
    }
    EXPECT_EQ(lesen(pfad("alt.txt")), "alter Entwurf\r\n");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.txt")});
    speichern(probe, pfad("alt.txt"));
    EXPECT_EQ(lesen(pfad("alt.txt")).substr(0, 10), "leer.jpg\r\n");
}

TEST_F(EinstellungenDatei, CancelledDialogsWriteReadAndRedrawNothing) {
    const int vorher = probe.fenster->neuzeichnungen();
    speichern(probe, QString());
    laden(probe, QString());
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    EXPECT_EQ(probe.fenster->neuzeichnungen(), vorher);
}

// Save in one window, load into a fresh one: every field, the font and the picture come back.
TEST_F(EinstellungenDatei, DesignComesBackWholeInAFreshWindow) {
    for (const std::string& vorlage : {std::string("#F255255255Zeile 1\r\n#G12Zeile 2\r\n"),
                                       std::string("Zeile 1\r\n#BZeile 2"), std::string()}) {
        SCOPED_TRACE(vorlage);
        const QString bild = jpegMachen(QStringLiteral("hinten.jpg"), QSize(300, 80));
        probe.dialoge.öffnenAntworten.append(bild);
        probe.finde<QPushButton>("Hintergrundbild")->click();
        probe.setText(Feld::SchriftartListe, "Liberation Mono");
        probe.setText(Feld::SchriftGröße, "11");
        probe.fenster->felder().setWert(Feld::XPos, -12);
        probe.fenster->felder().setWert(Feld::YPos, 7);
        probe.fenster->felder().setWert(Feld::Abstand, 0);
        probe.setText(Feld::DaTxt, "01.02.2003");
        probe.setText(Feld::AlTxt, "6,50");
        probe.setText(Feld::KiTxt, "30");
        probe.setText(Feld::AnTxt, "0,00");
        probe.setText(Feld::NeTxt, "2,25");
        probe.setText(Feld::StTxt, "\xE4\xF6\xFC \x80");
        probe.setText(Feld::Txt, vorlage);
        speichern(probe, pfad("rund.txt"));

        Fensterprobe neu;
        neu.öffnen();
        laden(neu, pfad("rund.txt"));
        for (const Feld feld :
             {Feld::HintergrundPfad, Feld::HintergrundName, Feld::SchriftartListe, Feld::DaTxt,
              Feld::AlTxt, Feld::KiTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt, Feld::Txt})
            EXPECT_EQ(neu.text(feld), probe.text(feld)) << feldName(feld);
        EXPECT_EQ(neu.text(Feld::SchriftGröße), " 11 ");
        for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand})
            EXPECT_EQ(neu.fenster->felder().wert(regler), probe.fenster->felder().wert(regler));
        EXPECT_EQ(neu.fenster->vorschau().fontName(), "Liberation Mono");
        EXPECT_EQ(neu.fenster->vorschau().fontSize(), 11);
        EXPECT_EQ(neu.fenster->vorschau().image().size(), QSize(300, 80));
        EXPECT_EQ(neu.fenster->windowTitle(), QStringLiteral("7"));  // the last scroll bar set
    }
}

TEST_F(EinstellungenDatei, SizeBoxShowsTheRecordWithItsBlanksAndWritesNoSizeCommand) {
    schreiben(pfad("g.txt"), startdateiMit(4, " 12 "));
    laden(probe, pfad("g.txt"));
    EXPECT_EQ(probe.text(Feld::SchriftGröße), " 12 ");
    EXPECT_EQ(probe.fenster->vorschau().fontSize(), 12);
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
}

TEST_F(EinstellungenDatei, FileEndingAfterRecord14LeavesTheTemplateAsItWas) {
    probe.setText(Feld::Txt, "mein Text");
    std::string kurz = startdateiBis(14);
    kurz.replace(kurz.find(" 8 "), 3, " 20 ");
    schreiben(pfad("kurz.txt"), kurz);
    laden(probe, pfad("kurz.txt"));
    EXPECT_EQ(probe.text(Feld::SchriftGröße), " 20 ");
    EXPECT_EQ(probe.text(Feld::StTxt), "3,00");
    EXPECT_EQ(probe.text(Feld::Txt), "mein Text");
}

TEST_F(EinstellungenDatei, BadPositionEndsTheReadingButThePreviewIsRedrawn) {
    for (const std::string& record : {std::string(" 65 "), std::string("links")}) {
        SCOPED_TRACE(record);
        Fensterprobe p;
        p.öffnen();
        p.setText(Feld::SchriftGröße, " 8 ");  // records 1 to 5 then change nothing
        std::string datei = startdateiMit(6, record);
        datei.replace(datei.find("04.11.2010"), 10, "01.01.2020");
        schreiben(pfad("x.txt"), datei);
        const int vorher = p.fenster->neuzeichnungen();
        laden(p, pfad("x.txt"));
        EXPECT_EQ(p.fenster->felder().wert(Feld::XPos), 0);
        EXPECT_EQ(p.text(Feld::DaTxt), "04.11.2010");
        EXPECT_EQ(p.fenster->neuzeichnungen(), vorher + 1);
    }
}

TEST_F(EinstellungenDatei, MissingPictureKeepsThePreviewsPictureAndLoadsTheRest) {
    std::string datei = startdateiMit(1, pfad("weg/nirgends.jpg").toStdString());
    datei.replace(datei.find("leer.jpg"), 8, "nirgends.jpg");
    datei.replace(datei.find("22\r\n"), 2, "40");
    schreiben(pfad("fehlt.txt"), datei);
    const QImage vorher = probe.fenster->vorschau().image();
    laden(probe, pfad("fehlt.txt"));
    EXPECT_EQ(probe.text(Feld::HintergrundPfad), pfad("weg/nirgends.jpg").toStdString());
    EXPECT_EQ(probe.text(Feld::HintergrundName), "nirgends.jpg");
    EXPECT_EQ(probe.text(Feld::KiTxt), "40");
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
    EXPECT_EQ(probe.fenster->vorschau().image().size(), vorher.size());
}

TEST_F(EinstellungenDatei, UpperCaseTxtGetsTxtAppendedAndLoadsNothing) {
    std::string datei = Startdatei();
    datei.replace(datei.find("22\r\n"), 2, "40");
    schreiben(pfad("gross.TXT"), datei);
    const int vorher = probe.fenster->neuzeichnungen();
    laden(probe, pfad("gross.TXT"));
    EXPECT_EQ(probe.text(Feld::KiTxt), "22");
    EXPECT_EQ(probe.fenster->neuzeichnungen(), vorher + 1);
}

TEST_F(EinstellungenDatei, ColourRecordIsReadAndDropped) {
    std::string datei = startdateiMit(5, " 255 ");
    datei.replace(datei.find("22\r\n"), 2, "40");
    schreiben(pfad("farbe.txt"), datei);
    laden(probe, pfad("farbe.txt"));
    EXPECT_EQ(probe.text(Feld::KiTxt), "40");
    EXPECT_EQ(probe.fenster->vorschau().textColor(), 0);
}

}  // namespace
}  // namespace tafomat::test
