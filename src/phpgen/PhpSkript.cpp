#include "phpgen/PhpSkript.h"

#include <cmath>

#include "model/Dezimalzahl.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpText.h"
#include "phpgen/Schriftmasse.h"
#include "phpgen/Zeichenblock.h"

namespace tafomat {

namespace {

// Whole cents of an amount field: its exact decimal value times 100, rounded down, so that
// 4,35 is 435 and not the 434 of a binary fraction. nullopt when unreadable or beyond any
// number.
std::optional<std::string> ganzeCent(const Felder& felder, Feld feld) {
    const std::optional<Dezimalzahl> betrag = Dezimalzahl::lesen(felder.text(feld));
    if (!betrag) return std::nullopt;
    const Dezimalzahl cent = betrag->malHundert();
    if (!std::isfinite(cent.wert())) return std::nullopt;
    return cent.abgerundet();
}

// The cigarettes per day as a PHP number, so that no typed text runs as code.
std::optional<std::string> kippenImSkript(const Felder& felder) {
    const std::optional<double> kippen = readDecimal(felder.text(Feld::KiTxt));
    if (!kippen || !std::isfinite(*kippen)) return std::nullopt;
    return phpZahl(*kippen);
}

// gmmktime counts the days between two dates without the clock changes of the server's zone.
// It reads the years 0 to 100 as 1970 to 2069, so such a year is written as months before the
// next one: 04.11.0100 becomes month -1 of the year 101.
std::string beginnZeile(Kalenderdatum datum) {
    for (; datum.jahr <= 100; ++datum.jahr) datum.monat -= 12;
    return "$Beginn=gmmktime(0,0,0," + std::to_string(datum.monat) + "," +
           std::to_string(datum.tag) + "," + std::to_string(datum.jahr) + ");";
}

std::optional<std::string> ausgabeaufruf(const Felder& felder, const std::string& art) {
    if (art == "gif") return std::string("Imagegif($Bild);");
    const std::optional<int> qualität = qualitätLesen(art, felder.text(Feld::BildQuallität));
    if (!qualität) return std::nullopt;
    return "Image" + art + "($Bild,Null," + std::to_string(*qualität) + ");";
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

// The server's date in its own time zone, counted in whole calendar days from the start.
void tageZeilen(Skript& s, const Eingabewerte& werte) {
    s.zeilen({beginnZeile(werte.beginn), "$Heute=time();",
              "$Gesamt=gmmktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute),date(\"Y\",$Heute))-"
              "$Beginn;",
              "$Tage=intdiv($Gesamt,86400);"});
}

void werteZeilen(Skript& s, const Felder& felder, const Eingabewerte& werte) {
    s.zeile("$Datum=\"" + gezeichneterText(felder.text(Feld::DaTxt)) + "\";");
    tageZeilen(s, werte);
    s.zeile("$AlteKosten=" + werte.alteKosten + ";");
    s.zeile("$Kippen=" + werte.kippen + ";");
    s.zeile("$AlleKippen=$Tage*$Kippen;");
    s.zeile("$Anschaffung=" + werte.anschaffung + ";");
    s.zeile("$NeueKosten=" + werte.neueKosten + ";");
    s.zeile("$Steuern=" + werte.steuern + ";");
    s.zeilen(
        {"$Gespart=($Tage*($AlteKosten-$NeueKosten))-$Anschaffung;", "$Fiskus=$Tage*$Steuern;"});
}

// The texts drawn for the values: euros with a comma before the cents, the cigarettes per day
// as typed and their total with a decimal comma, as the window shows them.
void texteZeilen(Skript& s, const Felder& felder) {
    for (const std::string_view variable :
         {"$AlteKosten", "$Anschaffung", "$NeueKosten", "$Steuern", "$Gespart", "$Fiskus"})
        s.zeile(euroZeile(variable));
    s.zeile("$Kippen=\"" + gezeichneterText(felder.text(Feld::KiTxt)) + "\";");
    s.zeile("$AlleKippen=str_replace(\".\",\",\",$AlleKippen);");
}

// The drawing block, and the font's measures that its calls place the glyphs with.
struct Zeichenteil {
    std::string masse;
    std::string block;
};

std::string skriptText(const Felder& felder, const std::string& art, const Eingabewerte& werte,
                       const Zeichenteil& zeichnen, const std::string& ausgabe) {
    Skript s;
    s.zeilen({"<?php", "Header (\"Content-type: image/" + art + "\");",
              "// ---------- Eingabe - Werte ----------"});
    werteZeilen(s, felder, werte);
    s.zeilen({"", "// ---------- Euro-Werte richtig zusammenstellen ----------"});
    texteZeilen(s, felder);
    s.zeilen({"", "// ---------- Text setzen wie die GD-Bibliothek des Systems ----------"});
    s.block(zeichnen.masse);
    s.block(TextZeichnenFunktionen());
    s.zeilen({"",
              "// ---------- Texte ins Bild einf\xFC"
              "gen ----------"});
    s.zeile("$Bild=ImageCreateFromJPEG(" + dateiImSkript(felder.text(Feld::HintergrundName)) +
            ");");
    s.zeile("");
    s.block(zeichnen.block);
    // No ImageDestroy: it does nothing since PHP 8.0 and is deprecated since 8.5.
    s.zeile(ausgabe);
    return std::move(s).fertig("?>");
}

}  // namespace

std::optional<Eingabewerte> EingabewerteLesen(const Felder& felder) {
    const std::optional<Tageszahl> beginn = readDate(felder.text(Feld::DaTxt));
    const auto alteKosten = ganzeCent(felder, Feld::AlTxt);
    const auto kippen = kippenImSkript(felder);
    const auto anschaffung = ganzeCent(felder, Feld::AnTxt);
    const auto neueKosten = ganzeCent(felder, Feld::NeTxt);
    const auto steuern = ganzeCent(felder, Feld::StTxt);
    if (!beginn || !alteKosten || !kippen || !anschaffung || !neueKosten || !steuern)
        return std::nullopt;
    return Eingabewerte{
        kalenderdatum(*beginn), *alteKosten, *anschaffung, *neueKosten, *steuern, *kippen};
}

std::optional<std::string> ZeichenblockÜbersetzen(const Felder& felder, Surface& flaeche) {
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, flaeche);
    if (!plan) return std::nullopt;
    return Zeichenblock(*plan, flaeche.fontName());
}

std::optional<std::string> PhpSkript(const Felder& felder, Surface& flaeche) {
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, flaeche);
    if (!plan) return std::nullopt;
    const Zeichenteil zeichnen{SchriftmasseZeilen(*plan, felder, flaeche),
                               Zeichenblock(*plan, flaeche.fontName())};
    const std::optional<std::string> art = bildartLesen(felder.text(Feld::BildArt));
    if (!art) return std::nullopt;
    const std::optional<Eingabewerte> werte = EingabewerteLesen(felder);
    const std::optional<std::string> ausgabe = ausgabeaufruf(felder, *art);
    if (!werte || !ausgabe) return std::nullopt;
    return skriptText(felder, *art, *werte, zeichnen, *ausgabe);
}

std::string PhpDateiname(std::string pfad) {
    constexpr std::string_view endung = ".php";
    if (pfad.size() < endung.size() ||
        pfad.compare(pfad.size() - endung.size(), endung.size(), endung) != 0)
        pfad += endung;
    return pfad;
}

}  // namespace tafomat
