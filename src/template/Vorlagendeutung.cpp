#include "template/Vorlagendeutung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/Cp1252.h"
#include "template/Vorlagenleser.h"

namespace tafomat {

namespace {

struct Beschriftung {
    char name;
    std::string_view text;
};

constexpr Beschriftung Beschriftungen[] = {
    {'1', "#1 Datum des Beginns"},     {'2', "#2 Tage bis Heute"},
    {'3', "#3 Alte Kosten pro Tag"},   {'4', "#4 Zigarettenverbrauch pro Tag"},
    {'Z', "#Z Gesammte Zigaretten"},   {'5', "#5 Einmalige Anschaffungskosten"},
    {'6', "#6 Neue Kosten pro Tag"},   {'7', "#7 Gesammte Einsparung"},
    {'8', "#8 Freier Betrag pro Tag"}, {'9', "#9 Ergebnis von #2 mal #8"},
};

// A whole number as digits, anything else with a decimal comma.
std::string zahl(double wert) {
    if (std::isfinite(wert) && wert == std::floor(wert) && std::fabs(wert) < 1e15)
        return std::to_string(static_cast<long long>(wert));
    char text[40];
    std::snprintf(text, sizeof text, "%g", wert);
    std::string ergebnis(text);
    std::replace(ergebnis.begin(), ergebnis.end(), '.', ',');
    return ergebnis;
}

std::string farbtext(const std::optional<Farbwert>& farbe) {
    if (!farbe) return "eine Farbe, die die Vorschau nicht zeichnen kann";
    return "Farbe " + std::to_string(*farbe % 256) + ", " + std::to_string(*farbe / 256 % 256) +
           ", " + std::to_string(*farbe / 65536);
}

// The command's characters as the user sees them: without the line break it swallowed.
std::string sichtbar(std::string_view text) {
    std::string ohne;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 32) ohne += c;
    return utf8FromCp1252(ohne);
}

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

// "„Da“ gehört zur Farbe": what of the fields is no number, from the first character that is
// not a digit on.
std::string fremdes(std::string_view felder, std::string_view wozu) {
    const auto erstes = std::find_if_not(felder.begin(), felder.end(), ziffer);
    const std::string_view rest = felder.substr(static_cast<std::size_t>(erstes - felder.begin()));
    const bool umbruch = rest.find('\r') != std::string_view::npos;
    const std::string zeichen = sichtbar(rest);
    std::string wer;
    if (!zeichen.empty()) wer = "„" + zeichen + "“";
    if (umbruch) wer += std::string(wer.empty() ? "" : " und ") + "der Zeilenumbruch";
    const bool mehrere = umbruch && !zeichen.empty();
    return " – " + wer + (mehrere ? " gehören " : " gehört ") + std::string(wozu);
}

Deutungsart artVon(Zeichenereignis::Art art) {
    using Art = Zeichenereignis::Art;
    switch (art) {
        case Art::Fett:
            return Deutungsart::Fett;
        case Art::Farbe:
            return Deutungsart::Farbe;
        case Art::Größe:
            return Deutungsart::Größe;
        case Art::X:
            return Deutungsart::X;
        case Art::Y:
            return Deutungsart::Y;
        default:
            return Deutungsart::Platzhalter;
    }
}

Deutung befehl(std::string_view vorlage, const Zeichenereignis& e) {
    Deutung deutung;
    deutung.anfang = e.stelle - 1;
    deutung.länge = std::min(e.breite, vorlage.size() - deutung.anfang);
    deutung.art = artVon(e.art);
    const std::string_view felder =
        vorlage.substr(deutung.anfang + std::min<std::size_t>(2, deutung.länge),
                       deutung.länge - std::min<std::size_t>(2, deutung.länge));
    deutung.fehlerhaft = !std::all_of(felder.begin(), felder.end(), ziffer);
    if (e.art == Zeichenereignis::Art::Farbe) deutung.farbe = e.farbe;
    deutung.wert = e.art == Zeichenereignis::Art::X   ? e.x
                   : e.art == Zeichenereignis::Art::Y ? e.y
                                                      : e.größe;
    deutung.fettAn = e.fett;
    return deutung;
}

// "Schriftgröße 14 Punkt" and what the fields belong to.
std::pair<std::string, std::string_view> befehlsinhalt(const Deutung& d) {
    switch (d.art) {
        case Deutungsart::Fett:
            return {d.fettAn ? "fett" : "wieder normal", ""};
        case Deutungsart::Farbe:
            return {farbtext(d.farbe), "zur Farbe"};
        case Deutungsart::Größe:
            return {"Schriftgröße " + zahl(d.wert) + " Punkt", "zur Größe"};
        case Deutungsart::X:
            return {"Text dieser Zeile ab x = " + zahl(d.wert) + " Pixel", "zur Position"};
        case Deutungsart::Y:
            return {"Rest dieser Zeile oben bei y = " + zahl(d.wert) + " Pixel", "zur Position"};
        default:
            return {"", ""};
    }
}

std::string befehlserklärung(std::string_view vorlage, const Deutung& d) {
    const std::string_view text = vorlage.substr(d.anfang, d.länge);
    const std::string_view felder = text.substr(std::min<std::size_t>(2, text.size()));
    const auto [inhalt, wozu] = befehlsinhalt(d);
    return sichtbar(text) + ": " + inhalt + (d.fehlerhaft ? fremdes(felder, wozu) : " ab hier");
}

std::string platzhaltererklärung(char name) {
    return std::string("#") + name + ": Platzhalter, zeigt den Wert von „" +
           std::string(platzhalterName(name)) + "“";
}

std::string kleinbefehlerklärung(char buchstabe) {
    const std::string klein = std::string("#") + buchstabe;
    const std::string groß = std::string("#") + static_cast<char>(buchstabe - 'a' + 'A');
    return klein + ": kein Befehl, Befehle schreiben sich groß (" + groß +
           "). Die Vorschau zeigt „" + klein + "“, der Server lässt das „#“ weg.";
}

constexpr std::string_view Kleinbuchstaben = "bfgxyz";

bool istKleinbefehl(std::string_view vorlage, const Zeichenereignis& e) {
    const std::size_t anfang = e.stelle - 1;
    return e.zeichen == '#' && anfang + 1 < vorlage.size() &&
           Kleinbuchstaben.find(vorlage[anfang + 1]) != std::string_view::npos;
}

}  // namespace

