#include "design/Gestaltung.h"

#include "model/Datensaetze.h"

namespace tafomat {

namespace {

std::vector<int> abwärts(int höchste) {
    std::vector<int> liste;
    for (int q = höchste; q >= 0; --q) liste.push_back(q);
    return liste;
}

// Every control that the settings file fills redraws; the picture's path and name are the
// window's own values, held by no control.
bool zeichnetNeu(Feld feld) {
    const std::optional<Datensatzart> art = DatensatzartVon(feld);
    return art && *art != Datensatzart::Bildpfad && *art != Datensatzart::Bildname;
}

}  // namespace

std::vector<int> BildArtAnwenden(Felder& felder) {
    const std::string art = felder.text(Feld::BildArt);
    if (art == "jpeg") {
        felder.setText(Feld::BildQuallität, "75");
        return abwärts(100);
    }
    if (art == "png") {
        felder.setText(Feld::BildQuallität, "9");
        return abwärts(9);
    }
    felder.setText(Feld::BildArt, "gif");
    felder.setText(Feld::BildQuallität, "");
    return {};
}

void SchriftartAnwenden(const Felder& felder, GdSurface& vorschau) {
    // A name that no font file answers leaves the font the preview has.
    [[maybe_unused]] const bool genommen = vorschau.setFontName(felder.text(Feld::SchriftartListe));
}

EinstellungenErgebnis EinstellungenLaden(std::string_view bytes, Felder& felder,
                                         GdSurface& vorschau) {
    const EinstellungenErgebnis ergebnis =
        EinstellungenAnwenden(EinstellungenParsen(bytes), felder, vorschau);
    // What a fresh start shows, not the picture of the design before.
    if (ergebnis.bildFehlt) vorschau.loadBuiltInBackground();
    return ergebnis;
}

Gestaltungsfelder::Gestaltungsfelder(GdSurface& vorschau, const Uhr& uhr)
    : m_vorschau(vorschau), m_uhr(uhr) {}

void Gestaltungsfelder::setText(Feld feld, const std::string& text) {
    if (m_felder.text(feld) == text) return;
    m_felder.setText(feld, text);
    geändert(feld);
}

void Gestaltungsfelder::setWert(Feld regler, int wert) {
    if (m_felder.wert(regler) == wert) return;
    m_felder.setWert(regler, wert);
    geändert(regler);
}

std::optional<Zeichenstopp> Gestaltungsfelder::neuZeichnen() {
    return BildZeichnen(m_felder, m_vorschau, m_uhr);
}

void Gestaltungsfelder::geändert(Feld feld) {
    if (!zeichnetNeu(feld)) return;
    if (feld == Feld::SchriftartListe) SchriftartAnwenden(m_felder, m_vorschau);
    // The plain store words no stop: the command line checks the fields once the design is
    // loaded.
    [[maybe_unused]] const std::optional<Zeichenstopp> stopp = neuZeichnen();
}

std::string Gestaltungsstand(const Felder& felder, const Surface& vorschau) {
    std::string stand = vorschau.fontName();
    for (const Datensatz& satz : Datensätze) {
        if (!satz.feld || satz.art == Datensatzart::Schriftart) continue;
        const std::string text = felder.text(*satz.feld);
        stand += '\n' + std::to_string(text.size()) + ':' + text;
    }
    return stand;
}

}  // namespace tafomat
