#include <QAccessible>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QUrl>

#include <gtest/gtest.h>

#include "ui/Fensterprobe.h"

namespace tafomat::test {
namespace {

class Fenster : public Fenstertest {};

// A scroll bar with the focus wears a frame; the keys move the scroll bars their way.
TEST_F(Fenster, KeysMoveTheScrollBarsTheirWayTheFocusWearsAFrame) {
    MainWindow& fenster = *probe.fenster;
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    for (const char* name : {"XPos", "YPos", "Abstand"}) {
        SCOPED_TRACE(name);
        auto* regler = probe.finde<QScrollBar>(name);
        const QColor markierung = regler->palette().color(QPalette::Highlight);
        const auto ecken = [&] {
            const QImage bild = regler->grab().toImage();
            return QList<QColor>{bild.pixelColor(0, 0), bild.pixelColor(bild.width() - 1, 0),
                                 bild.pixelColor(0, bild.height() - 1)};
        };
        probe.finde<QWidget>("DaTxt")->setFocus();
        EXPECT_FALSE(ecken().contains(markierung));
        regler->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(regler->hasFocus());
        EXPECT_EQ(ecken(), QList<QColor>(3, markierung));
    }

    const std::tuple<const char*, Qt::Key, int> fälle[] = {
        {"XPos", Qt::Key_Right, 1},   {"XPos", Qt::Key_Left, -1}, {"XPos", Qt::Key_PageDown, 8},
        {"XPos", Qt::Key_PageUp, -8}, {"XPos", Qt::Key_End, 64},  {"XPos", Qt::Key_Home, -64},
        {"YPos", Qt::Key_Down, 1},    {"YPos", Qt::Key_Up, -1},   {"YPos", Qt::Key_PageDown, 8},
        {"Abstand", Qt::Key_Down, 6}, {"Abstand", Qt::Key_Up, 4}, {"Abstand", Qt::Key_End, 64},
    };
    for (const auto& [name, taste, erwartet] : fälle) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(taste));
        probe.öffnen();
        auto* regler = probe.finde<QScrollBar>(name);
        QTest::keyClick(regler, taste);
        EXPECT_EQ(regler->value(), erwartet);
    }
}

TEST_F(Fenster, ButtonsShowTheirExactColourAndTheirPicturesPassTheClickOn) {
    const std::pair<const char*, const char*> fälle[] = {
        {"KnopfBild1", "EinstellungenSpeichern"}, {"KnopfBild8", "EinstellungenÖffnen"},
        {"KnopfBild2", "Hintergrundbild"},        {"KnopfBild3", "PhpQuelltext"},
        {"KnopfBild4", "PhpQuelltext"},
    };
    for (const auto& [bild, knopf] : fälle) {
        SCOPED_TRACE(bild);
        QWidget* symbol = probe.finde<QWidget>(bild);
        QSignalSpy klicks(probe.finde<QPushButton>(knopf), &QPushButton::clicked);
        QTest::mouseClick(symbol, Qt::LeftButton, {}, symbol->rect().center());
        EXPECT_EQ(klicks.count(), 1);
    }
    EXPECT_EQ(probe.dialoge.speichernVorgaben,
              QStringList({QStringLiteral("Tafomat.txt"), QStringLiteral("*.php"),
                           QStringLiteral("*.php")}));
    EXPECT_EQ(probe.dialoge.öffnenVorgaben,
              QStringList({QStringLiteral("Tafomat.txt"), QStringLiteral("*.jpg")}));

    // The face is the button's exact colour in every style, so that the icons' boxes match it.
    const std::pair<const char*, QColor> knöpfe[] = {
        {"Hintergrundbild", QColor(255, 255, 192)},
        {"EinstellungenÖffnen", QColor(255, 255, 192)},
        {"EinstellungenSpeichern", QColor(192, 255, 192)},
        {"PhpQuelltext", QColor(192, 192, 255)},
    };
    for (const QString& stilname : QStyleFactory::keys()) {
        const std::unique_ptr<QStyle> stil(QStyleFactory::create(stilname));
        for (const auto& [name, farbe] : knöpfe) {
            SCOPED_TRACE(stilname.toStdString() + " " + name);
            auto* knopf = probe.finde<QPushButton>(name);
            knopf->setStyle(stil.get());
            const QImage bild = knopf->grab().toImage();
            const int mitte = bild.height() / 2;
            for (const QPoint ort :
                 {QPoint(4, mitte), QPoint(bild.width() - 5, mitte), QPoint(bild.width() / 2, 3)}) {
                EXPECT_EQ(bild.pixelColor(ort), farbe) << ort.x() << "," << ort.y();
            }
            knopf->setStyle(nullptr);
        }
    }
}

