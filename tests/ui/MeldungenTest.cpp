// What the window tells: fields that cannot be read, template commands that cannot be drawn,
// saves that fail, the font drawn in place of the chosen one, and where the guide is.
#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "platform/Anleitung.h"
#include "ui/Anleitungsfenster.h"
#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

const QString KeinSkript =
    QStringLiteral("Aus dieser Gestaltung kann kein Php-Programm erstellt werden. ");
const QString KeinBanner = QStringLiteral("Der Server kann dieses Banner nicht zeichnen. ");

// A mark the eye sees: the field's ground is not the window's.
bool markiert(const Fensterprobe& probe, const char* name) {
    return probe.finde<QWidget>(name)->palette().color(QPalette::Base) !=
           probe.fenster->palette().color(QPalette::Base);
}

class Meldungen : public Fenstertest {};

const char* const Felder[] = {"DaTxt", "AlTxt", "KiTxt", "AnTxt", "NeTxt", "StTxt", "SchriftGröße"};

// A value that stops the preview and the script: its field is marked and says why, the notice
// line names it, the script's button names it in its message and saves nothing, and the server
// view says why it draws no banner. A point in an amount or count reads as a thousands mark: the
// tooltip and the notice line say what it reads as, and the script is made; points where
// thousands marks stand say nothing. The start value takes all of it back.
TEST_F(Meldungen, UnreadableValuesAreMarkedAndNamed) {
    struct Fall {
        Feld feld;
        std::string text;
        QString bezeichnung;
        QString grund;  // the field's tooltip, before its own; the message's end
        bool stoppt = true;
    };
    const QString Datum = " ist kein Datum. Bitte als Tag.Monat.Jahr eingeben, z.B. 04.11.2010.";
    const QString Betrag = " Bitte einen Betrag mit Komma eingeben, z.B. 5,00.";
    const QString Komma = " Für Nachkommastellen ein Komma schreiben";
    // clang-format off
    const Fall fälle[] = {
        {Feld::DaTxt, "2020-01-01", "#1 Datum des Beginns", "„2020-01-01“" + Datum},
        {Feld::AlTxt, "", "#3 Alte Kosten pro Tag", "Das Feld ist leer." + Betrag},
        {Feld::KiTxt, "zwei", "#4 Zigarettenverbrauch pro Tag",
         "„zwei“ ist keine Zahl. Bitte eine Zahl eingeben, z.B. 22."},
        {Feld::AnTxt, std::string(400, '9'), "#5 Einmalige Anschaffungskosten",
         "„999999999...999999999999999999“ ist zu groß zum Rechnen. Bitte eine kleinere Zahl eingeben."},
        {Feld::NeTxt, "1,00 \x80", "#6 Neue Kosten pro Tag", "„1,00 €“ ist kein Betrag." + Betrag},
        {Feld::SchriftGröße, "0", "Schriftgröße",
         "„0“ ist keine Schriftgröße, die sich zeichnen lässt. Bitte eine Größe von 1 bis 2000 wählen."},
        {Feld::AlTxt, "5.50", "#3 Alte Kosten pro Tag",
         "Der Punkt in „5.50“ trennt Tausender: das ist 550." + Komma + ": „5,50“.", false},
        {Feld::KiTxt, "2.5", "#4 Zigarettenverbrauch pro Tag",
         "Der Punkt in „2.5“ trennt Tausender: das ist 25." + Komma + ": „2,5“.", false},
        {Feld::StTxt, "1.000,5.0", "#8 Freier Betrag pro Tag",
         "Der Punkt in „1.000,5.0“ trennt Tausender: das ist 1000,5." + Komma + ".", false},
        {Feld::AnTxt, "1.234,50", QString(), QString(), false},
        {Feld::NeTxt, "1.000.000", QString(), QString(), false},
    };
    // clang-format on
    const QImage hintergrund = alsQImage(probe.fenster->vorschau().hintergrund());
    auto* schalter = probe.finde<QAbstractButton>("Serveransicht");
    for (const Fall& fall : fälle) {
        const std::string name(feldName(fall.feld));
        SCOPED_TRACE(name + " " + fall.text.substr(0, 12));
        QWidget* feld = probe.finde<QWidget>(name.c_str());
        const std::string vorher = probe.text(fall.feld);
        const QString eigenerTipp = feld->toolTip();
        probe.setText(fall.feld, fall.text);
        for (const char* anderes : Felder)
            EXPECT_EQ(markiert(probe, anderes), fall.stoppt && anderes == name) << anderes;
        EXPECT_EQ(feld->toolTip(),
                  eigenerTipp.isEmpty() ? fall.grund : fall.grund + "\n\n" + eigenerTipp);
        // The notice line says the reason's first sentence.
        EXPECT_EQ(probe.hinweis(),
                  fall.grund.isEmpty()
                      ? QString()
                      : fall.bezeichnung + ": " + fall.grund.left(fall.grund.indexOf(". ") + 1));

        if (fall.stoppt) {
            probe.dialoge.meldungen.clear();
            probe.setText(Feld::QuTxt, "alt");
            probe.finde<QPushButton>("PhpQuelltext")->click();
            EXPECT_EQ(probe.dialoge.meldungen,
                      QStringList{KeinSkript + fall.bezeichnung + ": " + fall.grund});
            EXPECT_EQ(probe.text(Feld::QuTxt), "alt");
            EXPECT_TRUE(probe.dialoge.speichernVorgaben.isEmpty());

            schalter->click();
            EXPECT_EQ(probe.finde<Bildfeld>("Pic")->hinweis(),
                      KeinBanner + fall.bezeichnung + ": " + fall.grund);
            EXPECT_NE(probe.gezeigt(), hintergrund);
            schalter->click();
        } else {
            EXPECT_TRUE(probe.fenster->PhpQuelltextErstellen().has_value());
        }

        probe.setText(fall.feld, vorher);
        probe.setText(Feld::Txt, Startvorlage());
        for (const char* anderes : Felder) EXPECT_FALSE(markiert(probe, anderes)) << anderes;
        EXPECT_EQ(feld->toolTip(), eigenerTipp);
        EXPECT_EQ(probe.hinweis(), QString());
    }
}

