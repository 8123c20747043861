#include <algorithm>
#include <cmath>

#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

void textZeile(std::string& datei, const std::string& text) {
    for (const char zeichen : text)
        if (zeichen != '\r' && zeichen != '\n') datei += zeichen;
    datei += Zeilenumbruch;
}

// A blank before a number that is not negative, one blank after it.
void zahlZeile(std::string& datei, long long zahl) {
    if (zahl >= 0) datei += ' ';
    datei += std::to_string(zahl);
    datei += ' ';
    datei += Zeilenumbruch;
}

long long ganzzahligerTeil(double punkte) {
    if (!std::isfinite(punkte)) return 0;
    return static_cast<long long>(std::floor(std::clamp(punkte, -1e15, 1e15)));
}

}  // namespace

std::string EinstellungenDateiname(std::string name) {
    if (!name.ends_with(".txt")) name += ".txt";
    return name;
}

std::string EinstellungenText(const Felder& felder, const Surface& surface) {
    std::string datei;
    textZeile(datei, felder.text(Feld::HintergrundPfad));
    textZeile(datei, felder.text(Feld::HintergrundName));
    textZeile(datei, surface.fontName());
    zahlZeile(datei, ganzzahligerTeil(surface.fontSize()));
    zahlZeile(datei, surface.textColor());
    for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand}) {
        zahlZeile(datei, felder.wert(regler));
    }
    for (const Feld feld : Eingabefelder) textZeile(datei, felder.text(feld));
    datei += felder.text(Feld::Txt);
    datei += Zeilenumbruch;
    return datei;
}

}  // namespace tafomat
