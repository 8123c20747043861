// MainWindow's editing aids, the event procedures that write commands into the template.
#include "design/Gestaltung.h"
#include "template/Befehlstexte.h"
#include "template/BildZeichnen.h"
#include "ui/MainWindow.h"

namespace tafomat {

void MainWindow::Fett_Click() {
    m_hilfen.fettSchreiben();
    BildZeichnen();
}

void MainWindow::PicFa_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers, double x, double y) {
    if (taste != Qt::LeftButton) return;
    const Farbwert farbe = m_palette.colorAt(static_cast<int>(x), static_cast<int>(y));
    m_hilfen.befehlSchreiben(Hilfsbefehl::Farbe, Farbbefehl(farbe));
}

void MainWindow::Pic_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, double, double) {
    m_hilfen.zugBeginnen();
}

void MainWindow::Pic_MouseMove(Qt::MouseButtons tasten, Qt::KeyboardModifiers, double x, double y) {
    if (tasten == Qt::NoButton) return;
    m_hilfen.zugSchreiben(Positionsbefehl(x, y));
    BildZeichnen();
}

// The caret goes to the start of the template and the focus stays in the list, so that the
// user can go on typing the size.
void MainWindow::SchriftGrößeSetzen() {
    if (!m_größenbefehlAus)
        m_hilfen.größeSchreiben(Größenbefehl(m_felder.text(Feld::SchriftGröße)));
    BildZeichnen();
}

// A name that the surface cannot use keeps the previous font; the notice line says so.
void MainWindow::SchriftartSetzen() {
    SchriftartAnwenden(m_felder, m_vorschau);
    m_meldungen.SchriftMelden();
    BildZeichnen();
}

void MainWindow::XPos_Change() {
    setWindowTitle(QString::number(m_s.XPos->value()));
    BildZeichnen();
}

void MainWindow::YPos_Change() {
    setWindowTitle(QString::number(m_s.YPos->value()));
    BildZeichnen();
}

}  // namespace tafomat
