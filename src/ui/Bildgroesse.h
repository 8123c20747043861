#pragma once

#include <QLabel>

#include "render/Bild.h"

namespace tafomat {

// The label beside the server view's controls that says how large the banner is as the server
// sends it: in pixels, and in KB as the chosen type and quality encode it.
QLabel* BildgrößeAnlegen(QWidget* fenster);

// Encoding a picture of more pixels than this as png or gif takes longer than a keystroke may:
// the window gives only its pixels.
inline constexpr long long GrößteMessfläche = 512LL * 512;
inline bool BildgrößeMessbar(const Bild& bild) {
    return static_cast<long long>(bild.breite()) * bild.höhe() <= GrößteMessfläche;
}

}  // namespace tafomat
