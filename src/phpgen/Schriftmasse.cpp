#include "phpgen/Schriftmasse.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <vector>

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

// The measures go into the script as PHP's serialize() writes int arrays (no quote, no "$"):
// PHP compiles the string at every request in a moment and reads it only where the server's GD
// needs the measures, which the system's libgd never does.
std::string serialisiert(const std::vector<std::pair<std::string, std::string>>& einträge) {
    std::string text = "a:" + std::to_string(einträge.size()) + ":{";
    for (const auto& [schlüssel, wert] : einträge) text += "i:" + schlüssel + ";" + wert;
    return text + "}";
}

std::string serialisiert(std::initializer_list<std::int64_t> zahlen) {
    std::vector<std::pair<std::string, std::string>> einträge;
    for (const std::int64_t zahl : zahlen)
        einträge.emplace_back(std::to_string(einträge.size()), "i:" + std::to_string(zahl) + ";");
    return serialisiert(einträge);
}

std::string zeichenTabelle(const Alphabet& alphabet, double größe, const Surface& fläche,
                           Alphabet& gemessen) {
    std::vector<std::pair<std::string, std::string>> tabelle;
    for (const unsigned char zeichen : alphabet) {
        const std::optional<Zeichenmaß> maß = fläche.zeichenmaß(größe, zeichen);
        if (!maß) continue;
        gemessen.insert(zeichen);
        tabelle.emplace_back(code(zeichen),
                             serialisiert({maß->vorschub, maß->vorschub96, maß->links,
                                           maß->tinte ? 1 : 0, maß->vorschubRaqm}));
    }
    return serialisiert(tabelle);
}

std::string paarTabelle(const Alphabet& alphabet, double größe, const Surface& fläche) {
    std::vector<std::pair<std::string, std::string>> tabelle;
    for (const unsigned char vorher : alphabet) {
        std::vector<std::pair<std::string, std::string>> nachfolger;
        for (const unsigned char zeichen : alphabet) {
            const Paarmaß paar = fläche.paarmaß(größe, vorher, zeichen);
            if (paar == Paarmaß{}) continue;
            nachfolger.emplace_back(code(zeichen),
                                    serialisiert({paar.kerning, paar.kerning96, paar.kerningRaqm,
                                                  paar.ligaturRaqm ? 1 : 0}));
        }
        if (!nachfolger.empty()) tabelle.emplace_back(code(vorher), serialisiert(nachfolger));
    }
    return serialisiert(tabelle);
}

// Texts whose boxes tell the layouts apart: their advances differ by fractions of a pixel per
// glyph, which a longer text adds up, and libraqm joins "fi" and "ffl" in fonts that have
// those ligatures. The probe is the shortest of them, from three characters on (a layout the
// script does not know should not pass for a known one by chance): GD's time for it grows by
// the hinting of each glyph.
constexpr std::string_view Probenzeichen = "fi Tafomat ffl AVAWAY To Ty 1234567890";
constexpr int Probenlängen = 3;
constexpr std::size_t KürzesteProbe = 3;

std::vector<std::string> probentexte() {
    std::string zeichen(Probenzeichen);
    for (int runde = 1; runde < Probenlängen; ++runde) zeichen += " " + std::string(Probenzeichen);
    std::vector<std::string> texte;
    for (std::size_t länge = KürzesteProbe; länge <= zeichen.size(); ++länge)
        if (zeichen[länge - 1] != ' ') texte.push_back(zeichen.substr(0, länge));
    return texte;
}

std::string rahmenSchlüssel(const Textrahmen& rahmen) {
    return std::to_string(rahmen.rechts) + "," + std::to_string(rahmen.unten) + "," +
           std::to_string(rahmen.oben);
}

std::string höhenSchlüssel(const Textrahmen& rahmen) {
    return std::to_string(rahmen.unten) + "," + std::to_string(rahmen.oben);
}

bool unterscheidbar(const Probenmaß& maß) {
    return maß.system && maß.gebündelt && maß.raqm && *maß.system != *maß.gebündelt &&
           *maß.system != *maß.raqm && *maß.gebündelt != *maß.raqm;
}

// The text that confirms a layout other than the system's before the script spends its calls
// on it: longer, with glyphs above and below the line, so that another font under the bundle's
// name does not pass for the bundle's on a known layout.
constexpr std::string_view Prüftext = "Tafomat fi ffl AVAWAY To Ty gjpqy|()";

struct Probe {
    std::string größe;
    std::string text;
    Probenmaß maß;
    Probenmaß prüfung;
};