// A command that cannot be drawn is named by its line and place; the preview draws up to it. One
// that the script cannot take either stops the script's button with the same words.
TEST_F(Meldungen, ACommandThatCannotBeDrawnIsNamedWithItsLine) {
    const QString zuKlein = QStringLiteral(
        "Beim Zeichen 3 dieser Zeile: die Schriftgröße 0 lässt sich nicht zeichnen (#G01 bis "
        "#G99).");
    // The template, the notice line's sentence, where, and whether the script can take it.
    // clang-format off
    const std::tuple<std::string, QString, QString, bool> fälle[] = {
        {"Zeile eins\r\nab#G00cd", "Zeile 2 des Textes: „#G00“ lässt sich nicht zeichnen.", zuKlein, false},
        {"#G12a\r\n\r\n  #GxyB", "Zeile 3 des Textes: „#Gxy“ lässt sich nicht zeichnen.", zuKlein, false},
        {"rot: #F9E9000000x", "Zeile 1 des Textes: „#F9E9000000“ lässt sich nicht zeichnen.",
         "Beim Zeichen 6 dieser Zeile: diese Farbe lässt sich nicht lesen (#F000000000 bis #F255255255).", true},
    };
    // clang-format on
    const auto* zeile = probe.finde<Hinweiszeile>("Hinweis");
    for (const auto& [vorlage, satz, ort, skript] : fälle) {
        SCOPED_TRACE(vorlage);
        probe.setText(Feld::Txt, vorlage);
        EXPECT_EQ(zeile->satz(), satz);
        EXPECT_TRUE(zeile->toolTip().startsWith(satz + " " + ort));
        probe.dialoge.meldungen.clear();
        const double größe = probe.fenster->vorschau().fontSize();
        probe.finde<QPushButton>("PhpQuelltext")->click();
        ASSERT_EQ(probe.dialoge.meldungen.size(), 1);
        if (skript)
            EXPECT_FALSE(probe.dialoge.meldungen.front().startsWith(KeinSkript));
        else
            EXPECT_EQ(probe.dialoge.meldungen.front(), KeinSkript + satz + " " + ort);
        EXPECT_EQ(probe.fenster->vorschau().fontSize(), größe);
    }
    probe.setText(Feld::Txt, "gut");
    EXPECT_EQ(zeile->satz(), QString());
}

