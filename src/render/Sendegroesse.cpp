#include "render/Sendegroesse.h"

#include "phpgen/Bildausgabe.h"
#include "render/Bilddatei.h"

namespace tafomat {

namespace {

// "14,2", "1.234,5": tenths with a decimal comma and points between thousands.
std::string kilobyteText(std::size_t bytes) {
    const std::size_t zehntel = (bytes * 10 + 512) / 1024;
    std::string ganze = std::to_string(zehntel / 10);
    for (std::size_t stelle = ganze.size(); stelle > 3; stelle -= 3) ganze.insert(stelle - 3, ".");
    return ganze + "," + std::to_string(zehntel % 10);
}

}  // namespace

std::optional<Bildausgabe> BildausgabeLesen(const Felder& felder) {
    const std::optional<std::string> art = bildartLesen(felder.text(Feld::BildArt));
    if (!art) return std::nullopt;
    if (*art == "gif") return Bildausgabe{*art, -1};
    const std::optional<int> qualität = qualitätLesen(*art, felder.text(Feld::BildQuallität));
    if (!qualität) return std::nullopt;
    return Bildausgabe{*art, *qualität};
}

std::string Pixelgröße(int breite, int höhe) {
    return std::to_string(breite) + " \xD7 " + std::to_string(höhe) + " Pixel";
}

std::string Sendegröße(const Bild& banner, const Bildausgabe& ausgabe) {
    const std::size_t bytes = ausgabeBytes(banner, ausgabe.art, ausgabe.qualität).size();
    std::string text = Pixelgröße(banner.breite(), banner.höhe()) + ", " + kilobyteText(bytes) +
                       " KB (" + ausgabe.art;
    if (ausgabe.qualität >= 0) text += " " + std::to_string(ausgabe.qualität);
    return text + ")";
}

}  // namespace tafomat