TEST_F(Fenster, TheFontListShowsLongNamesWhole) {
    const QString lang = QStringLiteral("C059 [UKWN] Extra Condensed Bold Italic");
    probe.schriftarten.namen.append(lang);
    probe.öffnen();
    auto* liste = probe.finde<QComboBox>("SchriftartListe");
    liste->showPopup();
    const QAbstractItemView* ansicht = liste->view();
    const QRect zeile = ansicht->visualRect(ansicht->model()->index(liste->findText(lang), 0));
    EXPECT_GE(zeile.width(), ansicht->fontMetrics().horizontalAdvance(lang));
    EXPECT_GE(ansicht->viewport()->width(), zeile.right());
    EXPECT_EQ(ansicht->textElideMode(), Qt::ElideNone);
    liste->hidePopup();

    // Loaded or picked, the box shows the name from its start.
    probe.setText(Feld::SchriftartListe, toCp1252(lang));
    EXPECT_EQ(liste->lineEdit()->cursorPosition(), 0);
    probe.setText(Feld::SchriftartListe, "Arial");
    wählen(liste, lang);
    EXPECT_EQ(liste->currentText(), lang);
    EXPECT_EQ(liste->lineEdit()->cursorPosition(), 0);
}

// Drags the files onto the widget and lets them go; true when the window took them.
bool ablegen(QWidget* ziel, const QStringList& pfade) {
    QMimeData daten;
    QList<QUrl> adressen;
    for (const QString& pfad : pfade) adressen.append(QUrl::fromLocalFile(pfad));
    daten.setUrls(adressen);
    const QPoint ort = ziel->rect().center();
    QDragEnterEvent hinein(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &hinein);
    if (!hinein.isAccepted()) return false;
    QDropEvent los(ort, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &los);
    return los.isAccepted();
}

struct Schliessen : public Fenstertest {
    void nichts() {}
    void ändern() { QTest::keyClicks(probe.finde<QLineEdit>("KiTxt"), QStringLiteral("1")); }
    void zurücktippen() {
        ändern();
        QTest::keyClick(probe.finde<QLineEdit>("KiTxt"), Qt::Key_Backspace);
    }
    void speichern() {
        ändern();
        probe.dialoge.speichernAntworten.append(pfad("vorher"));
        klicken("EinstellungenSpeichern");
    }
    void laden() {
        ändern();
        ASSERT_TRUE(probe.fenster->EinstellungenSchreiben(pfad("datei")));
        probe.setText(Feld::DaTxt, "01.01.2020");
        probe.dialoge.frageAntworten = {Antwort::Verwerfen};
        probe.dialoge.öffnenAntworten.append(pfad("datei.txt"));
        klicken("EinstellungenÖffnen");
    }
};

TEST_F(Schliessen, AsksOnlyAfterAChangeAndClosesOnlyWhenNothingIsLost) {
    struct Fall {
        const char* name;
        void (Schliessen::*vorher)();
        std::vector<Antwort> antworten;
        const char* speicherziel;  // the save dialog's answer; none: cancelled
        bool gefragt;
        bool geschlossen;
    };
    const Fall fälle[] = {
        {"unverändert", &Schliessen::nichts, {}, nullptr, false, true},
        {"zurückgetippt", &Schliessen::zurücktippen, {}, nullptr, false, true},
        {"verwerfen", &Schliessen::ändern, {Antwort::Verwerfen}, nullptr, true, true},
        {"abbrechen", &Schliessen::ändern, {Antwort::Abbrechen}, nullptr, true, false},
        {"Speichern abgebrochen", &Schliessen::ändern, {Antwort::Speichern}, nullptr, true, false},
        {"speichern", &Schliessen::ändern, {Antwort::Speichern}, "frage", true, true},
        {"gespeichert", &Schliessen::speichern, {}, nullptr, false, true},
        {"geladen", &Schliessen::laden, {}, nullptr, false, true},
    };
    for (const auto& [name, vorher, antworten, speicherziel, gefragt, geschlossen] : fälle) {
        SCOPED_TRACE(name);
        probe.dialoge = GeskripteteDialoge();
        probe.öffnen();
        (this->*vorher)();
        probe.dialoge.fragen.clear();
        probe.dialoge.frageAntworten = antworten;
        if (speicherziel) probe.dialoge.speichernAntworten.append(pfad(speicherziel));
        const std::string gestaltung =
            EinstellungenText(probe.fenster->felder(), probe.fenster->vorschau());

        EXPECT_EQ(probe.fenster->close(), geschlossen);
        EXPECT_EQ(probe.dialoge.fragen,
                  gefragt ? QStringList{QStringLiteral("Änderungen an der Gestaltung speichern?")}
                          : QStringList{});
        EXPECT_EQ(dateiLesen(pfad("frage.txt")), speicherziel ? gestaltung : std::string());
        QFile::remove(pfad("frage.txt"));
    }
}

