// The server's side of the design: the banner as the server sends it today (the folder of files
// that the server needs is written in ServerPaket.cpp).
#include "render/Serveransicht.h"
#include "ui/MainWindow.h"

namespace tafomat {

void MainWindow::ServeransichtAktualisieren() {
    if (!m_s.Serveransicht->isChecked()) return;
    const std::optional<Bild> bild = Serveransicht(m_felder, m_vorschau, m_uhr.heute());
    GrundgrößeHerstellen();
    // Without a script the server sends nothing to draw on: the background alone.
    m_serverBild = alsQImage(bild ? *bild : m_vorschau.hintergrund()).copy();
}

void MainWindow::Serveransicht_Click() {
    ServeransichtAktualisieren();
    m_s.Pic->refresh();
}

}  // namespace tafomat