std::string_view platzhalterName(char name) {
    for (const Beschriftung& b : Beschriftungen)
        if (b.name == name) return b.text;
    return {};
}

std::string Erklärung(std::string_view vorlage, const Deutung& deutung) {
    switch (deutung.art) {
        case Deutungsart::Platzhalter:
            return platzhaltererklärung(vorlage[deutung.anfang + 1]);
        case Deutungsart::Kleinbefehl:
            return kleinbefehlerklärung(vorlage[deutung.anfang + 1]);
        default:
            return befehlserklärung(vorlage, deutung);
    }
}

std::vector<Deutung> VorlageDeuten(std::string_view vorlage, Erklärungen erklärungen) {
    using Art = Zeichenereignis::Art;
    std::vector<Deutung> deutungen;
    Vorlagenleser leser{std::string(vorlage), Lesart::Vorschau};
    for (Zeichenereignis e; leser.nächstes(e);) {
        if (e.art == Art::Zeile) continue;
        if (e.art == Art::Zeichen) {
            if (!istKleinbefehl(vorlage, e)) continue;
            Deutung hinweis;
            hinweis.anfang = e.stelle - 1;
            hinweis.länge = 2;
            hinweis.art = Deutungsart::Kleinbefehl;
            deutungen.push_back(hinweis);
        } else if (e.art == Art::Platzhalter) {
            Deutung platzhalter;
            platzhalter.anfang = e.stelle - 1;
            platzhalter.länge = 2;
            platzhalter.art = Deutungsart::Platzhalter;
            deutungen.push_back(platzhalter);
        } else {
            deutungen.push_back(befehl(vorlage, e));
        }
        if (erklärungen == Erklärungen::Mit)
            deutungen.back().erklärung = Erklärung(vorlage, deutungen.back());
    }
    return deutungen;
}

std::size_t zeileVon(std::string_view vorlage, std::size_t index) {
    const std::string_view davor = vorlage.substr(0, std::min(index, vorlage.size()));
    return 1 + static_cast<std::size_t>(std::count(davor.begin(), davor.end(), '\r'));
}

}  // namespace tafomat
