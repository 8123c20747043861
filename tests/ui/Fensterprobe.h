#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "model/Abgeleitet.h"
#include "platform/Dialoge.h"
#include "platform/QtText.h"
#include "platform/Schriftartenliste.h"
#include "ui/Hinweiszeile.h"
#include "ui/MainWindow.h"
#include "ui/Vorlagenauswahl.h"

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Selections are expected as a whole.
namespace tafomat {
inline bool operator==(const Vorlagenauswahl& a, const Vorlagenauswahl& b) {
    return a.start == b.start && a.länge == b.länge;
}
inline void PrintTo(const Vorlagenauswahl& auswahl, std::ostream* os) {
    *os << "{" << auswahl.start << ", " << auswahl.länge << "}";
}
}  // namespace tafomat

namespace tafomat::test {

// Dialogs that answer from a script of paths and answers and record what they were asked; an
// empty path, or none left, answers like a cancelled dialog, no answer left like "Abbrechen".
class GeskripteteDialoge : public Dialoge {
  public:
    QStringList öffnenAntworten, speichernAntworten, ordnerAntworten;
    std::vector<Antwort> frageAntworten;
    QStringList öffnenVorgaben, speichernVorgaben, meldungen, fragen, überTexte;

    std::optional<DateiWahl> DateiDialogÖffnen(const QString& vorgabe) override {
        öffnenVorgaben.append(vorgabe);
        const std::optional<QString> pfad = nächste(öffnenAntworten);
        if (!pfad) return std::nullopt;
        return DateiWahl{*pfad, QFileInfo(*pfad).fileName()};
    }
    std::optional<QString> DateiDialogSpeichern(const QString& vorgabe) override {
        speichernVorgaben.append(vorgabe);
        return nächste(speichernAntworten);
    }
    std::optional<QString> OrdnerDialog(const QString&) override {
        return nächste(ordnerAntworten);
    }
    void Meldung(const QString& text) override { meldungen.append(text); }
    Antwort Frage(const QString& text) override {
        fragen.append(text);
        if (frageAntworten.empty()) return Antwort::Abbrechen;
        const Antwort antwort = frageAntworten.front();
        frageAntworten.erase(frageAntworten.begin());
        return antwort;
    }
    void Über(const QString& text) override { überTexte.append(text); }
    // Records the photo's size and whether it could stay; answers from the script, or as where
    // nobody can be asked.
    std::optional<Zuschnittwahl> BildZuschneiden(const QImage& foto,
                                                 bool unverändertErlaubt) override {
        zuschnittAngebote.append({foto.size(), unverändertErlaubt});
        if (zuschnittAntworten.empty()) return Dialoge::BildZuschneiden(foto, unverändertErlaubt);
        const std::optional<Zuschnittwahl> antwort = zuschnittAntworten.front();
        zuschnittAntworten.erase(zuschnittAntworten.begin());
        return antwort;
    }
    QList<std::pair<QSize, bool>> zuschnittAngebote;
    std::vector<std::optional<Zuschnittwahl>> zuschnittAntworten;

  private:
    static std::optional<QString> nächste(QStringList& antworten) {
        const QString pfad = antworten.isEmpty() ? QString() : antworten.takeFirst();
        if (pfad.isEmpty()) return std::nullopt;
        return pfad;
    }
};

// A font list with fixed names that can fail at the count or at one index.
class FesteSchriftarten : public Schriftartenliste {
  public:
    QStringList namen{QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("Liberation Serif")};
    bool anzahlFehlt = false;
    int fehltBei = -1;
    // Start-up asks for the count before it draws the preview.
    std::function<void()> beimZählen;

    std::optional<int> anzahl() const override {
        if (beimZählen) beimZählen();
        if (anzahlFehlt) return std::nullopt;
        return static_cast<int>(namen.size());
    }
    std::optional<QString> name(int index) const override {
        if (index == fehltBei || index < 0 || index >= namen.size()) return std::nullopt;
        return namen.at(index);
    }
};

struct Fensterprobe {
    GeskripteteDialoge dialoge;
    FesteSchriftarten schriftarten;
    FesteUhr uhr{tageszahl({2010, 11, 4}) + 5875};  // 5875 days after the default start date
    std::unique_ptr<MainWindow> fenster;
    // The redraws of the window opened last, counted from its start.
    int neuzeichnungen = 0;

