#include "template/Befehlschreiben.h"

#include <algorithm>

#include "model/Vorlage.h"

namespace tafomat {

namespace {

constexpr std::string_view Fett = "#B";

bool nurZiffern(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One command of the reader's that fills the whole text, all its fields digits.
bool einBefehl(std::string_view text, TokenArt art) {
    std::size_t stelle = 0;
    Token token{};
    return nextToken(text, stelle, token) && token.art == art && token.breite == text.size() &&
           nurZiffern(text.substr(2));
}

// "#X" digits "#Y" digits, each number at least three digits long.
bool positionspaar(std::string_view text) {
    if (text.substr(0, 2) != "#X") return false;
    const std::size_t y = text.find("#Y", 2);
    if (y == std::string_view::npos) return false;
    const std::string_view xZiffern = text.substr(2, y - 2);
    const std::string_view yZiffern = text.substr(y + 2);
    return xZiffern.size() >= 3 && yZiffern.size() >= 3 && nurZiffern(xZiffern) &&
           nurZiffern(yZiffern);
}

Textauswahl begrenzt(std::string_view vorlage, Textauswahl auswahl) {
    const std::size_t start = std::min(auswahl.start, vorlage.size());
    return {start, std::min(auswahl.länge, vorlage.size() - start)};
}

}  // namespace

bool istHilfsbefehl(std::string_view text, Hilfsbefehl art) {
    switch (art) {
        case Hilfsbefehl::Farbe:
            return einBefehl(text, TokenArt::BefehlF);
        case Hilfsbefehl::Größe:
            return einBefehl(text, TokenArt::BefehlG);
        case Hilfsbefehl::Position:
            return positionspaar(text);
    }
    return false;
}

Schreibung FettSchreiben(std::string_view vorlage, Textauswahl auswahl) {
    auswahl = begrenzt(vorlage, auswahl);
    const std::string_view gewählt = vorlage.substr(auswahl.start, auswahl.länge);
    if (gewählt == Fett) return {auswahl, {}, {auswahl.start, 0}};
    if (auswahl.länge <= 1) return {{auswahl.start, 0}, std::string(Fett), {auswahl.start, 2}};
    std::string umrahmt(Fett);
    umrahmt.append(gewählt).append(Fett);
    return {auswahl, umrahmt, {auswahl.start + Fett.size(), auswahl.länge}};
}

Schreibung BefehlSchreiben(std::string_view vorlage, Textauswahl auswahl, Hilfsbefehl art,
                           const std::string& befehl) {
    auswahl = begrenzt(vorlage, auswahl);
    const bool ersetzen = istHilfsbefehl(vorlage.substr(auswahl.start, auswahl.länge), art);
    const Textauswahl ersetzt{auswahl.start, ersetzen ? auswahl.länge : 0};
    const Textauswahl danach =
        art == Hilfsbefehl::Größe ? Textauswahl{0, 0} : Textauswahl{auswahl.start, befehl.size()};
    return {ersetzt, befehl, danach};
}

std::string angewendet(std::string_view vorlage, const Schreibung& schreibung) {
    const Textauswahl ersetzt = begrenzt(vorlage, schreibung.ersetzt);
    std::string text(vorlage.substr(0, ersetzt.start));
    text.append(schreibung.einsatz);
    text.append(vorlage.substr(ersetzt.start + ersetzt.länge));
    return text;
}

}  // namespace tafomat
