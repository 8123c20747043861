// The server's side of the design: the banner as the server sends it today (the folder of files
// that the server needs is written in ServerPaket.cpp).
#include "render/Serveransicht.h"
#include "ui/Bildgroesse.h"
#include "ui/MainWindow.h"

namespace tafomat {

// The banner is made for its size even while the preview shows, unless it is too large to be
// measured at every redraw or nobody sees the window (a hidden one). Without a script the
// server sends no banner: the view says why over the background.
void MainWindow::ServeransichtAktualisieren() {
    const bool zeigen = m_s.Serveransicht->isChecked();
    const bool messen = m_anzeige == Anzeige::Zeigen && BildgrößeMessbar(m_vorschau.hintergrund());
    m_serverGezeichnet = false;
    if (zeigen || messen) {
        m_serverGezeichnet = m_serverBild.zeichnen(m_felder, m_vorschau, m_uhr.heute());
    }
    BildgrößeZeigen();
    if (!zeigen) return;
    m_serverAnsicht = alsQImage(m_serverBild.bild());
    m_s.Pic->setHinweis(m_serverGezeichnet ? QString() : Serverhindernis());
    m_s.Pic->refresh();
}

void MainWindow::Serveransicht_Click() {
    if (m_s.Serveransicht->isChecked()) {
        ServeransichtAktualisieren();
        return;
    }
    m_serverAnsicht = QImage();
    if (!BildgrößeMessbar(m_vorschau.hintergrund())) m_serverBild.freigeben();
    m_s.Pic->setHinweis(QString());
    m_s.Pic->refresh();
}

}  // namespace tafomat
