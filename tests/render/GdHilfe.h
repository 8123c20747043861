#pragma once

// Pictures between the engine and libgd itself, for the tests that compare the two.
#include <gd.h>

#include <sstream>
#include <string>

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

// What ImageTTFText draws over the picture: the text through gdImageStringFTEx, which also
// reports GD's advance of every character (from the second glyph on: not for a single one), or
// GD's refusal.
struct GdErgebnis {
    Bild bild;
    double vorschub = 0;
    bool abgelehnt = false;
    bool gemessen = false;
};

inline GdErgebnis gdZeichnen(const Bild& hintergrund, const std::string& datei, double punkte,
                             int x, int y, std::string utf8, std::uint32_t farbe) {
    gdImagePtr gd = inGd(hintergrund);
    gdFTStringExtra extra{};
    extra.flags = gdFTEX_XSHOW;
    int rahmen[8];
    const bool abgelehnt =
        gdImageStringFTEx(gd, rahmen, static_cast<int>(farbe), const_cast<char*>(datei.c_str()),
                          punkte, 0, x, y, utf8.data(), &extra) != nullptr;
    GdErgebnis ergebnis{ausGd(gd), 0, abgelehnt, extra.xshow != nullptr};
    std::istringstream abstände(extra.xshow ? extra.xshow : "");
    for (double abstand; abstände >> abstand;) ergebnis.vorschub += abstand;
    gdFree(extra.xshow);
    return ergebnis;
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
