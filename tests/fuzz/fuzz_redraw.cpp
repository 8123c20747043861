#include <cmath>
#include <cstddef>
#include <cstdint>

#include "FuzzDesign.h"
#include "common/RecordingSurface.h"
#include "template/BildZeichnen.h"

using namespace tafomat;

namespace {

void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

bool istAusgabe(Feld feld) {
    return feld == Feld::TaTxt || feld == Feld::GZTxt || feld == Feld::GETxt || feld == Feld::GSTxt;
}

// Huge sizes can run the position into inf and, under bold, into nan; nan equals nan here.
bool gleich(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool gleich(const test::RecordingSurface::Gezeichnet& a,
            const test::RecordingSurface::Gezeichnet& b) {
    return a.text == b.text && gleich(a.x, b.x) && gleich(a.y, b.y) && a.größe == b.größe &&
           a.farbe == b.farbe;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FelderImSpeicher felder;
    fuzz::designAusBytes(data, size, felder);
    const FelderImSpeicher vorher = felder;
    const FesteUhr uhr(tageszahl({2026, 12, 7}));
    test::RecordingSurface fläche;
    const std::optional<Zeichenstopp> stopp = BildZeichnen(felder, fläche, uhr);
    // every redraw, completed or stopped, leaves the text colour black
    prüfe(fläche.textColor() == 0);
    // it writes the four derived values and nothing else
    for (int i = 0; i < FeldAnzahl; ++i) {
        const auto feld = static_cast<Feld>(i);
        if (!istAusgabe(feld)) prüfe(felder.text(feld) == vorher.text(feld));
    }
    // a second redraw of the same design draws the same, whatever the first left behind
    const auto erstes = fläche.gezeichnet;
    const std::optional<Zeichenstopp> zweiter = BildZeichnen(felder, fläche, uhr);
    prüfe(zweiter.has_value() == stopp.has_value());
    prüfe(!stopp || (zweiter->bei == stopp->bei && zweiter->stelle == stopp->stelle));
    prüfe(fläche.gezeichnet.size() == erstes.size());
    for (std::size_t i = 0; i < erstes.size(); ++i) prüfe(gleich(fläche.gezeichnet[i], erstes[i]));
    return 0;
}
