#include <QClipboard>
#include <QDir>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "common/RecordingSurface.h"
#include "ui/EinstellungenDatei.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

// The default design as saved right after start-up, as the settings suite spells it out.
std::string Startdatei() {
    return EinstellungenText(FelderImSpeicher{}, RecordingSurface{});
}

// While the guard lives, a write that makes a file longer than the limit fails, as on a full disk.
auto dateigrenze(rlim_t bytes) {
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const rlimit grenze{bytes, vorher.rlim_max};
    setrlimit(RLIMIT_FSIZE, &grenze);
    return qScopeGuard([vorher, signal = std::signal(SIGXFSZ, SIG_IGN)] {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signal);
    });
}

class EinstellungenDatei : public Fenstertest {
  protected:
    static void schreiben(const QString& pfad, const std::string& bytes) {
        ASSERT_TRUE(dateiSchreiben(pfad, bytes));
    }
    static void speichern(Fensterprobe& p, const QString& ziel) {
        p.dialoge.speichernAntworten.append(ziel);
        p.finde<QPushButton>("EinstellungenSpeichern")->click();
    }
    // A changed design is let go when the window asks.
    static void laden(Fensterprobe& p, const QString& quelle) {
        if (p.fenster->gestaltungGeändert()) p.dialoge.frageAntworten.push_back(Antwort::Verwerfen);
        p.dialoge.öffnenAntworten.append(quelle);
        p.finde<QPushButton>("EinstellungenÖffnen")->click();
    }
    // The file with one record replaced, by default the default design's.
    static std::string mit(int datensatz, const std::string& inhalt,
                           std::string datei = Startdatei()) {
        const std::size_t anfang = zeilenanfang(datei, datensatz - 1);
        return datei.replace(anfang, datei.find("\r\n", anfang) - anfang, inhalt);
    }
    static std::size_t zeilenanfang(const std::string& datei, int zeilen) {
        std::size_t anfang = 0;
        for (int i = 0; i < zeilen; ++i) anfang = datei.find("\r\n", anfang) + 2;
        return anfang;
    }
};

// Cancelled dialogs write, read and redraw nothing; the default design is saved byte for byte;
// a failed save keeps the previous file and closes the new one.
TEST_F(EinstellungenDatei, DefaultDesignIsSavedByteForByteAFailedSaveKeepsTheFile) {
    const int vorher = neuzeichnungen();
    speichern(probe, QString());
    laden(probe, QString());
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
    EXPECT_EQ(neuzeichnungen(), vorher);
    speichern(probe, pfad("entwurf"));
    EXPECT_EQ(probe.dialoge.speichernVorgaben, QStringList(2, QStringLiteral("Tafomat.txt")));
    EXPECT_EQ(dateiLesen(pfad("entwurf.txt")), Startdatei());

    schreiben(pfad("alt.txt"), "alter Entwurf\r\n");
    probe.setText(Feld::Txt, std::string(4000, 'x'));
    {
        const auto grenze = dateigrenze(64);
        speichern(probe, pfad("alt.txt"));
    }
    EXPECT_EQ(dateiLesen(pfad("alt.txt")), "alter Entwurf\r\n");
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), (QStringList{"alt.txt", "entwurf.txt"}));
    ASSERT_EQ(probe.dialoge.meldungen.size(), 1);
    EXPECT_TRUE(probe.dialoge.meldungen.front().startsWith(
        QStringLiteral("Die Datei [%1] wurde nicht gespeichert: das Schreiben ist fehlgeschlagen, "
                       "ist der Datenträger voll?")
            .arg(pfad("alt.txt"))))
        << probe.dialoge.meldungen.front().toStdString();
    speichern(probe, pfad("alt.txt"));
    EXPECT_EQ(dateiLesen(pfad("alt.txt")).substr(0, 10), "leer.jpg\r\n");
}

