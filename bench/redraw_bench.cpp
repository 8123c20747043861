#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <gd.h>

#include <array>
#include <string>
#include <variant>

#include "KeineDialoge.h"

#include "model/Abgeleitet.h"
#include "model/Cp1252.h"
#include "model/Felder.h"
#include "phpgen/PhpSkript.h"
#include "phpgen/Zeichenblock.h"
#include "phpgen/Zeichenplan.h"
#include "platform/Dateien.h"
#include "platform/QtSurface.h"
#include "render/Bilddatei.h"
#include "render/Schriftsuche.h"
#include "settings/Einstellungen.h"
#include "template/BildZeichnen.h"
#include "ui/MainWindow.h"

namespace {

using namespace tafomat;

// A template of the given length with a command after every 20 text characters; the
// commands move, colour, resize, break lines and insert values, so that most text lands on
// the picture. Without bold commands when all of it is drawn bold.
std::string dichteVorlage(std::size_t länge, bool ganzFett) {
    static const std::string text = "Seit #2 Tagen rauchfrei, gespart: #7 Euro. ";
    static const std::array<const char*, 8> befehle = {"#F255255255", "#G12",  "#X010", "\r\n",
                                                       "#F255200000", "#Y020", "#G08",  "#B"};
    std::string vorlage = ganzFett ? "#B" : "";
    std::size_t t = 0;
    std::size_t b = 0;
    while (vorlage.size() < länge) {
        for (int i = 0; i < 20; ++i) vorlage += text[t++ % text.size()];
        const char* befehl = befehle[b++ % befehle.size()];
        if (ganzFett && std::string(befehl) == "#B") continue;
        vorlage += befehl;
    }
    vorlage.resize(länge);
    return vorlage;
}

std::string wiederholt(const std::string& vorlage, int mal) {
    std::string alle;
    for (int i = 0; i < mal; ++i) alle += vorlage;
    return alle;
}

// One redraw as the window sees it: drawn, then the picture read for showing.
void neuZeichnen(benchmark::State& state, const std::string& vorlage) {
    QtSurface fläche;
    FelderImSpeicher felder;
    felder.setText(Feld::Txt, vorlage);
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    for (auto _ : state) {
        benchmark::DoNotOptimize(BildZeichnen(felder, fläche, uhr));
        benchmark::DoNotOptimize(fläche.image().constBits());
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(vorlage.size()));
}

void Startvorlage(benchmark::State& state) {
    neuZeichnen(state, tafomat::Startvorlage());
}

// The same banner as the server draws it: libgd over the built-in picture, one ImageTTFText call
// per run of the compiled start template, as the script makes them.
void StartvorlageMitGd(benchmark::State& state) {
    GdSurface messung;
    FelderImSpeicher felder;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    if (BildZeichnen(felder, messung, uhr)) {
        state.SkipWithError("the start design did not draw");
        return;
    }
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, messung);
    const std::string_view jpeg = eingebautesBildJpeg();
    gdImagePtr vorlage =
        gdImageCreateFromJpegPtr(static_cast<int>(jpeg.size()), const_cast<char*>(jpeg.data()));
    std::string schrift = *schriftdateiSuchen("Arial");
    for (auto _ : state) {
        gdImagePtr bild = gdImageCreateTrueColor(vorlage->sx, vorlage->sy);
        gdImageCopy(bild, vorlage, 0, 0, 0, 0, vorlage->sx, vorlage->sy);
        int farbe = 0;
        for (const Zeichenaufruf& aufruf : plan->aufrufe) {
            if (const auto* f = std::get_if<Farbaufruf>(&aufruf)) {
                farbe = gdImageColorAllocate(bild, f->rot, f->grün, f->blau);
                continue;
            }
            const auto& text = std::get<Textaufruf>(aufruf);
            std::string inhalt;
            for (const Stück& stück : text.stücke)
                inhalt += stück.platzhalter ? felder.text(platzhalter(stück.platzhalter)->feld)
                                            : stück.text;
            std::string utf8 = utf8FromCp1252(inhalt);
            int rahmen[8];
            gdImageStringFT(bild, rahmen, farbe, schrift.data(), text.größe, 0,
                            static_cast<int>(text.x), static_cast<int>(text.y), utf8.data());
        }
        benchmark::DoNotOptimize(bild->tpixels);
        gdImageDestroy(bild);
    }
    gdImageDestroy(vorlage);
}
void StartvorlageZehnmal(benchmark::State& state) {
    neuZeichnen(state, wiederholt(tafomat::Startvorlage(), 10));
}
void Befehle5000(benchmark::State& state) {
    neuZeichnen(state, dichteVorlage(5000, false));
}
void Befehle5000Fett(benchmark::State& state) {
    neuZeichnen(state, dichteVorlage(5000, true));
}
void BefehleNachLaenge(benchmark::State& state) {
    neuZeichnen(state, dichteVorlage(static_cast<std::size_t>(state.range(0)), false));
}