// Opening another design over unsaved changes asks first, by the button, by Ctrl+O and by a
// dropped file; "Abbrechen" and a cancelled save keep the window as it was.
TEST_F(Schliessen, OpeningADesignAsksFirst) {
    // The answer, the save dialog's answer (none: cancelled), whether the design loads.
    const std::tuple<Antwort, const char*, bool> fälle[] = {{Antwort::Abbrechen, nullptr, false},
                                                            {Antwort::Verwerfen, nullptr, true},
                                                            {Antwort::Speichern, nullptr, false},
                                                            {Antwort::Speichern, "vorher", true}};
    enum class Weg { Knopf, Taste, Ablegen };
    for (const Weg weg : {Weg::Knopf, Weg::Taste, Weg::Ablegen}) {
        for (const auto& [antwort, speicherziel, geladen] : fälle) {
            SCOPED_TRACE(std::to_string(static_cast<int>(antwort)) + " " +
                         std::to_string(speicherziel != nullptr) + " " +
                         std::to_string(static_cast<int>(weg)));
            probe.dialoge = GeskripteteDialoge();
            MainWindow& fenster = probe.öffnen();
            ASSERT_TRUE(fenster.EinstellungenSchreiben(pfad("datei")));
            ändern();
            probe.dialoge.frageAntworten = {antwort};
            if (speicherziel) probe.dialoge.speichernAntworten.append(pfad(speicherziel));
            probe.dialoge.öffnenAntworten.append(pfad("datei.txt"));
            if (weg == Weg::Knopf) {
                klicken("EinstellungenÖffnen");
            } else if (weg == Weg::Taste) {
                fenster.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
                QTest::keyClick(probe.finde<QWidget>("KiTxt"), Qt::Key_O, Qt::ControlModifier);
            } else {
                EXPECT_TRUE(ablegen(&fenster, {pfad("datei.txt")}));
            }
            EXPECT_EQ(probe.dialoge.fragen,
                      QStringList{QStringLiteral("Änderungen an der Gestaltung speichern?")});
            EXPECT_EQ(probe.text(Feld::KiTxt), geladen ? "22" : "221");
            EXPECT_EQ(fenster.gestaltungGeändert(), !geladen);
            EXPECT_EQ(QFile::exists(pfad("vorher.txt")), speicherziel != nullptr);
            QFile::remove(pfad("vorher.txt"));
        }
    }
}

