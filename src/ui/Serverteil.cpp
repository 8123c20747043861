// The server's side of the design: the banner as the server sends it today (the folder of files
// that the server needs is written in ServerPaket.cpp).
#include "render/Serveransicht.h"
#include "ui/Bildgroesse.h"
#include "ui/MainWindow.h"

namespace tafomat {

// The banner is made for its size even while the preview shows, unless it is too large to be
// measured at every redraw or nobody sees the window (the command line's).
void MainWindow::ServeransichtAktualisieren() {
    const bool zeigen = m_s.Serveransicht->isChecked();
    m_serverBanner.reset();
    if (zeigen || (m_anzeige == Anzeige::Zeigen && BildgrößeMessbar(m_vorschau.hintergrund()))) {
        m_serverBanner = Serveransicht(m_felder, m_vorschau, m_uhr.heute());
        GrundgrößeHerstellen();
    }
    BildgrößeZeigen();
    if (!zeigen) return;
    // Without a script the server sends nothing to draw on: the background alone.
    m_serverBild = alsQImage(m_serverBanner ? *m_serverBanner : m_vorschau.hintergrund()).copy();
}

void MainWindow::Serveransicht_Click() {
    ServeransichtAktualisieren();
    m_s.Pic->refresh();
}

}  // namespace tafomat