// Templates of up to a million characters, redrawn and compiled into the script's drawing block.
void GrosseVorlageZeichnen(benchmark::State& state) {
    neuZeichnen(state, dichteVorlage(static_cast<std::size_t>(state.range(0)), false));
}
void GrosseVorlageUebersetzen(benchmark::State& state) {
    QtSurface fläche;
    FelderImSpeicher felder;
    felder.setText(Feld::Txt, dichteVorlage(static_cast<std::size_t>(state.range(0)), false));
    if (BildZeichnen(felder, fläche, FesteUhr(tageszahl({2026, 12, 7})))) {
        state.SkipWithError("the template did not draw");
        return;
    }
    for (auto _ : state) {
        const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, fläche);
        if (!plan) state.SkipWithError("the template did not compile");
        benchmark::DoNotOptimize(Zeichenblock(*plan, fläche.fontName()));
    }
    state.SetComplexityN(state.range(0));
}

// The window as the user has it without fonts: the font list is empty.
class KeineSchriftarten : public Schriftartenliste {
  public:
    std::optional<int> anzahl() const override { return 0; }
    std::optional<QString> name(int) const override { return std::nullopt; }
};

// A picture of the largest size a background may have: colour ramps with a fine grid.
std::string großesFoto() {
    Bild foto(4096, 4096);
    for (int y = 0; y < foto.höhe(); ++y)
        for (int x = 0; x < foto.breite(); ++x) {
            const auto gitter = static_cast<std::uint32_t>((x % 64 == 0 || y % 64 == 0) ? 0x40 : 0);
            foto.setzePunkt(x, y,
                            (static_cast<std::uint32_t>(x / 16) << 16) |
                                (static_cast<std::uint32_t>(y / 16) << 8) | gitter);
        }
    return jpegSchreiben(foto);
}

void tippen(QWidget* ziel, int taste, const QString& text) {
    QKeyEvent drücken(QEvent::KeyPress, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &drücken);
    QKeyEvent loslassen(QEvent::KeyRelease, taste, Qt::NoModifier, text);
    QApplication::sendEvent(ziel, &loslassen);
}

// One keystroke in the template of the shown window over a 4096 x 4096 background, typed and
// taken back in turn: the redraw, the derived fields and the repaint of what the screen shows,
// with the server view on also the server's banner.
void TastendruckGroßesBild(benchmark::State& state, bool serveransicht) {
    QTemporaryDir ordner;
    const QString bild = ordner.filePath(QStringLiteral("foto.jpg"));
    const QString design = ordner.filePath(QStringLiteral("foto.txt"));
    FelderImSpeicher felder;
    felder.setText(Feld::HintergrundPfad, bild.toStdString());
    felder.setText(Feld::HintergrundName, "foto.jpg");
    QtSurface messung;
    if (!writeFile(bild, großesFoto()) || !writeFile(design, EinstellungenText(felder, messung))) {
        state.SkipWithError("the picture could not be written");
        return;
    }
    KeineDialoge dialoge;
    const KeineSchriftarten schriftarten;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    MainWindow fenster(dialoge, schriftarten, uhr);
    const EinstellungenGelesen gelesen = fenster.EinstellungenÖffnen(design);
    if (!gelesen.geöffnet || gelesen.ergebnis.bildFehlt) {
        state.SkipWithError("the design or its picture did not load");
        return;
    }
    fenster.findChild<QCheckBox*>(QStringLiteral("Serveransicht"))->setChecked(serveransicht);
    auto* txt = fenster.findChild<QPlainTextEdit*>(QStringLiteral("Txt"));
    txt->setFocus();
    txt->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    bool zurück = false;
    for (auto _ : state) {
        if (zurück)
            tippen(txt, Qt::Key_Backspace, QString());
        else
            tippen(txt, Qt::Key_X, QStringLiteral("x"));
        zurück = !zurück;
        QApplication::processEvents();
    }
}

void TastendruckVorschau(benchmark::State& state) {
    TastendruckGroßesBild(state, false);
}
void TastendruckServeransicht(benchmark::State& state) {
    TastendruckGroßesBild(state, true);
}

void mitMedian(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(Startvorlage)->Apply(mitMedian);
// At most 16 ms each, one frame at 60 Hz.
BENCHMARK(TastendruckVorschau)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(TastendruckServeransicht)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(StartvorlageMitGd)->Apply(mitMedian);
BENCHMARK(StartvorlageZehnmal)->Apply(mitMedian);
BENCHMARK(Befehle5000)->Apply(mitMedian);
BENCHMARK(Befehle5000Fett)->Apply(mitMedian);
BENCHMARK(BefehleNachLaenge)
    ->RangeMultiplier(4)
    ->Range(500, 32000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(GrosseVorlageZeichnen)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(GrosseVorlageUebersetzen)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