// Every save that fails says which file and why, in a message and in the notice line, until a
// save succeeds; a failed save in the closing question keeps the window open.
TEST_F(Meldungen, EveryFailedSaveSaysWhichFileAndWhy) {
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("banner.php")));
    const QString Unverändert =
        QStringLiteral(" Eine Datei, die dort schon so heißt, bleibt unverändert.");
    const QString fehlt = QStringLiteral("den Ordner [%1] gibt es nicht");
    const QString ordnerName = QStringLiteral("so heißt ein Ordner");
    // The button (none: closing the window), the name chosen, the file, why, and why in short.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, QString, QString> fälle[] = {
        {"EinstellungenSpeichern", "fehlt/entwurf", "fehlt/entwurf.txt", fehlt, "der Ordner fehlt"},
        {"PhpQuelltext", "banner", "banner.php", ordnerName, ordnerName},
        {nullptr, "fehlt/frage", "fehlt/frage.txt", fehlt, "der Ordner fehlt"},
    };
    // clang-format on
    for (const auto& [knopf, gewählt, datei, warum, kurz] : fälle) {
        SCOPED_TRACE(datei);
        probe.dialoge.meldungen.clear();
        probe.dialoge.speichernAntworten = {pfad(gewählt)};
        probe.setText(Feld::KiTxt, "23");  // a change, so that closing asks
        if (knopf) {
            klicken(knopf);
        } else {
            probe.dialoge.frageAntworten = {Antwort::Speichern};
            EXPECT_FALSE(probe.fenster->close());
            EXPECT_TRUE(probe.fenster->isVisible());
        }
        const QString ziel = pfad(datei);
        const QString grund =
            warum.contains(QLatin1String("%1")) ? warum.arg(QFileInfo(ziel).absolutePath()) : warum;
        EXPECT_EQ(probe.dialoge.meldungen.back(),
                  QStringLiteral("Die Datei [%1] wurde nicht gespeichert: %2.").arg(ziel, grund) +
                      Unverändert);
        EXPECT_EQ(probe.hinweis(), QStringLiteral("%1 wurde nicht gespeichert: %2.")
                                       .arg(QFileInfo(ziel).fileName(), kurz));
        EXPECT_FALSE(QFileInfo(ziel).isFile());
        EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::Files).isEmpty());  // nor a trace
    }
    probe.dialoge.speichernAntworten = {pfad("gut")};
    klicken("EinstellungenSpeichern");
    EXPECT_TRUE(QFileInfo(pfad("gut.txt")).isFile());
    EXPECT_EQ(probe.hinweis(), QString());
}

// The notice line shows the most urgent notice; its tooltip holds all of them in full.
TEST_F(Meldungen, TheNoticeLineShowsTheMostUrgent) {
    Hinweiszeile zeile;
    zeile.setzen(Hinweisart::Punkt, QStringLiteral("Punkt."), QStringLiteral("Punkt, ganz."));
    zeile.setzen(Hinweisart::Bild, QStringLiteral("Bild."));
    EXPECT_EQ(zeile.satz(), QStringLiteral("Bild."));
    zeile.setzen(Hinweisart::Eingabe, QStringLiteral("Feld."));
    EXPECT_EQ(zeile.satz(), QStringLiteral("Feld."));
    EXPECT_EQ(zeile.toolTip(), QStringLiteral("Feld.\n\nBild.\n\nPunkt, ganz."));
    zeile.löschen(Hinweisart::Eingabe);
    zeile.löschen(Hinweisart::Bild);
    EXPECT_EQ(zeile.satz(), QStringLiteral("Punkt."));
    zeile.löschen(Hinweisart::Punkt);
    EXPECT_EQ(zeile.satz(), QString());
    EXPECT_EQ(zeile.toolTip(), QString());
}

