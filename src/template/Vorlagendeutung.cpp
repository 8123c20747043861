#include "template/Vorlagendeutung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/Cp1252.h"
#include "model/Platzhalter.h"
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

struct Befehlsdeutung {
    Deutungsart art;
    std::string inhalt;  // "Schriftgröße 14 Punkt"
    std::string_view wozu;
};

Befehlsdeutung befehlsdeutung(const Zeichenereignis& e) {
    using Art = Zeichenereignis::Art;
    switch (e.art) {
        case Art::Fett:
            return {Deutungsart::Fett, e.fett ? "fett" : "wieder normal", ""};
        case Art::Farbe:
            return {Deutungsart::Farbe, farbtext(e.farbe), "zur Farbe"};
        case Art::Größe:
            return {Deutungsart::Größe, "Schriftgröße " + zahl(e.größe) + " Punkt", "zur Größe"};
        case Art::X:
            return {Deutungsart::X, "Text dieser Zeile ab x = " + zahl(e.x) + " Pixel",
                    "zur Position"};
        case Art::Y:
            return {Deutungsart::Y, "Rest dieser Zeile oben bei y = " + zahl(e.y) + " Pixel",
                    "zur Position"};
        default:
            return {Deutungsart::Platzhalter, "", ""};
    }
}

Deutung befehl(std::string_view vorlage, const Zeichenereignis& e) {
    const std::size_t anfang = e.stelle - 1;
    const std::size_t länge = std::min(e.breite, vorlage.size() - anfang);
    const std::string_view text = vorlage.substr(anfang, länge);
    const std::string_view felder = text.substr(std::min<std::size_t>(2, text.size()));
    Befehlsdeutung d = befehlsdeutung(e);
    Deutung deutung;
    deutung.anfang = anfang;
    deutung.länge = länge;
    deutung.art = d.art;
    deutung.fehlerhaft = !std::all_of(felder.begin(), felder.end(), ziffer);
    if (e.art == Zeichenereignis::Art::Farbe) deutung.farbe = e.farbe;
    deutung.erklärung = sichtbar(text) + ": " + d.inhalt +
                        (deutung.fehlerhaft ? fremdes(felder, d.wozu) : " ab hier");
    return deutung;
}

Deutung platzhalter(const Zeichenereignis& e) {
    const std::string name = std::string("#") + e.platzhalter->name;
    return {e.stelle - 1,
            2,
            Deutungsart::Platzhalter,
            false,
            std::nullopt,
            name + ": Platzhalter, zeigt den Wert von „" +
                std::string(platzhalterName(e.platzhalter->name)) + "“"};
}

constexpr std::string_view Kleinbuchstaben = "bfgxyz";

std::optional<Deutung> kleinbefehl(std::string_view vorlage, const Zeichenereignis& e) {
    const std::size_t anfang = e.stelle - 1;
    if (e.zeichen != '#' || anfang + 1 >= vorlage.size()) return std::nullopt;
    const char buchstabe = vorlage[anfang + 1];
    if (Kleinbuchstaben.find(buchstabe) == std::string_view::npos) return std::nullopt;
    const std::string klein = std::string("#") + buchstabe;
    const std::string groß = std::string("#") + static_cast<char>(buchstabe - 'a' + 'A');
    return Deutung{anfang,
                   2,
                   Deutungsart::Kleinbefehl,
                   false,
                   std::nullopt,
                   klein + ": kein Befehl, Befehle schreiben sich groß (" + groß +
                       "). Die Vorschau zeigt „" + klein + "“, der Server lässt das „#“ weg."};
}

}  // namespace

std::string_view platzhalterName(char name) {
    for (const Beschriftung& b : Beschriftungen)
        if (b.name == name) return b.text;
    return {};
}

std::vector<Deutung> VorlageDeuten(std::string_view vorlage) {
    using Art = Zeichenereignis::Art;
    std::vector<Deutung> deutungen;
    Vorlagenleser leser{std::string(vorlage), Lesart::Vorschau};
    for (Zeichenereignis e; leser.nächstes(e);) {
        if (e.art == Art::Zeile) continue;
        if (e.art == Art::Zeichen) {
            if (std::optional<Deutung> hinweis = kleinbefehl(vorlage, e))
                deutungen.push_back(std::move(*hinweis));
        } else if (e.art == Art::Platzhalter) {
            deutungen.push_back(platzhalter(e));
        } else {
            deutungen.push_back(befehl(vorlage, e));
        }
    }
    return deutungen;
}

std::size_t zeileVon(std::string_view vorlage, std::size_t index) {
    const std::string_view davor = vorlage.substr(0, std::min(index, vorlage.size()));
    return 1 + static_cast<std::size_t>(std::count(davor.begin(), davor.end(), '\r'));
}

}  // namespace tafomat
