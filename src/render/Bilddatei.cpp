#include "render/Bilddatei.h"

#include <gd.h>

#include <csetjmp>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

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

std::optional<Bild> gifLesen(std::string_view bytes) {
    gdStill();
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
    return ausGd(gdImageCreateFromGifPtr(static_cast<int>(bytes.size()), gdDaten(bytes)));
}

namespace {

// libjpeg's error manager, which counts its warnings and jumps back on an error instead of
// ending the program.
struct Warnungszähler {
    jpeg_error_mgr basis;
    std::jmp_buf zurück;
    long warnungen = 0;
};

void warnungZählen(j_common_ptr info, int stufe) {
    if (stufe < 0) ++reinterpret_cast<Warnungszähler*>(info->err)->warnungen;
}

[[noreturn]] void aufgeben(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Warnungszähler*>(info->err)->zurück, 1);
}

// Decodes as GD does (RGB, CMYK for Adobe's four-component pictures) but scaled, since the
// warnings come from the coded data and the markers, not from the pixels made of them. Only
// plain data lives between setjmp and longjmp.
[[nodiscard]] bool dekodiertMitWarnung(jpeg_decompress_struct& info, Warnungszähler& zähler,
                                       std::string_view bytes, std::vector<JSAMPLE>& zeile) {
    if (setjmp(zähler.zurück)) return true;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&info, JPEG_APP0 + 14, 256);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return true;
    info.out_color_space =
        info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK ? JCS_CMYK : JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = 8;
    info.dct_method = JDCT_IFAST;
    info.do_fancy_upsampling = FALSE;
    jpeg_start_decompress(&info);
    zeile.resize(static_cast<std::size_t>(info.output_width) * 4);
    JSAMPROW zeiger = zeile.data();
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, &zeiger, 1);
    jpeg_finish_decompress(&info);
    return zähler.warnungen > 0;
}

}  // namespace

bool jpegWarnt(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return true;
    jpeg_decompress_struct info{};
    Warnungszähler zähler;
    info.err = jpeg_std_error(&zähler.basis);
    zähler.basis.emit_message = warnungZählen;
    zähler.basis.error_exit = aufgeben;
    jpeg_create_decompress(&info);
    std::vector<JSAMPLE> zeile;
    const bool gewarnt = dekodiertMitWarnung(info, zähler, bytes, zeile);
    jpeg_destroy_decompress(&info);
    return gewarnt;
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
