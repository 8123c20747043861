#pragma once

// Pictures between the engine and libgd itself, for the tests that compare the two.
#include <gd.h>

#include "render/Bild.h"

namespace tafomat::test {

// A true-colour GD picture with the pixels of the picture; the caller destroys it.
inline gdImagePtr inGd(const Bild& bild) {
    gdImagePtr gd = gdImageCreateTrueColor(bild.breite(), bild.höhe());
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x)
            gd->tpixels[y][x] = static_cast<int>(bild.punkt(x, y));
    return gd;
}

// The GD picture's pixels; destroys it.
inline Bild ausGd(gdImagePtr gd) {
    Bild bild(gd->sx, gd->sy);
    for (int y = 0; y < gd->sy; ++y)
        for (int x = 0; x < gd->sx; ++x)
            bild.setzePunkt(x, y, static_cast<std::uint32_t>(gd->tpixels[y][x]));
    gdImageDestroy(gd);
    return bild;
}

// A background with a gradient, so that every blended pixel shows a mistake.
inline Bild muster(int breite, int höhe) {
    Bild bild(breite, höhe);
    for (int y = 0; y < höhe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setzePunkt(x, y, ((x * 7 & 0xFF) << 16) | ((y * 3 & 0xFF) << 8) | 0x40);
    return bild;
}

// The pixels that differ; -1 for pictures of different sizes.
inline int unterschiede(const Bild& a, const Bild& b) {
    if (a.breite() != b.breite() || a.höhe() != b.höhe()) return -1;
    int anzahl = 0;
    for (int y = 0; y < a.höhe(); ++y)
        for (int x = 0; x < a.breite(); ++x) anzahl += a.punkt(x, y) != b.punkt(x, y);
    return anzahl;
}

}  // namespace tafomat::test
