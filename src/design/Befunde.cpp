#include "design/Befunde.h"

#include "model/Cp1252.h"
#include "model/Datensaetze.h"
#include "phpgen/Bildausgabe.h"

namespace tafomat {

// In the order the script reads the inputs.
std::optional<Eingabebefund> ersteUnlesbareEingabe(const Felder& felder,
                                                   const std::optional<Zeichenstopp>& stopp) {
    for (const Feld feld : Eingabefelder) {
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

Befundworte Schriftworte(const Schriftbefund& befund) {
    switch (befund.lage) {
        case Schriftlage::NichtZeichenbar:
            return {"„%1“ ist installiert, lässt sich aber nicht zeichnen.",
                    "Die Schriftart „%1“ ist installiert, aber %2. Die Vorschau zeichnet %3.",
                    "%1: %4; the preview draws and the script names %3.ttf"};
        case Schriftlage::KeineDatei:
            return {"Keine Schriftdatei für „%1“: die Vorschau zeigt keinen Text.",
                    "Zur Schriftart „%1“ findet Tafomat keine Schriftdatei: die Vorschau zeigt "
                    "keinen Text. Bitte eine installierte Schriftart wählen.",
                    "%4; the preview draws no text and the script's positions are not measured"};
        case Schriftlage::Anders:
            return {"Zu „%1“ gibt es keine Schriftdatei: die Vorschau zeichnet weiter mit „%2“.",
                    "",
                    "%1: the font \"%2\" is not installed; the preview draws and the script "
                    "names %3.ttf"};
        case Schriftlage::Gezeichnet:
            break;
    }
    if (!befund.ersatz) return {};
    return {"„%1“ ist nicht installiert: die Vorschau zeichnet „%2“.",
            "Die Schriftart „%1“ ist nicht installiert; die Vorschau zeichnet die nächstähnliche, "
            "„%2“. Das Php-Programm nennt die Schriftdatei „%1.ttf“, und das Server-Paket legt "
            "unter diesem Namen die Datei von „%2“ bei.",
            ""};
}

const Befundworte Drehungsworte{
    "Das Bild ist laut EXIF gedreht; der Server zeichnet es ungedreht.",
    "Das Bild ist laut EXIF gedreht; der Server zeichnet es ungedreht. Die Kamera hat es gedreht "
    "aufgenommen (EXIF-Ausrichtung %1); die Vorschau zeigt es wie der Server. Soll es aufrecht "
    "stehen, bitte das Bild gedreht speichern und neu öffnen.",
    "the picture %2 asks to be turned (EXIF orientation %1); the server draws it as stored, "
    "unrotated, and so does the preview"};

Befundworte Ausgabeworte(Ausgabemangel mangel) {
    switch (mangel) {
        case Ausgabemangel::KeineArt:
            return {"Die Bildart [%1] gibt es nicht. Bitte jpeg, png oder gif wählen!", "",
                    "--type: %1 is not jpeg, png or gif"};
        case Ausgabemangel::GifOhneQualität:
            return {"", "", "--quality: gif takes no quality"};
        case Ausgabemangel::Qualität:
            break;
    }
    return {"Die Qualität [%1] passt nicht zu %2. Bitte eine ganze Zahl von 0 bis %3 wählen!", "",
            "--quality: %1 is not a whole number from 0 to %3"};
}

}  // namespace tafomat
