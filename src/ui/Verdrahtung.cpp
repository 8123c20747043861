// MainWindow's wiring, in one file so that which change runs which procedure reads off it.
#include <QShortcut>

#include "model/Datensaetze.h"
#include "ui/Ablage.h"
#include "ui/MainWindow.h"

namespace tafomat {

// Every change of a field, by the user or by the program, runs its procedure at once, nested
// in whatever made the change. The derived fields TaTxt, GZTxt, GETxt and GSTxt, QuTxt and
// BildQuallität have no change handling that redraws, so writing them never redraws; BildArt
// answers only to picking an entry. Both lists keep the banner's size current.
void MainWindow::verdrahten() {
    // DaTxt_Change, AlTxt_Change, KiTxt_Change, AnTxt_Change, NeTxt_Change, StTxt_Change:
    // redraw, nothing else.
    for (const Feld eingabe : Eingabefelder) {
        connect(m_s.zeilenfeld(eingabe), &QLineEdit::textChanged, this, &MainWindow::BildZeichnen);
    }
    // Txt_Change and Abstand_Change: redraw, nothing else.
    connect(m_s.Txt, &QPlainTextEdit::textChanged, this, &MainWindow::BildZeichnen);
    connect(m_s.Abstand, &QScrollBar::valueChanged, this, &MainWindow::BildZeichnen);
    // The title shows the value, then a redraw.
    connect(m_s.XPos, &QScrollBar::valueChanged, this, &MainWindow::XPos_Change);
    connect(m_s.YPos, &QScrollBar::valueChanged, this, &MainWindow::YPos_Change);
    // SchriftartListe_Change and _Click: apply the font, then a redraw.
    connect(m_s.SchriftartListe, &Eingabeliste::edited, this, &MainWindow::SchriftartSetzen);
    connect(m_s.SchriftartListe, &Eingabeliste::picked, this, &MainWindow::SchriftartSetzen);
    // SchriftGröße_Change and _Click: write a size command, then a redraw.
    connect(m_s.SchriftGröße, &Eingabeliste::edited, this, &MainWindow::SchriftGrößeSetzen);
    connect(m_s.SchriftGröße, &Eingabeliste::picked, this, &MainWindow::SchriftGrößeSetzen);
    connect(m_s.BildArt, &Eingabeliste::picked, this, &MainWindow::BildArt_Click);
    // The banner's size follows the type and the quality without a redraw.
    for (Eingabeliste* liste : {m_s.BildArt, m_s.BildQuallität}) {
        connect(liste, &Eingabeliste::edited, this, [this] { m_server.BildgrößeZeigen(); });
        connect(liste, &Eingabeliste::picked, this, [this] { m_server.BildgrößeZeigen(); });
    }

    connect(m_s.Fett, &QPushButton::clicked, this, &MainWindow::Fett_Click);
    connect(m_s.PicFa, &Bildfeld::mousePressed, this, &MainWindow::PicFa_MouseDown);
    connect(m_s.Pic, &Bildfeld::mousePressed, this, &MainWindow::Pic_MouseDown);
    connect(m_s.Pic, &Bildfeld::mouseMoved, this, &MainWindow::Pic_MouseMove);
    connect(m_s.Hintergrundbild, &QPushButton::clicked, this, &MainWindow::Hintergrundbild_Click);
    connect(m_s.PhpQuelltext, &QPushButton::clicked, this, &MainWindow::PhpQuelltext_Click);
    connect(m_s.Serveransicht, &QCheckBox::toggled, this,
            [this] { m_server.Serveransicht_Click(); });
    connect(m_s.ServerPaket, &QPushButton::clicked, this, [this] { m_server.ServerPaket_Click(); });
    connect(m_s.Veröffentlichen, &QPushButton::clicked, this,
            [this] { m_server.Veröffentlichen_Click(); });
    connect(m_s.EinstellungenSpeichern, &QPushButton::clicked, this,
            &MainWindow::EinstellungenSpeichern_Click);
    connect(m_s.EinstellungenÖffnen, &QPushButton::clicked, this,
            &MainWindow::EinstellungenÖffnen_Click);
    connect(m_s.Hilfe, &QPushButton::clicked, this, &MainWindow::Hilfe_Click);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &MainWindow::Anleitung_Öffnen);
    // As the buttons do, the save dialog every time; closing asks as the window's frame does.
    // The keys are named: some platforms bind no key to the standard Quit.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
            &MainWindow::EinstellungenÖffnen_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &MainWindow::EinstellungenSpeichern_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);

    // What the surfaces draw shows in their picture boxes; the window follows the preview's size.
    connect(&m_vorschau, &QtSurface::changed, m_s.Pic, &Bildfeld::refresh);
    connect(&m_palette, &QtSurface::changed, m_s.PicFa, &Bildfeld::refresh);
    connect(m_s.Pic, &Bildfeld::resized, this, &MainWindow::fenstergrößeAnpassen);

    // A file dropped anywhere on the window is the window's, also over a text field.
    new Ablage(*this, [this](const QString& pfad) { dateiÖffnen(pfad); });
}

}  // namespace tafomat