    MainWindow& öffnen() {
        // The first redraw runs inside the window's constructor: the font list, which start-up
        // reads before it, connects the count to the window being built.
        schriftarten.beimZählen = [this] {
            for (QWidget* oberes : QApplication::topLevelWidgets()) {
                auto* neues = dynamic_cast<MainWindow*>(oberes);
                if (!neues || neues == fenster.get()) continue;
                neuzeichnungen = 0;
                QObject::connect(&neues->neuzeichnung(), &Neuzeichnung::gezeichnet,
                                 [this] { ++neuzeichnungen; });
            }
            schriftarten.beimZählen = nullptr;
        };
        fenster = std::make_unique<MainWindow>(dialoge, schriftarten, uhr);
        return *fenster;
    }

    template <class Widget>
    Widget* finde(const char* name) const {
        return fenster->findChild<Widget*>(QString::fromUtf8(name));
    }

    // What Pic shows on the screen, and the notice line's sentence.
    QImage gezeigt() const {
        return finde<QWidget>("Pic")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QString hinweis() const { return finde<Hinweiszeile>("Hinweis")->satz(); }

    std::string text(Feld feld) const { return fenster->felder().text(feld); }
    void setText(Feld feld, const std::string& text) { fenster->felder().setText(feld, text); }
};

// A window opened afresh for each test, with a folder of its own for the files it writes.
class Fenstertest : public ::testing::Test {
  public:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        probe.öffnen();
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    void klicken(const char* knopf) { probe.finde<QAbstractButton>(knopf)->click(); }
    int neuzeichnungen() const { return probe.neuzeichnungen; }
    // A JPEG picture of one colour in the folder; its path.
    QString jpegMachen(const QString& name, QSize größe) const {
        QImage bild(größe, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
        EXPECT_TRUE(bild.save(pfad(name), "JPEG"));
        return pfad(name);
    }

    QTemporaryDir ordner;
    Fensterprobe probe;
};

// The bytes of a file, empty when it cannot be read.
inline std::string dateiLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return {};
    return datei.readAll().toStdString();
}

inline bool dateiSchreiben(const QString& pfad, const std::string& bytes) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) &&
           datei.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

// A JPEG of a few bytes whose frame header declares 8190 x 8190 pixels.
inline const std::string RiesigesJpeg(
    "\xFF\xD8\xFF\xC2\x00\x11\x08\x1F\xFE\x1F\xFE\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 21);

// The photo as JPEG whose Exif entry asks to turn it by a quarter (orientation 6); by default
// one of 40 x 20 pixels.
inline std::string gedrehtesJpeg(QImage bild = {}) {
    if (bild.isNull()) {
        bild = QImage(40, 20, QImage::Format_RGB32);
        bild.fill(Qt::darkCyan);
    }
    QByteArray jpeg;
    QBuffer puffer(&jpeg);
    EXPECT_TRUE(puffer.open(QIODevice::WriteOnly) && bild.save(&puffer, "JPEG"));
    const char exif[] =
        "\xFF\xE1\0\x1E"
        "Exif\0\0"
        "MM\0\x2A\0\0\0\x08"
        "\0\x01"
        "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0";
    jpeg.insert(2, exif, sizeof exif - 1);
    return jpeg.toStdString();
}

inline void mausDrücken(QWidget* ziel, Qt::MouseButton taste, QPointF ort) {
    QMouseEvent ereignis(QEvent::MouseButtonPress, ort, ziel->mapToGlobal(ort), taste, taste,
                         Qt::NoModifier);
    QApplication::sendEvent(ziel, &ereignis);
}

// A movement as the picture box receives it while the buttons are held, also outside it.
inline void mausBewegen(QWidget* ziel, Qt::MouseButtons tasten, QPointF ort) {
    QMouseEvent ereignis(QEvent::MouseMove, ort, ziel->mapToGlobal(ort), Qt::NoButton, tasten,
                         Qt::NoModifier);
    QApplication::sendEvent(ziel, &ereignis);
}

// Types the characters one key at a time, any character, as a keyboard layout delivers them.
inline void tippen(QWidget* ziel, const QString& text) {
    for (const QChar zeichen : text) {
        QKeyEvent drücken(QEvent::KeyPress, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &drücken);
        QKeyEvent loslassen(QEvent::KeyRelease, 0, Qt::NoModifier, QString(zeichen));
        QApplication::sendEvent(ziel, &loslassen);
    }
}

inline QStringList einträge(const QComboBox* box) {
    QStringList liste;
    for (int i = 0; i < box->count(); ++i) liste.append(box->itemText(i));
    return liste;
}

// Picks an entry as the user does: opens the list, goes to the entry and presses Return.
inline void wählen(QComboBox* box, const QString& eintrag) {
    box->showPopup();
    QAbstractItemView* liste = box->view();
    liste->setCurrentIndex(liste->model()->index(box->findText(eintrag, Qt::MatchExactly), 0));
    QTest::keyClick(liste, Qt::Key_Return);
}

}  // namespace tafomat::test
