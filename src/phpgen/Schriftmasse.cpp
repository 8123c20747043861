#include "phpgen/Schriftmasse.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

#include "model/Cp1252.h"
#include "model/Feld.h"

namespace tafomat {

std::string_view textZeichnenPhp();  // src/phpgen/TextZeichnen.php, built in

namespace {

using Alphabet = std::set<unsigned char>;

// The size as PHP turns the drawing call's literal into a string: whole numbers as digits,
// others with 14 significant digits. No key where that would need an exponent.
[[nodiscard]] std::optional<std::string> größeAlsSchlüssel(double größe) {
    if (größe == std::floor(größe) && std::fabs(größe) < 1e15)
        return std::to_string(static_cast<long long>(größe));
    char text[32];
    std::snprintf(text, sizeof text, "%.14G", größe);
    const std::string schlüssel = text;
    if (schlüssel.find('E') != std::string::npos) return std::nullopt;
    return schlüssel;
}

void hinzufügen(Alphabet& alphabet, std::string_view text) {
    for (const char zeichen : text) {
        const auto code = static_cast<unsigned char>(zeichen);
        if (code != '\r' && code != '\n') alphabet.insert(code);
    }
}

// What the run can draw: its typed text, the date and cigarettes as typed, and the characters
// of every value the server computes.
void laufalphabet(Alphabet& alphabet, const Textaufruf& aufruf, const Felder& felder) {
    for (const Stück& stück : aufruf.stücke) {
        hinzufügen(alphabet, stück.text);
        if (stück.platzhalter == '1')
            hinzufügen(alphabet, felder.text(Feld::DaTxt));
        else if (stück.platzhalter == '4')
            hinzufügen(alphabet, felder.text(Feld::KiTxt));
        if (stück.platzhalter) hinzufügen(alphabet, Wertzeichen);
    }
}

std::map<double, Alphabet> alphabeteJeGröße(const Zeichenplan& plan, const Felder& felder) {
    std::map<double, Alphabet> alphabete;
    for (const Zeichenaufruf& aufruf : plan.aufrufe)
        if (const auto* text = std::get_if<Textaufruf>(&aufruf))
            laufalphabet(alphabete[text->größe], *text, felder);
    return alphabete;
}

// GD reads the script's texts as Unicode: the key of a character is its code point.
std::string code(unsigned char zeichen) {
    return std::to_string(static_cast<unsigned long>(unicodeFromCp1252(zeichen)));
}

std::string zeichenTabelle(const Alphabet& alphabet, double größe, const Surface& fläche,
                           Alphabet& gemessen) {
    std::string tabelle;
    for (const unsigned char zeichen : alphabet) {
        const std::optional<Zeichenmaß> maß = fläche.zeichenmaß(größe, zeichen);
        if (!maß) continue;
        gemessen.insert(zeichen);
        if (!tabelle.empty()) tabelle += ",";
        tabelle += code(zeichen) + "=>[" + std::to_string(maß->vorschub) + "," +
                   std::to_string(maß->vorschub96) + "," + std::to_string(maß->links) + "," +
                   (maß->tinte ? "1" : "0") + "]";
    }
    return tabelle;
}

std::string paarTabelle(const Alphabet& alphabet, double größe, const Surface& fläche) {
    std::string tabelle;
    for (const unsigned char vorher : alphabet) {
        std::string nachfolger;
        for (const unsigned char zeichen : alphabet) {
            const Paarmaß paar = fläche.paarmaß(größe, vorher, zeichen);
            if (paar == Paarmaß{}) continue;
            if (!nachfolger.empty()) nachfolger += ",";
            nachfolger += code(zeichen) + "=>[" + std::to_string(paar.kerning) + "," +
                          std::to_string(paar.kerning96) + "]";
        }
        if (nachfolger.empty()) continue;
        if (!tabelle.empty()) tabelle += ",";
        tabelle += code(vorher) + "=>[" + nachfolger + "]";
    }
    return tabelle;
}

}  // namespace

std::string SchriftmaßeZeilen(const Zeichenplan& plan, const Felder& felder,
                              const Surface& fläche) {
    std::string zeilen;
    for (const auto& [größe, alphabet] : alphabeteJeGröße(plan, felder)) {
        const std::optional<std::string> schlüssel = größeAlsSchlüssel(größe);
        if (!schlüssel) continue;
        Alphabet gemessen;
        const std::string zeichen = zeichenTabelle(alphabet, größe, fläche, gemessen);
        if (gemessen.empty()) continue;
        zeilen += "$Schriftmasse[\"" + *schlüssel + "\"]=[\"Zeichen\"=>[" + zeichen +
                  "],\"Paare\"=>[" + paarTabelle(gemessen, größe, fläche) + "]];";
        zeilen += Zeilenumbruch;
    }
    return zeilen;
}

std::string TextZeichnenFunktionen() {
    std::string text;
    for (const char zeichen : textZeichnenPhp()) {
        if (zeichen == '\n') text += '\r';
        text += zeichen;
    }
    return text;
}

}  // namespace tafomat