// Ctrl+S saves by the save dialog as the button does, every time; Ctrl+Q closes with the
// question. The results are the program's: typing into them does nothing.
TEST_F(Schliessen, KeysSaveAndCloseResultsAreReadOnly) {
    MainWindow& fenster = *probe.fenster;
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    for (const char* ergebnis : {"TaTxt", "GZTxt", "GETxt", "GSTxt"}) {
        auto* feld = probe.finde<QLineEdit>(ergebnis);
        const QString vorher = feld->text();
        QTest::keyClicks(feld, QStringLiteral("12"));
        EXPECT_EQ(feld->text(), vorher) << ergebnis;
    }
    ändern();
    probe.dialoge.speichernAntworten = {pfad("eins"), pfad("zwei")};
    QTest::keyClick(probe.finde<QWidget>("KiTxt"), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(probe.finde<QWidget>("Txt"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(probe.dialoge.speichernVorgaben.size(), 2);
    EXPECT_TRUE(QFile::exists(pfad("zwei.txt")));
    ändern();
    probe.dialoge.frageAntworten = {Antwort::Abbrechen, Antwort::Verwerfen};
    QTest::keyClick(probe.finde<QWidget>("KiTxt"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(fenster.isVisible());
    QTest::keyClick(probe.finde<QWidget>("KiTxt"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(probe.dialoge.fragen.size(), 2);
}

TEST_F(Fenster, ADroppedJpegBecomesTheBackgroundADesignFileIsLoaded) {
    const QString bild = jpegMachen(QStringLiteral("Urlaub.JPEG"), QSize(300, 40));
    const QString design = pfad(QStringLiteral("Design.txt"));
    probe.setText(Feld::DaTxt, "24.12.2020");
    ASSERT_TRUE(probe.fenster->EinstellungenSchreiben(design));
    probe.setText(Feld::DaTxt, "01.01.2021");
    auto* txt = probe.finde<QPlainTextEdit>("Txt");

    // Over the template the file is not text for it.
    EXPECT_TRUE(ablegen(txt->viewport(), {bild}));
    EXPECT_EQ(probe.text(Feld::HintergrundName), "Urlaub.JPEG");
    EXPECT_EQ(probe.finde<QWidget>("Pic")->size(), QSize(300, 40));
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());

    probe.dialoge.frageAntworten = {Antwort::Verwerfen};
    EXPECT_TRUE(ablegen(probe.finde<QWidget>("Frame1"), {design}));
    EXPECT_EQ(probe.dialoge.fragen.size(), 1);
    EXPECT_EQ(probe.text(Feld::DaTxt), "24.12.2020");
    EXPECT_EQ(probe.text(Feld::HintergrundName), "leer.jpg");
    EXPECT_FALSE(probe.fenster->gestaltungGeändert());

    probe.setText(Feld::DaTxt, "01.01.2021");
    for (const QStringList& abgewiesen : {QStringList{pfad("notiz.pdf")}, QStringList{design, bild},
                                          QStringList{pfad("Design.TXT")}}) {
        SCOPED_TRACE(abgewiesen.join(QLatin1Char(' ')).toStdString());
        EXPECT_FALSE(ablegen(probe.finde<QLineEdit>("KiTxt"), abgewiesen));
        EXPECT_FALSE(ablegen(probe.fenster.get(), abgewiesen));
        EXPECT_EQ(probe.text(Feld::KiTxt), "22");
    }
    EXPECT_EQ(probe.text(Feld::DaTxt), "01.01.2021");
    EXPECT_TRUE(probe.dialoge.meldungen.isEmpty());
}

const QString Titel = QStringLiteral("Tafomat fügt mit Php einen Texte und Daten in ein JPEG-Bild");

QStringList zahlen(int von, int bis, int schritt) {
    QStringList liste;
    for (int i = von; i != bis + schritt; i += schritt) liste.append(QString::number(i));
    return liste;
}

TEST_F(Fenster, StartFillsTheFieldsDrawsOnceAndNamesEveryFieldOrTheFontListsError) {
    MainWindow& fenster = *probe.fenster;

    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.windowTitle(), Titel);
    EXPECT_EQ(fenster.size(), QSize(757, 398));
    EXPECT_EQ(fenster.focusWidget(), probe.finde<QWidget>("DaTxt"));
    EXPECT_EQ(probe.neuzeichnungen, 1);

    EXPECT_EQ(probe.text(Feld::TaTxt), "5875");
    EXPECT_EQ(probe.text(Feld::GZTxt), "129250");
    EXPECT_EQ(probe.text(Feld::GETxt), "23440,00");
    EXPECT_EQ(probe.text(Feld::GSTxt), "17625,00");
    EXPECT_EQ(probe.text(Feld::HintergrundPfad), "leer.jpg");
    EXPECT_EQ(probe.text(Feld::HintergrundName), "leer.jpg");
    EXPECT_EQ(probe.text(Feld::Txt), Startvorlage());
    EXPECT_EQ(probe.text(Feld::QuTxt), "");

    const auto* qualität = probe.finde<QComboBox>("BildQuallität");
    EXPECT_EQ(qualität->currentText(), QStringLiteral("75"));
    EXPECT_EQ(einträge(qualität), zahlen(100, 0, -1));
    EXPECT_EQ(einträge(probe.finde<QComboBox>("BildArt")),
              QStringList({QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("gif")}));
    const auto* schriftart = probe.finde<QComboBox>("SchriftartListe");
    EXPECT_EQ(schriftart->currentText(), QStringLiteral("Arial"));
    EXPECT_EQ(einträge(schriftart), probe.schriftarten.namen);
    const auto* größe = probe.finde<QComboBox>("SchriftGröße");
    EXPECT_EQ(größe->currentText(), QStringLiteral("8"));
    EXPECT_EQ(einträge(größe), zahlen(1, 32, 1));
    EXPECT_EQ(fenster.vorschau().fontName(), "Arial");

    // A screen reader announces every input field by a name of its own (its label where it has
    // one), never by its frame's caption; pictures and captions without their padding blanks.
    // An editable list is read by the line that takes the typing; on Linux the list's own name
    // is its text.
    const auto name = [&](const char* widget) {
        QWidget* feld = probe.finde<QWidget>(widget);
        if (auto* liste = qobject_cast<QComboBox*>(feld)) feld = liste->lineEdit();
        QAccessibleInterface* schnittstelle = QAccessible::queryAccessibleInterface(feld);
        return schnittstelle ? schnittstelle->text(QAccessible::Name) : QString();
    };
    // clang-format off
    const std::pair<const char*, const char*> beschriftet[] = {
        {"DaTxt", "#1 Datum des Beginns"}, {"TaTxt", "#2 Tage bis Heute"}, {"AlTxt", "#3 Alte Kosten pro Tag"},
        {"KiTxt", "#4 Zigarettenverbrauch pro Tag"}, {"GZTxt", "#Z Gesammte Zigaretten"},
        {"AnTxt", "#5 Einmalige Anschaffungskosten"}, {"NeTxt", "#6 Neue Kosten pro Tag"},
        {"GETxt", "#7 Gesammte Einsparung"}, {"StTxt", "#8 Freier Betrag pro Tag"},
        {"GSTxt", "#9 Ergebnis von #2 mal #8"}};
    // clang-format on
    const char* const eigene[] = {
        "Txt",  "QuTxt", "SchriftartListe", "SchriftGröße", "BildArt", "BildQuallität", "Abstand",
        "XPos", "YPos",  "PicFa",           "Pic"};
    QSet<QString> namen;
    for (const auto& [widget, erwartet] : beschriftet) {
        EXPECT_EQ(name(widget), QString::fromUtf8(erwartet));
        namen.insert(name(widget));
    }
    for (const char* widget : eigene) {
        const QString gelesen = name(widget);
        EXPECT_FALSE(gelesen.isEmpty()) << widget;
        EXPECT_EQ(gelesen, gelesen.simplified()) << widget;
        namen.insert(gelesen);
    }
    EXPECT_EQ(namen.size(), static_cast<qsizetype>(std::size(beschriftet) + std::size(eigene)));
    for (const char* bild : {"PicFa", "Pic"}) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(probe.finde<QWidget>(bild))
                         ->text(QAccessible::Description)
                         .isEmpty());
    }
    EXPECT_EQ(name("PhpQuelltext"), QStringLiteral("Php-Quelltext erstellen und speichern"));
    EXPECT_EQ(name("Frame1"), QStringLiteral("Eingabe-Werte und Ausgabe-Werte"));
    // The keyboard stops at what the user types into or clicks, never at a picture or a frame.
    for (const char* bild : {"PicBereich", "Pic", "PicFa", "Frame1", "Frame2", "Frame3", "Frame4",
                             "Label7", "KnopfBild3"}) {
        EXPECT_FALSE(probe.finde<QWidget>(bild)->focusPolicy() & Qt::TabFocus) << bild;
    }
    EXPECT_TRUE(probe.finde<QWidget>("Txt")->focusPolicy() & Qt::TabFocus);

    // A font list that fails writes the error into the title.
    for (const auto& [fall, anzahlFehlt, fehltBei, schriftarten] :
         {std::tuple{"Anzahl", true, -1, 0}, std::tuple{"zweiter Name", false, 1, 1}}) {
        SCOPED_TRACE(fall);
        probe.schriftarten.anzahlFehlt = anzahlFehlt;
        probe.schriftarten.fehltBei = fehltBei;
        probe.öffnen();
        EXPECT_EQ(probe.fenster->windowTitle(),
                  QStringLiteral("!!! Schriftarten-Fehler !!! Programm wird fortgesetzt."));
        const auto* liste = probe.finde<QComboBox>("SchriftartListe");
        const auto* größen = probe.finde<QComboBox>("SchriftGröße");
        EXPECT_EQ(liste->count(), schriftarten);
        EXPECT_EQ(liste->currentText(), QStringLiteral("Arial"));
        EXPECT_EQ(größen->count(), 0);
        EXPECT_EQ(größen->currentText(), QStringLiteral("8"));
        EXPECT_EQ(probe.neuzeichnungen, 1);
        EXPECT_EQ(probe.text(Feld::TaTxt), "5875");
    }
}

}  // namespace
}  // namespace tafomat::test
