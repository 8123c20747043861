// What keeping the banner's size current adds to each redraw of the window: the server view of
// the start design and its encoding in each type, and the encoding of the largest picture the
// window still measures, filled with noise. zlib's best compression takes longer per pixel on
// the start design's picture than on noise: at png 9 a picture of that kind at the bound costs
// about 8 times the start design.
#include <benchmark/benchmark.h>

#include <random>

#include "model/Abgeleitet.h"
#include "model/Felder.h"
#include "render/GdSurface.h"
#include "render/Sendegroesse.h"
#include "render/Serveransicht.h"
#include "template/BildZeichnen.h"
#include "ui/Bildgroesse.h"

namespace {

using namespace tafomat;

void StartvorlageGröße(benchmark::State& state, const char* art, int qualität) {
    GdSurface fläche;
    FelderImSpeicher felder;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    if (BildZeichnen(felder, fläche, uhr)) {
        state.SkipWithError("the start design did not draw");
        return;
    }
    for (auto _ : state) {
        const std::optional<Bild> banner = Serveransicht(felder, fläche, uhr.heute());
        if (!banner) state.SkipWithError("no server view");
        benchmark::DoNotOptimize(Sendegröße(*banner, {art, qualität}));
    }
}

void GrößteMessflächeMitRauschen(benchmark::State& state, const char* art, int qualität) {
    Bild bild(512, static_cast<int>(GrößteMessfläche / 512));
    std::mt19937 zufall(1);
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x) bild.setzePunkt(x, y, zufall() & 0xFFFFFF);
    for (auto _ : state) benchmark::DoNotOptimize(Sendegröße(bild, {art, qualität}));
}

void mitMedian(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK_CAPTURE(StartvorlageGröße, jpeg75, "jpeg", 75)->Apply(mitMedian);
BENCHMARK_CAPTURE(StartvorlageGröße, png9, "png", 9)->Apply(mitMedian);
BENCHMARK_CAPTURE(StartvorlageGröße, gif, "gif", -1)->Apply(mitMedian);
BENCHMARK_CAPTURE(GrößteMessflächeMitRauschen, jpeg75, "jpeg", 75)->Apply(mitMedian);
BENCHMARK_CAPTURE(GrößteMessflächeMitRauschen, png9, "png", 9)->Apply(mitMedian);
BENCHMARK_CAPTURE(GrößteMessflächeMitRauschen, gif, "gif", -1)->Apply(mitMedian);
