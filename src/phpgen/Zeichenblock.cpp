#include "phpgen/Zeichenblock.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Zahlen.h"
#include "phpgen/PhpText.h"
#include "preview/BildZeichnen.h"

namespace tafomat {

namespace {

constexpr std::string_view Schwarz = "$Farbe=ImageColorAllocate($Bild,0,0,0);";

struct Platzhalter {
    char name;
    std::string_view variable;
    Feld gemessen;
};

constexpr Platzhalter Platzhalterliste[] = {
    {'1', "$Datum", Feld::DaTxt},      {'2', "$Tage", Feld::TaTxt},
    {'3', "$AlteKosten", Feld::AlTxt}, {'4', "$Kippen", Feld::KiTxt},
    {'Z', "$AlleKippen", Feld::GZTxt}, {'5', "$Anschaffung", Feld::AnTxt},
    {'6', "$NeueKosten", Feld::NeTxt}, {'7', "$Gespart", Feld::GETxt},
    {'8', "$Steuern", Feld::StTxt},    {'9', "$Fiskus", Feld::GSTxt},
};

// GD draws at whole pixels and PHP 8 warns about a position with a fraction, so positions are
// rounded; one beyond GD's coordinate range cannot be drawn at all.
std::optional<std::string> pixelImSkript(double position) {
    const double gerundet = std::round(position);
    if (!(std::fabs(gerundet) <= std::numeric_limits<int>::max())) return std::nullopt;
    return regionalNumberText(gerundet);
}

// PHP 8's GD stops the script at a colour component outside 0 to 255, so the script takes the
// component as the preview does: rounded half to even and limited to that range.
std::string farbanteilImSkript(double wert) {
    const double gerundet = std::nearbyint(wert);
    return regionalNumberText(std::isnan(gerundet) ? 0 : std::clamp(gerundet, 0.0, 255.0));
}

bool nurBlanks(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char zeichen) { return zeichen == ' '; });
}

// A run opens and closes a string; a run that starts or ends with a concatenation (an escaped
// character or a placeholder) loses the empty string there.
std::string laufausdruck(const std::string& lauf) {
    std::string ausdruck = lauf;
    if (ausdruck.front() == '"')
        ausdruck.erase(0, 2);
    else
        ausdruck.insert(0, 1, '"');
    if (ausdruck.back() == '"')
        ausdruck.erase(ausdruck.size() - 2);
    else
        ausdruck += '"';
    return ausdruck;
}

}  // namespace

Zeichenblock::Zeichenblock(const Felder& felder, Surface& flaeche)
    : m_felder(felder), m_flaeche(flaeche) {}

std::optional<std::string> Zeichenblock::übersetzen() {
    m_schrift = dateinameImText(m_flaeche.fontName());
    m_grundgröße = Grundgröße(m_felder);
    m_zeileY = m_felder.wert(Feld::YPos);
    // The widths are measured at the size that the drawing calls name, also when the last
    // redraw stopped before it set the base size.
    if (!größeSetzen(m_grundgröße)) return std::nullopt;
    for (const Token& token : scanTemplate(m_felder.text(Feld::Txt))) {
        if (!ausführen(token)) return std::nullopt;
    }
    if (!PhpTextzeile()) return std::nullopt;
    return std::move(m_block);
}

bool Zeichenblock::ausführen(const Token& token) {
    switch (token.art) {
        case TokenArt::Zeilenumbruch:
            if (!PhpTextzeile()) return false;
            neueZeile();
            return true;
        case TokenArt::BefehlX:
            if (!PhpTextzeile()) return false;
            m_laufStartX = m_stiftX = token.werte[0];
            return true;
        case TokenArt::BefehlY:
            if (!PhpTextzeile()) return false;
            m_zeileY = token.werte[0];
            return true;
        case TokenArt::BefehlF:
            if (!m_lauf.empty() && !PhpTextzeile()) return false;
            PhpFarbe(token);
            return true;
        case TokenArt::BefehlG:
            return PhpTextzeile() && größeSetzen(token.werte[0]);
        case TokenArt::BefehlB:
            if (!PhpTextzeile()) return false;
            m_fett = !m_fett;
            return true;
        case TokenArt::Platzhalter:
            PhpPlatzhalter(token);
            return true;
        case TokenArt::Textzeichen:
            if (token.zeichen == '#')
                PhpPlatzhalter(token);
            else
                zeichenAnhängen(token.zeichen);
            return true;
    }
    return true;
}

void Zeichenblock::neueZeile() {
    m_laufStartX = m_stiftX = 0;
    m_zeileY += m_grundgröße + m_felder.wert(Feld::Abstand);
}

bool Zeichenblock::größeSetzen(double größe) {
    if (!m_flaeche.setFontSize(größe)) return false;
    m_größe = größe;
    return true;
}

void Zeichenblock::zeichenAnhängen(char zeichen) {
    m_lauf += gezeichnetesZeichen(static_cast<unsigned char>(zeichen));
    m_einZeichen[0] = zeichen;
    m_stiftX += m_flaeche.textWidth(m_einZeichen);
}

// A "#" that begins no command reaches here as a text character and is left out.
void Zeichenblock::PhpPlatzhalter(const Token& token) {
    if (token.art != TokenArt::Platzhalter) return;
    for (const Platzhalter& platzhalter : Platzhalterliste) {
        if (platzhalter.name != token.zeichen) continue;
        m_lauf += "\".";
        m_lauf += platzhalter.variable;
        m_lauf += ".\"";
        m_stiftX += m_flaeche.textWidth(m_felder.text(platzhalter.gemessen));
        return;
    }
}

void Zeichenblock::PhpFarbe(const Token& token) {
    m_block += "$Farbe=ImageColorAllocate($Bild," + farbanteilImSkript(token.werte[0]) + "," +
               farbanteilImSkript(token.werte[1]) + "," + farbanteilImSkript(token.werte[2]) + ");";
    m_block += Zeilenumbruch;
}

// Blanks alone write nothing: they only move the next run to the right.
bool Zeichenblock::PhpTextzeile() {
    if (m_lauf.empty()) return true;
    if (nurBlanks(m_lauf)) {
        m_lauf.clear();
        m_laufStartX = m_stiftX;
        return true;
    }
    if (m_block.empty()) {
        m_block += Schwarz;
        m_block += Zeilenumbruch;
    }
    m_block += "$Txt=" + laufausdruck(m_lauf) + ";";
    m_block += Zeilenumbruch;
    if (!zeichenaufrufeSchreiben()) return false;
    m_laufStartX = m_stiftX;
    m_block += Zeilenumbruch;
    m_lauf.clear();
    return true;
}

// Bold draws the run a second time one pixel to the right; y is the baseline.
bool Zeichenblock::zeichenaufrufeSchreiben() {
    const std::optional<std::string> y = pixelImSkript(m_zeileY + 3 + m_größe);
    const std::string größe = phpZahl(m_größe);
    for (int k = 0; k <= (m_fett ? 1 : 0); ++k) {
        const std::optional<std::string> x =
            pixelImSkript(m_laufStartX + m_felder.wert(Feld::XPos) + k);
        if (!x || !y) return false;
        m_block += "ImageTTFText($Bild," + größe + ",0," + *x + "," + *y + ",$Farbe," +
                   schriftdateiImSkript(m_flaeche.fontName()) + ",$Txt);";
        m_block += Zeilenumbruch;
    }
    return true;
}

}  // namespace tafomat
