#include "bundle/Paketmeldung.h"

namespace tafomat {

namespace {

Wortlaut wortlaut(PaketFehler fehler) {
    switch (fehler) {
        case PaketFehler::KeinSkript:
            return {
                "Aus dieser Gestaltung kann kein Php-Programm erstellt werden: bitte die Werte "
                "und den Text prüfen!",
                "--bundle: %4 cannot be written"};
        case PaketFehler::KeineSchrift:
            return {"%6!", "--bundle: %6"};
        case PaketFehler::Bildname:
            return {
                "Der Name des Hintergrundbildes [%1] taugt nicht als Dateiname auf dem Server: "
                "bitte das Bild neu öffnen!",
                "%5: \"%2\" cannot be a file of its own next to the script and the font file"};
        case PaketFehler::BildVorhanden:
            return {
                "%7, und im Ordner [%4] liegt schon eine eigene Datei [%1], die das eingebaute "
                "Bild ersetzen würde: bitte das Bild neu öffnen oder einen anderen Ordner "
                "wählen!",
                "--bundle: the design's picture cannot be read, and %4 holds a file %1 that "
                "the built-in picture would replace"};
        case PaketFehler::Ordner:
            return {"Der Ordner [%4] kann nicht angelegt werden: %6!", "%4: cannot be written"};
        case PaketFehler::Schreiben:
            break;
    }
    return {
        "Die Datei [%1] kann im Ordner [%4] nicht gespeichert werden: %6. Keine Datei des "
        "Pakets wurde gespeichert, was dort lag, ist unverändert.",
        "%3: cannot be written"};
}

}  // namespace

std::string Paketmeldung(PaketFehler fehler, Sprache sprache, const Paketangaben& angaben) {
    return einsetzen(wortlaut(fehler).in(sprache),
                     {angaben.datei, angaben.kurz, angaben.pfad, angaben.ordner, angaben.ort,
                      angaben.grund, angaben.bild});
}

}  // namespace tafomat
