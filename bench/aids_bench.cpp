#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include "KeineDialoge.h"

#include "model/Abgeleitet.h"
#include "platform/QtSurface.h"
#include "platform/Schriftartenliste.h"
#include "ui/MainWindow.h"

namespace {

using namespace tafomat;

// One movement report of the position aid while a button is held over the preview, on the
// start template: the pair is replaced, the template rewritten, the preview drawn twice and
// the picture box repainted.
void PositionshilfeEineBewegung(benchmark::State& state) {
    KeineDialoge dialoge;
    const QtSchriftartenliste schriftarten;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    MainWindow fenster(dialoge, schriftarten, uhr);
    QWidget* pic = fenster.findChild<QWidget*>(QStringLiteral("Pic"));
    QApplication::processEvents();
    int neuzeichnungen = 0;
    QObject::connect(&fenster.neuzeichnung(), &Neuzeichnung::gezeichnet,
                     [&neuzeichnungen] { ++neuzeichnungen; });
    int schritt = 0;
    for (auto _ : state) {
        const QPointF ort(40 + schritt % 300, 12 + schritt % 40);
        QMouseEvent bewegung(QEvent::MouseMove, ort, pic->mapToGlobal(ort), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pic, &bewegung);
        QApplication::processEvents();
        ++schritt;
    }
    state.counters["Neuzeichnungen"] = neuzeichnungen;
}
BENCHMARK(PositionshilfeEineBewegung)->Unit(benchmark::kMillisecond);

}  // namespace