// Save in one window, load into a fresh one: every field, the font and the picture come back.
TEST_F(EinstellungenDatei, DesignComesBackWholeInAFreshWindow) {
    probe.dialoge.öffnenAntworten.append(jpegMachen(QStringLiteral("hinten.jpg"), QSize(300, 80)));
    klicken("Hintergrundbild");
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
    probe.setText(Feld::Txt, "#F255255255Zeile 1\r\n#G12Zeile 2\r\n");
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

// The size record fills the size list without writing a size command into the template. Where
// the reading stops is the settings suite's; here, that the window redraws once.
TEST_F(EinstellungenDatei, ACutOrBadFileLeavesTheTemplateAndRedrawsOnce) {
    probe.setText(Feld::Txt, "mein Text");
    schreiben(pfad("kurz.txt"),
              mit(4, " 20 ", Startdatei().substr(0, zeilenanfang(Startdatei(), 14))));
    laden(probe, pfad("kurz.txt"));
    EXPECT_EQ(probe.text(Feld::SchriftGröße), " 20 ");
    EXPECT_EQ(probe.fenster->vorschau().fontSize(), 20);
    EXPECT_EQ(probe.text(Feld::StTxt), "3,00");
    EXPECT_EQ(probe.text(Feld::Txt), "mein Text");

    schreiben(pfad("x.txt"), mit(4, " 20 ", mit(6, "links", mit(9, "01.01.2020"))));
    const int vorher = neuzeichnungen();
    laden(probe, pfad("x.txt"));
    EXPECT_EQ(probe.fenster->felder().wert(Feld::XPos), 0);
    EXPECT_EQ(probe.text(Feld::DaTxt), "04.11.2010");
    EXPECT_EQ(neuzeichnungen(), vorher + 1);
}

// The preview of a design whose picture is missing is the same after any design before it,
// in the window as on the command line: the built-in picture, and the notice line says why
// until a picture loads.
TEST_F(EinstellungenDatei, MissingPictureShowsTheBuiltInPictureSaysSoAndLoadsTheRest) {
    const QImage eingebaut = probe.fenster->vorschau().image();
    probe.dialoge.öffnenAntworten.append(jpegMachen(QStringLiteral("wald.jpg"), QSize(300, 80)));
    klicken("Hintergrundbild");
    ASSERT_EQ(probe.fenster->vorschau().image().size(), QSize(300, 80));

    schreiben(pfad("fehlt.txt"), mit(1, pfad("weg/nirgends.jpg").toStdString(),
                                     mit(2, "nirgends.jpg", mit(11, "40"))));
    laden(probe, pfad("fehlt.txt"));
    EXPECT_EQ(probe.text(Feld::HintergrundPfad), pfad("weg/nirgends.jpg").toStdString());
    EXPECT_EQ(probe.text(Feld::HintergrundName), "nirgends.jpg");
    EXPECT_EQ(probe.text(Feld::KiTxt), "40");
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
    EXPECT_EQ(probe.fenster->vorschau().image(), eingebaut);
    const auto* hinweis = probe.finde<Hinweiszeile>("Hinweis");
    EXPECT_EQ(hinweis->satz(), QStringLiteral("Das Hintergrundbild wurde nicht gefunden – die "
                                              "Vorschau zeigt das eingebaute Bild."));
    EXPECT_TRUE(hinweis->toolTip().contains(pfad("weg/nirgends.jpg")));
    EXPECT_EQ(probe.fenster->windowTitle(),
              QStringLiteral("Tafomat fügt mit Php einen Texte und Daten in ein JPEG-Bild"));
    probe.dialoge.öffnenAntworten.append(pfad(QStringLiteral("wald.jpg")));
    klicken("Hintergrundbild");
    EXPECT_EQ(hinweis->satz(), QString());
}

// What a spreadsheet cell gives: the value and a line break. The field keeps the value and the
// preview goes on as with the value typed.
TEST_F(EinstellungenDatei, PastedLineBreaksAreDropped) {
    const std::tuple<Feld, const char*, std::string> fälle[] = {
        {Feld::AlTxt, "7,50\r\n", "7,50"},
        {Feld::KiTxt, "2\r\n2", "22"},
        {Feld::DaTxt, "\n01.02.2003\r", "01.02.2003"},
        {Feld::SchriftartListe, "Liberation Mono\r\n", "Liberation Mono"},
    };
    Fensterprobe getippt;  // the same values set without line breaks
    getippt.öffnen();
    for (const auto& [feld, eingefügt, bleibt] : fälle) {
        const std::string name(feldName(feld));
        SCOPED_TRACE(name);
        auto* liste = probe.finde<QComboBox>(name.c_str());
        QLineEdit* zeile = liste ? liste->lineEdit() : probe.finde<QLineEdit>(name.c_str());
        ASSERT_NE(zeile, nullptr);
        zeile->clear();
        QApplication::clipboard()->setText(QString::fromLatin1(eingefügt));
        zeile->paste();
        EXPECT_EQ(toCp1252(zeile->text()), bleibt);
        getippt.setText(feld, bleibt);
    }
    for (const Feld abgeleitet : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
        EXPECT_EQ(probe.text(abgeleitet), getippt.text(abgeleitet)) << feldName(abgeleitet);
    EXPECT_EQ(probe.fenster->vorschau().image(), getippt.fenster->vorschau().image());
}

// A pipe would block the reading forever, a gigabyte would fill the memory: both are refused
// before a byte is read, and the open design stays as it was.
TEST_F(EinstellungenDatei, PipeOrHugeFileLeavesTheOpenDesignUntouched) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad("pipe.txt")).constData(), 0600), 0);
    QFile riesig(pfad("riesig.txt"));
    ASSERT_TRUE(riesig.open(QIODevice::WriteOnly) && riesig.resize(qint64{1} << 30));
    riesig.close();
    probe.setText(Feld::KiTxt, "40");
    for (const QString& name : {QStringLiteral("pipe.txt"), QStringLiteral("riesig.txt")}) {
        SCOPED_TRACE(name.toStdString());
        const int vorher = neuzeichnungen();
        const std::string davor =
            EinstellungenText(probe.fenster->felder(), probe.fenster->vorschau());
        laden(probe, pfad(name));
        EXPECT_EQ(EinstellungenText(probe.fenster->felder(), probe.fenster->vorschau()), davor);
        EXPECT_EQ(neuzeichnungen(), vorher + 1);
    }
}

// tafomat DESIGN.txt: the design loads into the shown window; one that cannot be read leaves
// the start design and a message says why.
TEST_F(EinstellungenDatei, DesignNamedAtStartLoadsOrSaysWhyNot) {
    EinstellungenBeimStartÖffnen(*probe.fenster, probe.dialoge, pfad("fehlt"));
    EXPECT_EQ(probe.text(Feld::KiTxt), "22");
    const QStringList meldung{QStringLiteral("Die Einstellungsdatei [%1] wurde nicht gefunden! Es "
                                             "gelten die Standard-Einstellungen.")
                                  .arg(pfad("fehlt.txt"))};
    EXPECT_EQ(probe.dialoge.meldungen, meldung);

    schreiben(pfad("gut.txt"), mit(11, "40"));
    EinstellungenBeimStartÖffnen(*probe.fenster, probe.dialoge, pfad("gut"));
    EXPECT_EQ(probe.text(Feld::KiTxt), "40");
    EXPECT_EQ(probe.dialoge.meldungen, meldung);  // and no other
}

// A file that exists under the chosen name ending in ".txt" in any letter case opens as it is;
// any other name gets ".txt" appended.
TEST_F(EinstellungenDatei, AnExistingTxtInAnyCaseOpensAsChosenOtherNamesGetTxt) {
    const std::tuple<const char*, const char*, bool> fälle[] = {
        {"MEIN.TXT", "MEIN.TXT", true},
        {"Zwei.Txt", "Zwei.Txt", true},
        {"drei.TXT.txt", "drei.TXT", true},
        {"vier.txt", "vier", true},
        {"fünf", "fünf", false},
        {"sechs.TXT", "SECHS.TXT", false},
    };
    for (const auto& [datei, gewählt, geladen] : fälle) {
        SCOPED_TRACE(gewählt);
        schreiben(pfad(QString::fromUtf8(datei)), mit(11, "40"));
        probe.setText(Feld::KiTxt, "22");
        const int vorher = neuzeichnungen();
        laden(probe, pfad(QString::fromUtf8(gewählt)));
        EXPECT_EQ(probe.text(Feld::KiTxt), geladen ? "40" : "22");
        if (!geladen) {
            EXPECT_EQ(neuzeichnungen(), vorher + 1);
        }
    }
}

}  // namespace
}  // namespace tafomat::test