// The shortest text that at one of the sizes gives three boxes on the three layouts; failing
// that, the first the system's layout can set, whose coinciding boxes the script then reads as
// the system's (or bundled GD's before raqm's).
std::optional<Probe> probeWählen(const std::map<double, Alphabet>& alphabete,
                                 const Surface& fläche) {
    std::optional<Probe> notfalls;
    for (const std::string& text : probentexte()) {
        for (const auto& größe : alphabete) {
            const std::optional<std::string> schlüssel = größeAlsSchlüssel(größe.first);
            if (!schlüssel) continue;
            const std::optional<Probenmaß> maß = fläche.probenmaß(größe.first, text);
            if (!maß || !maß->system) continue;
            Probe probe{*schlüssel, text, *maß,
                        fläche.probenmaß(größe.first, std::string(Prüftext)).value_or(Probenmaß{})};
            if (unterscheidbar(*maß)) return probe;
            if (!notfalls) notfalls = probe;
        }
    }
    return notfalls;
}

// The boxes the layouts give a text, "right,lower,upper" => name, and the heights among them.
std::string sätzeUndHöhen(const Probenmaß& maß) {
    std::string sätze;
    std::set<std::string> höhen;
    const std::pair<const std::optional<Textrahmen>&, const char*> folge[] = {
        {maß.raqm, "Raqm"}, {maß.gebündelt, "Gebuendelt"}, {maß.system, "System"}};
    for (const auto& [rahmen, name] : folge) {
        if (!rahmen) continue;
        if (!sätze.empty()) sätze += ",";
        sätze += "\"" + rahmenSchlüssel(*rahmen) + "\"=>\"" + name + "\"";
        höhen.insert("\"" + höhenSchlüssel(*rahmen) + "\"=>1");
    }
    std::string höhenListe;
    for (const std::string& höhe : höhen) höhenListe += (höhenListe.empty() ? "" : ",") + höhe;
    return "\"Saetze\"=>[" + sätze + "],\"Hoehen\"=>[" + höhenListe + "]";
}

// The box each layout gives the confirming text: name => "right,lower,upper", the heights, and
// the span of right edges, widened by two pixels, in which an unknown layout of the same font
// ends (another font ends further off).
std::string prüfung(const Probenmaß& maß) {
    std::string sätze;
    std::set<std::string> höhen;
    int links = std::numeric_limits<int>::max();
    int rechts = std::numeric_limits<int>::min();
    const std::pair<const std::optional<Textrahmen>&, const char*> folge[] = {
        {maß.system, "System"}, {maß.gebündelt, "Gebuendelt"}, {maß.raqm, "Raqm"}};
    for (const auto& [rahmen, name] : folge) {
        if (!rahmen) continue;
        if (!sätze.empty()) sätze += ",";
        sätze += "\"" + std::string(name) + "\"=>\"" + rahmenSchlüssel(*rahmen) + "\"";
        höhen.insert("\"" + höhenSchlüssel(*rahmen) + "\"=>1");
        links = std::min(links, rahmen->rechts - 2);
        rechts = std::max(rechts, rahmen->rechts + 2);
    }
    std::string höhenListe;
    for (const std::string& höhe : höhen) höhenListe += (höhenListe.empty() ? "" : ",") + höhe;
    if (links > rechts) links = rechts = 0;
    return "\"Saetze\"=>[" + sätze + "],\"Hoehen\"=>[" + höhenListe + "],\"Spanne\"=>[" +
           std::to_string(links) + "," + std::to_string(rechts) + "]";
}

std::string probenZeile(const Probe& probe) {
    return "$Schriftprobe=[\"Groesse\"=>" + probe.größe + ",\"Text\"=>\"" + probe.text + "\"," +
           sätzeUndHöhen(probe.maß) + ",\"Pruefung\"=>[\"Text\"=>\"" + std::string(Prüftext) +
           "\"," + prüfung(probe.prüfung) + "]];" + std::string(Zeilenumbruch);
}

}  // namespace

std::string SchriftmaßeZeilen(const Zeichenplan& plan, const Felder& felder,
                              const Surface& fläche) {
    std::string zeilen;
    const std::map<double, Alphabet> alphabete = alphabeteJeGröße(plan, felder);
    for (const auto& [größe, alphabet] : alphabete) {
        const std::optional<std::string> schlüssel = größeAlsSchlüssel(größe);
        if (!schlüssel) continue;
        Alphabet gemessen;
        const std::string zeichen = zeichenTabelle(alphabet, größe, fläche, gemessen);
        if (gemessen.empty()) continue;
        zeilen += "$Schriftmasse[\"" + *schlüssel + "\"]=\"" +
                  serialisiert({{"0", zeichen}, {"1", paarTabelle(gemessen, größe, fläche)}}) +
                  "\";";
        zeilen += Zeilenumbruch;
    }
    if (zeilen.empty()) return zeilen;
    const std::optional<Probe> probe = probeWählen(alphabete, fläche);
    return probe ? zeilen + probenZeile(*probe) : zeilen;
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
