// What keeping the banner's size current adds to each redraw of the window: the server view of
// the start design and its encoding in each type, and the encoding of the largest picture the
// window still measures, filled with noise. zlib's best compression takes longer per pixel on
// the start design's picture than on noise: at png 9 a picture of that kind at the bound costs
// about 8 times the start design.
#include <benchmark/benchmark.h>

#include <random>

#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "preview/BildZeichnen.h"
#include "render/GdSurface.h"
#include "render/Sendegroesse.h"
#include "render/Serveransicht.h"
#include "ui/Bildgroesse.h"

namespace {

using namespace tafomat;

void StartvorlageGroesse(benchmark::State& state, const char* art, int qualitaet) {
    GdSurface flaeche;
    FelderImSpeicher felder;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    BildZeichnen(felder, flaeche, uhr);
    for (auto _ : state) {
        const std::optional<Bild> banner = Serveransicht(felder, flaeche, uhr.heute());
        if (!banner) state.SkipWithError("no server view");
        benchmark::DoNotOptimize(Sendegroesse(*banner, {art, qualitaet}));
    }
}

void GroessteMessflaecheMitRauschen(benchmark::State& state, const char* art, int qualitaet) {
    Bild bild(512, static_cast<int>(GroessteMessflaeche / 512));
    std::mt19937 zufall(1);
    for (int y = 0; y < bild.hoehe(); ++y)
        for (int x = 0; x < bild.breite(); ++x) bild.setzePunkt(x, y, zufall() & 0xFFFFFF);
    for (auto _ : state) benchmark::DoNotOptimize(Sendegroesse(bild, {art, qualitaet}));
}

void mitMedian(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK_CAPTURE(StartvorlageGroesse, jpeg75, "jpeg", 75)->Apply(mitMedian);
BENCHMARK_CAPTURE(StartvorlageGroesse, png9, "png", 9)->Apply(mitMedian);
BENCHMARK_CAPTURE(StartvorlageGroesse, gif, "gif", -1)->Apply(mitMedian);
BENCHMARK_CAPTURE(GroessteMessflaecheMitRauschen, jpeg75, "jpeg", 75)->Apply(mitMedian);
BENCHMARK_CAPTURE(GroessteMessflaecheMitRauschen, png9, "png", 9)->Apply(mitMedian);
BENCHMARK_CAPTURE(GroessteMessflaecheMitRauschen, gif, "gif", -1)->Apply(mitMedian);
