#include <QCloseEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>

#include "ui/Bildgroesse.h"
#include "ui/Dateiarten.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

// The window's size with the built-in picture; it never gets smaller.
constexpr QSize Grundfläche(757, 380);
// Right of and below the preview, as the window leaves it around the built-in picture.
constexpr QSize Vorschaurand(8, 18);
// The server's controls stand right of the preview: under the script's frame, or right of a
// wider preview.
constexpr int Serverspalte = 504;
constexpr int Serverabstand = 12;

// The one local file that a drag carries, or an empty path.
QString abgelegterPfad(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().size() != 1) return {};
    return daten->urls().constFirst().toLocalFile();
}

bool lässtSichÖffnen(const QString& pfad) {
    return istJpegName(pfad) || istEinstellungenName(pfad);
}

}  // namespace

// The design as the settings file keeps it, with the size as the size box gives it: the
// preview's own size depends on the last redraw or script.
std::string MainWindow::Gestaltung() const {
    std::string stand = m_vorschau.fontName();
    for (const Feld feld : {Feld::HintergrundPfad, Feld::HintergrundName, Feld::SchriftGröße,
                            Feld::XPos, Feld::YPos, Feld::Abstand, Feld::DaTxt, Feld::AlTxt,
                            Feld::KiTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt, Feld::Txt}) {
        const std::string text = m_felder.text(feld);
        stand += '\n' + std::to_string(text.size()) + ':' + text;
    }
    return stand;
}

void MainWindow::gestaltungMerken() {
    m_gespeicherteGestaltung = Gestaltung();
}

bool MainWindow::gestaltungGeändert() const {
    return Gestaltung() != m_gespeicherteGestaltung;
}

// Nothing is saved without asking; the window stays open unless the design was saved or
// the user let it go.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!gestaltungGeändert()) {
        event->accept();
        return;
    }
    switch (m_dialoge.Frage(QStringLiteral("Änderungen an der Gestaltung speichern?"))) {
        case Antwort::Speichern:
            event->setAccepted(EinstellungenSpeichernMitDialog());
            return;
        case Antwort::Verwerfen:
            event->accept();
            return;
        case Antwort::Abbrechen:
            event->ignore();
            return;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    ablegenAnnehmen(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    ablegenAnnehmen(event);
}

void MainWindow::ablegenAnnehmen(QDropEvent* event) {
    if (lässtSichÖffnen(abgelegterPfad(event->mimeData()))) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString pfad = abgelegterPfad(event->mimeData());
    if (!lässtSichÖffnen(pfad)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dateiÖffnen(pfad);
}

// A JPEG picture does what "Hintergrundbild öffnen" does with it, a settings file what
// "Einstellungen öffnen" does.
void MainWindow::dateiÖffnen(const QString& pfad) {
    if (istJpegName(pfad)) {
        HintergrundbildÜbernehmen({pfad, QFileInfo(pfad).fileName()});
    } else {
        EinstellungenÖffnen(pfad);
    }
}

// Files dragged over a text field would otherwise become text in it.
bool MainWindow::eventFilter(QObject* objekt, QEvent* event) {
    const QEvent::Type art = event->type();
    if (art != QEvent::DragEnter && art != QEvent::DragMove && art != QEvent::Drop)
        return QWidget::eventFilter(objekt, event);
    auto* ablage = static_cast<QDropEvent*>(event);
    if (!ablage->mimeData() || !ablage->mimeData()->hasUrls()) return false;
    if (art == QEvent::Drop) {
        dropEvent(ablage);
    } else {
        ablegenAnnehmen(ablage);
    }
    return true;
}

// The preview shows the whole picture: the window grows with it up to the screen, and
// beyond that the preview scrolls. The controls keep their places.
void MainWindow::fenstergrößeAnpassen() {
    QSize bildschirm(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (const QScreen* anzeige = screen()) {
        const QSize fensterrahmen = frameGeometry().size() - geometry().size();
        bildschirm = anzeige->availableGeometry().size() - fensterrahmen;
    }
    const QPoint ort = m_s.PicBereich->pos();
    // The server's controls stand right of the preview while it leaves them their place under
    // the script's frame; a wider preview has them in a row below it.
    const bool darunter = ort.x() + m_s.Pic->width() + Serverabstand > Serverspalte;
    const int zeile = m_s.ServerPaket->height() + Serverabstand / 2;
    const QSize umVorschau = QSize(ort.x(), ort.y() + (darunter ? zeile : 0)) + Vorschaurand;
    m_s.PicBereich->anpassen((bildschirm - umVorschau).expandedTo(QSize(64, 64)));
    const QRect vorschau = m_s.PicBereich->geometry();
    if (darunter) {
        const int y = vorschau.bottom() + Serverabstand / 2;
        m_s.Serveransicht->move(ort.x(),
                                y + (m_s.ServerPaket->height() - m_s.Serveransicht->height()) / 2);
        m_s.ServerPaket->move(ort.x() + m_s.Serveransicht->sizeHint().width() + Serverabstand, y);
    } else {
        m_s.Serveransicht->move(Serverspalte, ort.y());
        m_s.ServerPaket->move(Serverspalte, m_s.Serveransicht->geometry().bottom() + 4);
    }
    BildgrößeAusrichten(m_s);
    setFixedSize(Grundfläche.expandedTo(m_s.PicBereich->size() + umVorschau));
    if (!isVisible() || !screen()) return;
    // A grown window that reaches beyond the screen moves back onto it.
    const QRect platz = screen()->availableGeometry();
    QRect rahmen = frameGeometry();
    rahmen.moveRight(std::min(rahmen.right(), platz.right()));
    rahmen.moveBottom(std::min(rahmen.bottom(), platz.bottom()));
    rahmen.moveLeft(std::max(rahmen.left(), platz.left()));
    rahmen.moveTop(std::max(rahmen.top(), platz.top()));
    if (rahmen.topLeft() != frameGeometry().topLeft()) move(rahmen.topLeft());
}

}  // namespace tafomat