// The font applies to the preview without a word. A font that is not installed is drawn with
// what fontconfig finds nearest, or not at all; the notice line names both. Liberation Sans for
// Arial is the configuration's equal of it.
TEST_F(Meldungen, TheFontAppliesToThePreviewAStandInIsNamed) {
    const int vorher = neuzeichnungen();
    probe.setText(Feld::SchriftartListe, "Liberation Mono");
    EXPECT_EQ(probe.fenster->vorschau().fontName(), "Liberation Mono");
    EXPECT_EQ(neuzeichnungen(), vorher + 1);
    wählen(probe.finde<QComboBox>("SchriftartListe"), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(probe.fenster->vorschau().fontName(), "Liberation Serif");
    EXPECT_EQ(neuzeichnungen(), vorher + 2);
    EXPECT_EQ(probe.hinweis(), QString());
    probe.setText(Feld::SchriftartListe, "");
    EXPECT_EQ(neuzeichnungen(), vorher + 3);
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());

    const std::pair<const char*, QString> fälle[] = {
        {"Arial", QString()},
        {"Courier", QStringLiteral("„Courier“ ist nicht installiert: die Vorschau zeichnet "
                                   "„Liberation Mono“.")},
        {"Keine solche Schrift",
         QStringLiteral("Zu „Keine solche Schrift“ gibt es keine Schriftdatei: die Vorschau "
                        "zeichnet weiter mit „Arial“.")},
    };
    for (const auto& [schrift, satz] : fälle) {
        SCOPED_TRACE(schrift);
        probe.setText(Feld::SchriftartListe, "Arial");
        probe.setText(Feld::SchriftartListe, schrift);
        EXPECT_EQ(probe.hinweis(), satz);
    }
}

TEST(Hilfe, TheGuideLiesBesideTheProgramOrInThePackage) {
    QTemporaryDir wurzel;
    ASSERT_TRUE(wurzel.isValid());
    const QDir ordner(wurzel.path());
    ASSERT_TRUE(ordner.mkpath(QStringLiteral("bin")));
    EXPECT_EQ(AnleitungSuchen(ordner.filePath(QStringLiteral("bin"))), std::nullopt);
    ASSERT_TRUE(ordner.mkpath(QStringLiteral("share/tafomat")));
    const QString paket = ordner.filePath(QStringLiteral("share/tafomat/anleitung.md"));
    ASSERT_TRUE(dateiSchreiben(paket, "# Anleitung\n"));
    EXPECT_EQ(AnleitungSuchen(ordner.filePath(QStringLiteral("bin"))), paket);
    const QString daneben = ordner.filePath(QStringLiteral("bin/anleitung.md"));
    ASSERT_TRUE(dateiSchreiben(daneben, "# Anleitung\n"));
    EXPECT_EQ(AnleitungSuchen(ordner.filePath(QStringLiteral("bin"))), daneben);
}

