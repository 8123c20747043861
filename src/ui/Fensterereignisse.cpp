// MainWindow's window events (closing, opening a dropped file, the size that follows the
// preview), apart from the event procedures of its controls.
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>

#include <algorithm>

#include "design/Gestaltung.h"
#include "ui/Dateiarten.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

// The window's size with the built-in picture; it never gets smaller.
constexpr QSize Grundfläche(757, 380);

}  // namespace

void MainWindow::gestaltungMerken() {
    m_gespeicherteGestaltung = Gestaltungsstand(m_felder, m_vorschau);
}

bool MainWindow::gestaltungGeändert() const {
    return Gestaltungsstand(m_felder, m_vorschau) != m_gespeicherteGestaltung;
}

// Nothing is saved without asking; the window stays open unless the design was saved or
// the user let it go.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(ÄnderungenKlären());
}

// A picture does what "Hintergrundbild öffnen" does with it, a settings file what
// "Einstellungen öffnen" does.
void MainWindow::dateiÖffnen(const QString& pfad) {
    if (istBildName(pfad)) {
        HintergrundbildÜbernehmen({pfad, QFileInfo(pfad).fileName()});
    } else if (ÄnderungenKlären()) {
        // As with the button, what could not be read is not announced.
        [[maybe_unused]] const EinstellungenGelesen gelesen = EinstellungenÖffnen(pfad);
    }
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
    setFixedSize(fenster.expandedTo(QSize(0, darunter ? 0 : m_server.höhe())));
    m_server.anordnen(darunter, width(), height());
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
