#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>

#include "model/Datensaetze.h"
#include "platform/Dateien.h"
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
    for (const Datensatz& satz : Datensätze) {
        if (!satz.feld || satz.art == Datensatzart::Schriftart) continue;
        const std::string text = m_felder.text(*satz.feld);
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
        // As with the button, what could not be read is not announced.
        [[maybe_unused]] const EinstellungenGelesen gelesen = EinstellungenÖffnen(pfad);
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
    const QSize fenster = Grundfläche.expandedTo(m_s.PicBereich->size() + umVorschau);
    setFixedSize(fenster.expandedTo(QSize(0, darunter ? 0 : serverspalteHöhe())));
    serverteilAnordnen(darunter);
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

// Right of the preview: the switch with the help button at the end of its line, the bundle's
// button, the banner's size and the notice line in the room below. Below a wide preview all five
// stand in a row.
void MainWindow::serverteilAnordnen(bool unterDerVorschau) {
    const QRect vorschau = m_s.PicBereich->geometry();
    QCheckBox& schalter = *m_s.Serveransicht;
    QPushButton& paket = *m_s.ServerPaket;
    QPushButton& hilfe = *m_s.Hilfe;
    QLabel& größe = *m_s.Bildgröße;
    schalter.resize(schalter.sizeHint().width(), schalter.height());
    const int textzeile = größe.fontMetrics().height() + 4;
    if (unterDerVorschau) {
        const int y = vorschau.bottom() + Serverabstand / 2;
        schalter.move(vorschau.left(), y + (paket.height() - schalter.height()) / 2);
        paket.move(schalter.geometry().right() + Serverabstand, y);
        größe.setGeometry(paket.geometry().right() + Serverabstand,
                          y + (paket.height() - textzeile) / 2, paket.width(), textzeile);
        hilfe.move(width() - Vorschaurand.width() - hilfe.width(),
                   y + (paket.height() - hilfe.height()) / 2);
        const int links = größe.geometry().right() + Serverabstand;
        m_s.Hinweis->setGeometry(links, y, hilfe.x() - Serverabstand / 2 - links, paket.height());
        return;
    }
    schalter.move(Serverspalte, vorschau.top());
    hilfe.move(Serverspalte + paket.width() - hilfe.width(), vorschau.top());
    paket.move(Serverspalte, schalter.geometry().bottom() + 4);
    größe.setGeometry(Serverspalte, paket.geometry().bottom() + 4, paket.width(), textzeile);
    const int oben = größe.geometry().bottom() + 2;
    const int unten = std::max(height() - 2, vorschau.bottom());
    m_s.Hinweis->setGeometry(Serverspalte, oben, paket.width(), unten - oben);
}

// Right of the preview the server's controls need this much height, the notice line two lines
// of text.
int MainWindow::serverspalteHöhe() const {
    const int textzeile = m_s.Bildgröße->fontMetrics().height() + 4;
    return m_s.PicBereich->y() + m_s.Serveransicht->height() + 4 + m_s.ServerPaket->height() + 4 +
           textzeile + 2 + 2 * textzeile + 2;
}

}  // namespace tafomat
