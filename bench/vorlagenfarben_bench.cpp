#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include "KeineDialoge.h"

#include "model/Abgeleitet.h"
#include "platform/QtText.h"
#include "platform/Schriftartenliste.h"
#include "ui/MainWindow.h"

namespace {

using namespace tafomat;

// Lines with every kind of command, a placeholder and a malformed colour, up to the size.
std::string vorlageVon(std::size_t zeichen) {
    const std::string zeile =
        "#X010#G10#F255255255Zeile: seit #2 Tagen #Brauchfrei#B, #F2552550Das ist gut\r\n";
    std::string vorlage;
    while (vorlage.size() + zeile.size() <= zeichen) vorlage += zeile;
    return vorlage;
}

void tippen(QWidget* ziel, int taste, const QString& text) {
    QKeyEvent drücken(QEvent::KeyPress, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &drücken);
    QKeyEvent loslassen(QEvent::KeyRelease, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &loslassen);
}

// One keystroke in the middle of the template of the shown window, alternately a letter and its
// deletion: the field's colours for the changed line, the explanation of the caret's command,
// the notice line, the preview's redraw and the repaint.
void TastendruckMitFarben(benchmark::State& state) {
    KeineDialoge dialoge;
    const QtSchriftartenliste schriftarten;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    MainWindow fenster(dialoge, schriftarten, uhr);
    fenster.felder().setText(Feld::Txt, vorlageVon(static_cast<std::size_t>(state.range(0))));
    auto* txt = fenster.findChild<QPlainTextEdit*>(QStringLiteral("Txt"));
    QTextCursor mitte(txt->document());
    mitte.setPosition(txt->document()->characterCount() / 2);
    txt->setTextCursor(mitte);
    txt->setFocus();
    QApplication::processEvents();
    bool löschen = false;
    for (auto _ : state) {
        if (löschen) {
            tippen(txt, Qt::Key_Backspace, {});
        } else {
            tippen(txt, Qt::Key_A, QStringLiteral("a"));
        }
        löschen = !löschen;
        QApplication::processEvents();
    }
    state.counters["Zeilen"] = txt->document()->blockCount();
}
// 40 lines, and 200 KB.
BENCHMARK(TastendruckMitFarben)->Arg(40 * 78)->Arg(200 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace
