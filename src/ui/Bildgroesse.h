#pragma once

#include <QLabel>

#include <cstddef>
#include <optional>

#include "render/Bild.h"

namespace tafomat {

class Hinweiszeile;

// The label beside the server view's controls that says how large the banner is as the server
// sends it: in pixels, and in KB as the chosen type and quality encode it.
QLabel* BildgrößeAnlegen(QWidget* fenster);

// Encoding a picture of more pixels than this as png or gif takes longer than a keystroke may:
// the window gives only its pixels.
inline constexpr long long GrößteMessfläche = 512LL * 512;
inline bool BildgrößeMessbar(const Bild& bild) {
    return static_cast<long long>(bild.breite()) * bild.höhe() <= GrößteMessfläche;
}

// Forums commonly take banners up to 500 × 150 pixels and 100 KB: the notice line says when
// the banner is larger, by its pixels, or by its bytes where they were measured.
void BannergrößeMelden(Hinweiszeile& hinweis, const Bild& banner, std::optional<std::size_t> bytes);

}  // namespace tafomat
