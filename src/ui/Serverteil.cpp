// The server's side of the design: the banner as the server sends it today (the folder of files
// that the server needs is written in ServerPaket.cpp).
#include "render/Serveransicht.h"
#include "ui/MainWindow.h"

namespace tafomat {

// Without a script the server sends no banner: the view says why over the background.
void MainWindow::ServeransichtAktualisieren() {
    if (!m_s.Serveransicht->isChecked()) return;
    const bool gezeichnet = m_serverBild.zeichnen(m_felder, m_vorschau, m_uhr.heute());
    GrundgrößeHerstellen();
    m_serverAnsicht = alsQImage(m_serverBild.bild());
    m_s.Pic->setHinweis(gezeichnet ? QString() : Serverhindernis());
    m_s.Pic->refresh();
}

void MainWindow::Serveransicht_Click() {
    if (m_s.Serveransicht->isChecked()) {
        ServeransichtAktualisieren();
        return;
    }
    m_serverAnsicht = QImage();
    m_serverBild.freigeben();
    m_s.Pic->setHinweis(QString());
    m_s.Pic->refresh();
}

}  // namespace tafomat