// F1 shows the guide in a window of the program, with its pictures, its contents and links that
// lead to their sections, and says so where no guide is there; "?" says what the program is and
// where its guide lies.
TEST(Hilfe, F1ShowsTheGuideAndTheQuestionMarkSaysWhatTafomatIs) {
    const QString anleitung =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("anleitung.md"));
    const QString bild =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fenster.png"));
    ASSERT_FALSE(QFileInfo::exists(anleitung));
    QImage fensterbild(40, 30, QImage::Format_RGB32);
    fensterbild.fill(Qt::red);
    ASSERT_TRUE(fensterbild.save(bild));
    std::string text =
        "# Anleitung\n\nInhalt: [Größe und Zeit](#größe-und-zeit)\n\n"
        "![Das Fenster](fenster.png)\n\n## Erster Teil\n\n";
    for (int i = 0; i < 200; ++i) text += "Zeile " + std::to_string(i) + "\n\n";
    text += "## Größe und Zeit\n\nEnde.\n";
    ASSERT_TRUE(dateiSchreiben(anleitung, text));
    const auto wegräumen = qScopeGuard([&] {
        QFile::remove(anleitung);
        QFile::remove(bild);
    });
    Fensterprobe probe;
    MainWindow& fenster = probe.öffnen();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    QTest::keyClick(&fenster, Qt::Key_F1);
    auto* guide = fenster.findChild<Anleitungsfenster*>(QStringLiteral("Anleitung"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_EQ(guide->windowTitle(), QStringLiteral("Tafomat – Anleitung"));
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());
    QTextBrowser& browser = *guide->browser();
    const QVariant gezeigtesBild =
        browser.loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("fenster.png")));
    EXPECT_EQ(QImage::fromData(gezeigtesBild.toByteArray()).size(), QSize(40, 30));
    ASSERT_EQ(guide->inhalt()->count(), 2);
    EXPECT_EQ(guide->inhalt()->item(1)->text(), QStringLiteral("Größe und Zeit"));

    // The link in the text and the contents lead to the section.
    EXPECT_EQ(browser.verticalScrollBar()->value(), 0);
    browser.setSource(QUrl(QStringLiteral("#größe-und-zeit")));
    const int abschnitt = browser.verticalScrollBar()->value();
    EXPECT_GT(abschnitt, 0);
    browser.verticalScrollBar()->setValue(0);
    guide->abschnittZeigen(guide->inhalt()->item(1)->data(Qt::UserRole).toString());
    EXPECT_EQ(browser.verticalScrollBar()->value(), abschnitt);

    probe.finde<QPushButton>("Hilfe")->click();
    ASSERT_EQ(probe.dialoge.überTexte.size(), 1);
    for (const QString& teil : {QStringLiteral("MIT-Lizenz"), QStringLiteral("F1"),
                                QFileInfo(anleitung).canonicalFilePath()})
        EXPECT_TRUE(probe.dialoge.überTexte.front().contains(teil)) << teil.toStdString();

    ASSERT_TRUE(QFile::remove(anleitung));
    QTest::keyClick(&fenster, Qt::Key_F1);
    EXPECT_EQ(probe.dialoge.meldungen,
              QStringList{QStringLiteral("Die Anleitung (anleitung.md) liegt nicht bei diesem "
                                         "Programm. Sie steht auch im Quelltext von Tafomat "
                                         "unter docs/anleitung.md.")});
}

// Every link of the real guide to one of its sections finds the section's anchor.
TEST(Hilfe, EveryLinkOfTheGuideFindsItsSection) {
    Anleitungsfenster guide;
    ASSERT_TRUE(guide.laden(QStringLiteral(TAFOMAT_SOURCE_DIR "/docs/anleitung.md")));
    QStringList anker;
    QStringList verweise;
    const QTextDocument& dokument = *guide.browser()->document();
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        for (auto stück = block.begin(); !stück.atEnd(); ++stück) {
            const QTextCharFormat format = stück.fragment().charFormat();
            anker += format.anchorNames();
            if (format.anchorHref().startsWith(QLatin1Char('#')))
                verweise.append(format.anchorHref().mid(1));
        }
    }
    EXPECT_GE(verweise.size(), 9);
    for (const QString& verweis : verweise)
        EXPECT_TRUE(anker.contains(verweis)) << verweis.toStdString();
    // One contents entry a section: the lines of the file that begin one.
    QFile datei(QStringLiteral(TAFOMAT_SOURCE_DIR "/docs/anleitung.md"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const int abschnitte = static_cast<int>(QString::fromUtf8(datei.readAll())
                                                .split(QLatin1Char('\n'))
                                                .filter(QRegularExpression("^## "))
                                                .size());
    EXPECT_GE(abschnitte, 9);
    EXPECT_EQ(guide.inhalt()->count(), abschnitte);
}

}  // namespace
}  // namespace tafomat::test
