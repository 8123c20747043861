#include "phpgen/PhpSkript.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/Zahlen.h"
#include "phpgen/PhpText.h"
#include "phpgen/Zeichenblock.h"

namespace tafomat {

namespace {

// Whole cents of an amount field, rounded down; nullopt when unreadable or beyond any number.
std::optional<std::string> ganzeCent(const Felder& felder, Feld feld) {
    const std::optional<double> betrag = readDecimal(felder.text(feld));
    if (!betrag) return std::nullopt;
    const double cent = std::floor(*betrag * 100);
    if (!std::isfinite(cent)) return std::nullopt;
    return regionalNumberText(cent);
}

// The cigarettes per day as a PHP number, so that no typed text runs as code.
std::optional<std::string> kippenImSkript(const Felder& felder) {
    const std::optional<double> kippen = readDecimal(felder.text(Feld::KiTxt));
    if (!kippen || !std::isfinite(*kippen)) return std::nullopt;
    return phpZahl(*kippen);
}

// mktime's month, day and year as whole numbers: digits with leading zeros would be octal
// or no number at all in PHP.
std::optional<std::string> beginnImSkript(const Felder& felder) {
    const std::optional<Tageszahl> tag = readDate(felder.text(Feld::DaTxt));
    if (!tag) return std::nullopt;
    const Kalenderdatum datum = kalenderdatum(*tag);
    return "$Beginn=mktime(0,0,0," + std::to_string(datum.monat) + "," + std::to_string(datum.tag) +
           "," + std::to_string(datum.jahr) + ");";
}

// The type goes into a function name and the quality into an argument.
bool istBildart(const std::string& art) {
    return !art.empty() && std::all_of(art.begin(), art.end(), [](char zeichen) {
        return std::isalnum(static_cast<unsigned char>(zeichen)) &&
               static_cast<unsigned char>(zeichen) < 128;
    });
}

bool istGanzeZahl(const std::string& text) {
    const std::size_t ziffern = !text.empty() && text.front() == '-' ? 1 : 0;
    return text.size() > ziffern &&
           std::all_of(text.begin() + ziffern, text.end(),
                       [](char zeichen) { return zeichen >= '0' && zeichen <= '9'; });
}

std::optional<std::string> ausgabeaufruf(const Felder& felder, const std::string& art) {
    if (art == "gif") return std::string("Imagegif($Bild);");
    const std::string qualität = felder.text(Feld::BildQuallität);
    if (!istGanzeZahl(qualität)) return std::nullopt;
    return "Image" + art + "($Bild,Null," + qualität + ");";
}

class Skript {
  public:
    void zeile(std::string_view text) {
        m_text += text;
        m_text += Zeilenumbruch;
    }
    void zeilen(std::initializer_list<std::string_view> texte) {
        for (const std::string_view text : texte) zeile(text);
    }
    void block(std::string_view text) { m_text += text; }
    std::string fertig(std::string_view letzteZeile) && {
        m_text += letzteZeile;
        return std::move(m_text);
    }

  private:
    std::string m_text;
};

std::string euroZeile(std::string_view variable) {
    const std::string v(variable);
    return "$A=" + v + "; " + v + "=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);";
}

struct Eingaben {
    std::string art;
    std::string beginn;
    std::string alteKosten;
    std::string kippen;
    std::string anschaffung;
    std::string neueKosten;
    std::string steuern;
    std::string ausgabe;
};

std::optional<Eingaben> eingabenLesen(const Felder& felder) {
    Eingaben e;
    e.art = felder.text(Feld::BildArt);
    if (!istBildart(e.art)) return std::nullopt;
    const auto beginn = beginnImSkript(felder);
    const auto alteKosten = ganzeCent(felder, Feld::AlTxt);
    const auto kippen = kippenImSkript(felder);
    const auto anschaffung = ganzeCent(felder, Feld::AnTxt);
    const auto neueKosten = ganzeCent(felder, Feld::NeTxt);
    const auto steuern = ganzeCent(felder, Feld::StTxt);
    const auto ausgabe = ausgabeaufruf(felder, e.art);
    if (!beginn || !alteKosten || !kippen || !anschaffung || !neueKosten || !steuern || !ausgabe)
        return std::nullopt;
    e.beginn = *beginn;
    e.alteKosten = *alteKosten;
    e.kippen = *kippen;
    e.anschaffung = *anschaffung;
    e.neueKosten = *neueKosten;
    e.steuern = *steuern;
    e.ausgabe = *ausgabe;
    return e;
}

std::string skriptText(const Felder& felder, const Eingaben& e, const std::string& zeichenblock) {
    Skript s;
    s.zeilen({"<?php", "Header (\"Content-type: image/" + e.art + "\");",
              "// ---------- Eingabe - Werte ----------"});
    s.zeile("$Datum=\"" + gezeichneterText(felder.text(Feld::DaTxt)) + "\";");
    s.zeilen(
        {e.beginn, "$Heute=time();", "$Gesamt=$Heute-$Beginn;", "$Tage=floor($Gesamt/86400);"});
    s.zeile("$AlteKosten=" + e.alteKosten + ";");
    s.zeile("$Kippen=" + e.kippen + ";");
    s.zeile("$AlleKippen=$Tage*$Kippen;");
    s.zeile("$Anschaffung=" + e.anschaffung + ";");
    s.zeile("$NeueKosten=" + e.neueKosten + ";");
    s.zeile("$Steuern=" + e.steuern + ";");
    s.zeilen({"$Gespart=($Tage*($AlteKosten-$NeueKosten))-$Anschaffung;", "$Fiskus=$Tage*$Steuern;",
              "", "// ---------- Euro-Werte richtig zusammenstellen ----------"});
    for (const std::string_view variable :
         {"$AlteKosten", "$Anschaffung", "$NeueKosten", "$Steuern", "$Gespart", "$Fiskus"})
        s.zeile(euroZeile(variable));
    // GD looks for a font name without a folder only along GDFONTPATH, not next to the script.
    s.zeilen({"",
              "// ---------- Texte ins Bild einf\xFC"
              "gen ----------",
              "putenv(\"GDFONTPATH=\".__DIR__);"});
    s.zeile("$Bild=ImageCreateFromJPEG(\"" + dateinameImText(felder.text(Feld::HintergrundName)) +
            "\");");
    s.zeile("");
    s.block(zeichenblock);
    s.zeilen({e.ausgabe, "ImageDestroy($Bild);"});
    return std::move(s).fertig("?>");
}

}  // namespace

std::optional<std::string> ZeichenblockÜbersetzen(const Felder& felder, Surface& flaeche) {
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, flaeche);
    if (!plan) return std::nullopt;
    return Zeichenblock(*plan, flaeche.fontName());
}

std::optional<std::string> PhpSkript(const Felder& felder, Surface& flaeche) {
    const std::optional<std::string> zeichenblock = ZeichenblockÜbersetzen(felder, flaeche);
    if (!zeichenblock) return std::nullopt;
    const std::optional<Eingaben> eingaben = eingabenLesen(felder);
    if (!eingaben) return std::nullopt;
    return skriptText(felder, *eingaben, *zeichenblock);
}

std::string PhpDateiname(std::string pfad) {
    constexpr std::string_view endung = ".php";
    if (pfad.size() < endung.size() ||
        pfad.compare(pfad.size() - endung.size(), endung.size(), endung) != 0)
        pfad += endung;
    return pfad;
}

}  // namespace tafomat
