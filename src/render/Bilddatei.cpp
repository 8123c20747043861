#include "render/Bilddatei.h"

#include <gd.h>

#include <cstdarg>
#include <memory>

namespace tafomat {

namespace {

struct GdFrei {
    void operator()(gdImagePtr bild) const { gdImageDestroy(bild); }
};
using GdBild = std::unique_ptr<gdImage, GdFrei>;

// GD's true-colour pixels are 0x7F... with the alpha in the top bits; a picture read from a file
// is opaque.
[[nodiscard]] std::optional<Bild> ausGd(gdImagePtr gelesen) {
    GdBild gd(gelesen);
    if (!gd) return std::nullopt;
    if (!gdImageTrueColor(gd.get()) && !gdImagePaletteToTrueColor(gd.get())) return std::nullopt;
    Bild bild(gdImageSX(gd.get()), gdImageSY(gd.get()));
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x)
            bild.setzePunkt(x, y, static_cast<std::uint32_t>(gd->tpixels[y][x]) & 0xFFFFFF);
    return bild;
}

void* gdDaten(std::string_view bytes) {
    // GD's readers read the bytes and never write them.
    return const_cast<char*>(bytes.data());
}

// libgd writes what libjpeg and libpng complain about to standard error; a picture that cannot be
// read is reported by the caller instead.
void gdStill() {
    static const bool still = [] {
        gdSetErrorMethod([](int, const char*, va_list) {});
        return true;
    }();
    (void)still;
}

}  // namespace

std::optional<Bild> jpegLesen(std::string_view bytes) {
    gdStill();
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
    return ausGd(gdImageCreateFromJpegPtrEx(static_cast<int>(bytes.size()), gdDaten(bytes), 1));
}

std::optional<Bild> pngLesen(std::string_view bytes) {
    gdStill();
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
    return ausGd(gdImageCreateFromPngPtr(static_cast<int>(bytes.size()), gdDaten(bytes)));
}

namespace {

std::string schreiben(const Bild& bild, void* (*format)(gdImagePtr, int*, int), int wert) {
    if (bild.leer()) return {};
    GdBild gd(gdImageCreateTrueColor(bild.breite(), bild.höhe()));
    if (!gd) return {};
    for (int y = 0; y < bild.höhe(); ++y)
        for (int x = 0; x < bild.breite(); ++x)
            gd->tpixels[y][x] = static_cast<int>(bild.punkt(x, y));
    int größe = 0;
    void* daten = format(gd.get(), &größe, wert);
    if (!daten) return {};
    std::string bytes(static_cast<const char*>(daten), static_cast<std::size_t>(größe));
    gdFree(daten);
    return bytes;
}

}  // namespace

std::string pngSchreiben(const Bild& bild) {
    return schreiben(bild, gdImagePngPtrEx, -1);
}

std::string jpegSchreiben(const Bild& bild) {
    return schreiben(bild, gdImageJpegPtr, 100);
}

std::string ausgabeBytes(const Bild& bild, const std::string& art, int qualität) {
    if (art == "jpeg") return schreiben(bild, gdImageJpegPtr, qualität);
    if (art == "png") return schreiben(bild, gdImagePngPtrEx, qualität);
    if (art != "gif") return {};
    return schreiben(
        bild, [](gdImagePtr gd, int* größe, int) { return gdImageGifPtr(gd, größe); }, 0);
}

}  // namespace tafomat
