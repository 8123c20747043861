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
std::optional<std::string> groesseAlsSchluessel(double groesse) {
    if (groesse == std::floor(groesse) && std::fabs(groesse) < 1e15)
        return std::to_string(static_cast<long long>(groesse));
    char text[32];
    std::snprintf(text, sizeof text, "%.14G", groesse);
    const std::string schluessel = text;
    if (schluessel.find('E') != std::string::npos) return std::nullopt;
    return schluessel;
}

void hinzufuegen(Alphabet& alphabet, std::string_view text) {
    for (const char zeichen : text) {
        const auto code = static_cast<unsigned char>(zeichen);
        if (code != '\r' && code != '\n') alphabet.insert(code);
    }
}

// What the run can draw: its typed text, the date and cigarettes as typed, and the characters
// of every value the server computes.
void laufalphabet(Alphabet& alphabet, const Textaufruf& aufruf, const Felder& felder) {
    for (const Stueck& stueck : aufruf.stuecke) {
        hinzufuegen(alphabet, stueck.text);
        if (stueck.platzhalter == '1')
            hinzufuegen(alphabet, felder.text(Feld::DaTxt));
        else if (stueck.platzhalter == '4')
            hinzufuegen(alphabet, felder.text(Feld::KiTxt));
        if (stueck.platzhalter) hinzufuegen(alphabet, Wertzeichen);
    }
}

std::map<double, Alphabet> alphabeteJeGroesse(const Zeichenplan& plan, const Felder& felder) {
    std::map<double, Alphabet> alphabete;
    for (const Zeichenaufruf& aufruf : plan.aufrufe)
        if (const auto* text = std::get_if<Textaufruf>(&aufruf))
            laufalphabet(alphabete[text->groesse], *text, felder);
    return alphabete;
}

// GD reads the script's texts as Unicode: the key of a character is its code point.
std::string code(unsigned char zeichen) {
    return std::to_string(static_cast<unsigned long>(unicodeFromCp1252(zeichen)));
}

std::string zeichenTabelle(const Alphabet& alphabet, double groesse, const Surface& flaeche,
                           Alphabet& gemessen) {
    std::string tabelle;
    for (const unsigned char zeichen : alphabet) {
        const std::optional<Zeichenmass> mass = flaeche.zeichenmass(groesse, zeichen);
        if (!mass) continue;
        gemessen.insert(zeichen);
        if (!tabelle.empty()) tabelle += ",";
        tabelle += code(zeichen) + "=>[" + std::to_string(mass->vorschub) + "," +
                   std::to_string(mass->vorschub96) + "," + std::to_string(mass->links) + "," +
                   (mass->tinte ? "1" : "0") + "]";
    }
    return tabelle;
}

std::string paarTabelle(const Alphabet& alphabet, double groesse, const Surface& flaeche) {
    std::string tabelle;
    for (const unsigned char vorher : alphabet) {
        std::string nachfolger;
        for (const unsigned char zeichen : alphabet) {
            const Paarmass paar = flaeche.paarmass(groesse, vorher, zeichen);
            if (paar == Paarmass{}) continue;
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

std::string SchriftmasseZeilen(const Zeichenplan& plan, const Felder& felder,
                               const Surface& flaeche) {
    std::string zeilen;
    for (const auto& [groesse, alphabet] : alphabeteJeGroesse(plan, felder)) {
        const std::optional<std::string> schluessel = groesseAlsSchluessel(groesse);
        if (!schluessel) continue;
        Alphabet gemessen;
        const std::string zeichen = zeichenTabelle(alphabet, groesse, flaeche, gemessen);
        if (gemessen.empty()) continue;
        zeilen += "$Schriftmasse[\"" + *schluessel + "\"]=[\"Zeichen\"=>[" + zeichen +
                  "],\"Paare\"=>[" + paarTabelle(gemessen, groesse, flaeche) + "]];";
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
