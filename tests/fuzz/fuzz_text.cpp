#include <gd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Cp1252.h"
#include "render/GdHilfe.h"
#include "render/GdSurface.h"
#include "render/Schriftsuche.h"

using namespace tafomat;

namespace {

void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// The input: a byte for the font, the family of GD and boldness, one each for the size (0.25 to
// 64 points), x (-64 to 191) and y (-16 to 79) on a picture of 160 x 48, three for the colour,
// and up to 24 bytes of text in Windows-1252.
struct Eingabe {
    const char* familie;
    bool gebündelt, fett;
    double punkte;
    int x, y;
    std::uint32_t farbe;
    std::string text;
};

Eingabe lesen(const std::uint8_t* data, std::size_t size) {
    static constexpr const char* Familien[] = {"Arial", "DejaVu Sans", "Liberation Mono",
                                               "Liberation Serif"};
    return {
        Familien[data[0] % 4],
        (data[0] & 4) != 0,
        (data[0] & 8) != 0,
        (data[1] + 1) / 4.0,
        data[2] - 64,
        data[3] % 96 - 16,
        std::uint32_t{data[4]} << 16 | std::uint32_t{data[5]} << 8 | data[6],
        std::string(reinterpret_cast<const char*>(data + 7), std::min<std::size_t>(size - 7, 24))};
}

// The text as the script hands it to GD: UTF-8, "&" as an entity, since GD reads "&#...;".
std::string fürGd(const std::string& cp1252) {
    std::string text;
    for (const char zeichen : utf8FromCp1252(cp1252))
        text += zeichen == '&' ? std::string("&#38;") : std::string(1, zeichen);
    return text;
}

// One ImageTTFText call of the system libgd against the engine: the same refusals, the same
// pixels and, line by line, the same advance.
void wieLibgd(const std::string& datei, const Eingabe& e, const std::shared_ptr<GdGröße>& größe) {
    int rahmen[8];
    prüfe((größe != nullptr) ==
          (gdImageStringFT(nullptr, rahmen, 0, const_cast<char*>(datei.c_str()), e.punkte, 0, 0, 0,
                           const_cast<char*>("W")) == nullptr));
    if (!größe) return;
    const test::GdErgebnis gd =
        test::gdZeichnen(test::muster(160, 48), datei, e.punkte, e.x, e.y, fürGd(e.text), e.farbe);
    GdLauf lauf(größe);
    lauf.anhängen(unicodeText(e.text));
    prüfe(lauf.abgelehnt() == gd.abgelehnt);
    Bild bild = test::muster(160, 48);
    lauf.zeichnen(bild, e.x, e.y, e.farbe);
    prüfe(test::unterschiede(bild, gd.bild) == 0);
    if (gd.gemessen && e.text.find_first_of("\r\n") == std::string::npos && !gd.abgelehnt)
        prüfe(std::fabs(static_cast<double>(lauf.vorschub()) / StiftJePixel - gd.vorschub) < 1e-3);
}

// The preview keeps a run open while text of the same kind follows: text drawn in two pieces is
// the text drawn at once, and the pen ends where its width says.
void inStücken(const Eingabe& e) {
    static GdSurface ganz, stücke;
    const double x = e.x + (e.farbe & 0xFF) / 256.0;
    const std::size_t teilung = e.farbe % (e.text.size() + 1);
    for (GdSurface* fläche : {&ganz, &stücke}) {
        fläche->clear();
        prüfe(fläche->setFontName(e.familie));
        if (!fläche->setFontSize(e.punkte)) return;
        fläche->setBold(e.fett);
        fläche->setTextColor(static_cast<Farbwert>(e.farbe));
        fläche->setCurrentX(x);
        fläche->setCurrentY(e.y);
    }
    ganz.drawText(e.text);
    stücke.drawText(e.text.substr(0, teilung));
    stücke.drawText(e.text.substr(teilung));
    prüfe(ganz.bild() == stücke.bild() && ganz.currentX() == stücke.currentX());
    const std::optional<double> breite = ganz.widthAt(e.punkte, e.text);
    prüfe(breite && std::fabs(ganz.currentX() - (x + *breite)) <= 1.0 / StiftJePixel);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) return 0;
    const Eingabe eingabe = lesen(data, size);
    const std::string datei = *schriftdateiSuchen(eingabe.familie);
    const std::shared_ptr<GdGröße> größe = GdSchrift::geteilt(datei)->größe(eingabe.punkte);
    if (!eingabe.gebündelt) {
        wieLibgd(datei, eingabe, größe);
    } else if (größe) {
        // Bundled GD lives only inside PHP: here its layout must merely stay sound.
        GdLauf lauf(größe, GdFamilie::ImPhp);
        lauf.anhängen(unicodeText(eingabe.text));
        Bild bild = test::muster(160, 48);
        lauf.zeichnen(bild, eingabe.x, eingabe.y, eingabe.farbe);
    }
    inStücken(eingabe);
    return 0;
}
