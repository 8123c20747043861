#include "design/Befunde.h"

#include "model/Cp1252.h"
#include "phpgen/Bildausgabe.h"

namespace tafomat {

// The script reads the start date, the old cost, the cigarettes, the purchase, the new cost and
// the free amount in this order.
std::optional<Eingabebefund> ersteUnlesbareEingabe(const Felder& felder,
                                                   const std::optional<Zeichenstopp>& stopp) {
    for (const Feld feld : Zahlenfelder) {
        if (const std::optional<Lesefehler> fehler = LesefehlerVon(feld, felder.text(feld)))
            return Eingabebefund{feld, fehler};
    }
    if (stopp && stopp->bei == Zeichenstopp::Bei::Grundgröße)
        return Eingabebefund{Feld::SchriftGröße, std::nullopt};
    return std::nullopt;
}

Schriftbefund schriftPrüfen(const Felder& felder, const GdSurface& vorschau) {
    Schriftbefund befund;
    befund.fund = schriftSuchen(utf8FromCp1252(felder.text(Feld::SchriftartListe)));
    befund.vorschauHatSchrift = vorschau.hatSchrift();
    if (installiertAberNichtZeichenbar(befund.fund)) {
        befund.lage = Schriftlage::NichtZeichenbar;
    } else if (!vorschau.hatSchrift()) {
        befund.lage = Schriftlage::KeineDatei;
    } else if (felder.text(Feld::SchriftartListe) != vorschau.fontName()) {
        befund.lage = Schriftlage::Anders;
    } else {
        befund.ersatz = ersatzfamilie(utf8FromCp1252(vorschau.fontName()));
    }
    return befund;
}

std::optional<int> drehungPrüfen(const GdSurface& vorschau) {
    const std::optional<int> ausrichtung = vorschau.backgroundOrientation();
    if (!ausrichtung || *ausrichtung == 1) return std::nullopt;
    return ausrichtung;
}

std::optional<Ausgabebefund> ausgabePrüfen(std::string_view art,
                                           std::optional<std::string_view> qualität) {
    const std::optional<std::string> gelesen = bildartLesen(art);
    if (!gelesen) return Ausgabebefund{Ausgabemangel::KeineArt, std::string(art)};
    if (!qualität) return std::nullopt;
    if (*gelesen == "gif") return Ausgabebefund{Ausgabemangel::GifOhneQualität, *gelesen};
    if (qualitätLesen(*gelesen, *qualität)) return std::nullopt;
    return Ausgabebefund{Ausgabemangel::Qualität, *gelesen, höchsteQualität(*gelesen)};
}

}  // namespace tafomat
