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

void schreiben(std::string& datei, const Datensatz& satz, const Felder& felder,
               const Surface& surface) {
    switch (satz.art) {
        case Datensatzart::Schriftart:
            return textZeile(datei, surface.fontName());
        case Datensatzart::Schriftgröße:
            return zahlZeile(datei, ganzzahligerTeil(surface.fontSize()));
        case Datensatzart::Textfarbe:
            return zahlZeile(datei, surface.textColor());
        case Datensatzart::Regler:
            return zahlZeile(datei, felder.wert(*satz.feld));
        case Datensatzart::Vorlage:
            datei += felder.text(*satz.feld);
            datei += Zeilenumbruch;
            return;
        case Datensatzart::Bildpfad:
        case Datensatzart::Bildname:
        case Datensatzart::Datum:
        case Datensatzart::Anzahl:
        case Datensatzart::Betrag:
            return textZeile(datei, felder.text(*satz.feld));
    }
}

}  // namespace

std::string EinstellungenDateiname(std::string name) {
    if (!name.ends_with(".txt")) name += ".txt";
    return name;
}

std::string EinstellungenText(const Felder& felder, const Surface& surface) {
    std::string datei;
    for (const Datensatz& satz : Datensätze) schreiben(datei, satz, felder, surface);
    return datei;
}

}  // namespace tafomat
