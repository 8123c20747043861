#include "phpgen/PhpSkript.h"

#include <algorithm>
#include <cmath>

#include "model/Dezimalzahl.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpText.h"
#include "phpgen/Schriftmasse.h"
#include "phpgen/ServerWerte.h"
#include "phpgen/Zeichenblock.h"

namespace tafomat {

std::string_view bildSendenPhp();  // src/phpgen/BildSenden.php, built in

namespace {

// Whole cents of an amount field: its exact decimal value times 100, rounded down, so that
// 4,35 is 435 and not the 434 of a binary fraction. nullopt when unreadable or beyond any
// number.
[[nodiscard]] std::optional<std::string> ganzeCent(const Felder& felder, Feld feld) {
    const std::optional<Dezimalzahl> betrag = Dezimalzahl::lesen(felder.text(feld));
    if (!betrag) return std::nullopt;
    const Dezimalzahl cent = betrag->malHundert();
    if (!std::isfinite(cent.wert())) return std::nullopt;
    return cent.abgerundet();
}

// The cigarettes per day as a PHP number, so that no typed text runs as code.
[[nodiscard]] std::optional<std::string> kippenImSkript(const Felder& felder) {
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

// The picture's type and quality and the call that sends it; gif takes no quality (0).
struct Ausgabe {
    std::string art;
    int qualität = 0;
    std::string aufruf;
};

[[nodiscard]] std::optional<Ausgabe> ausgabeLesen(const Felder& felder) {
    const std::optional<std::string> art = bildartLesen(felder.text(Feld::BildArt));
    if (!art) return std::nullopt;
    if (*art == "gif") return Ausgabe{*art, 0, "Imagegif($Bild);"};
    const std::optional<int> qualität = qualitätLesen(*art, felder.text(Feld::BildQuallität));
    if (!qualität) return std::nullopt;
    return Ausgabe{*art, *qualität,
                   "Image" + *art + "($Bild,Null," + std::to_string(*qualität) + ");"};
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
    for (const Serverrechnung& rechnung : Serverrechnungen)
        s.zeile(std::string(rechnung.variable) + "=" +
                (rechnung.eingabe ? werte.*rechnung.eingabe : std::string(rechnung.formel)) + ";");
}

// The texts drawn for the values: the euro texts first, then the others in their order.
void texteZeilen(Skript& s, const Felder& felder) {
    for (const Serverrechnung& rechnung : Serverrechnungen)
        if (rechnung.text == Serverrechnung::Text::Euro) s.zeile(euroZeile(rechnung.variable));
    for (const Serverrechnung& rechnung : Serverrechnungen) {
        const std::string variable(rechnung.variable);
        if (rechnung.text == Serverrechnung::Text::Getippt)
            s.zeile(variable + "=\"" + gezeichneterText(felder.text(rechnung.getippt)) + "\";");
        else if (rechnung.text == Serverrechnung::Text::Komma)
            s.zeile(variable + "=str_replace(\".\",\",\"," + variable + ");");
    }
}

// The drawing block, and the font's measures that its calls place the glyphs with.
struct Zeichenteil {
    std::string maße;
    std::string block;
};

// The files the script opens next to itself, as PHP expressions, and their bare names for the
// picture that says which one is missing.
struct Serverdateien {
    std::string bild;
    std::string bildname;
    std::string schrift;
    std::string schriftname;
};

Serverdateien serverdateien(const Felder& felder, const Surface& fläche) {
    const std::string bild = felder.text(Feld::HintergrundName);
    const std::string schrift = fläche.fontName() + ".ttf";
    return {dateiImSkript(bild), dateinameImText(bild), dateiImSkript(schrift),
            dateinameImText(schrift)};
}

// The display of the script's own errors goes off first: a warning would reach the forum inside
// the picture's bytes, with the server's folders in it. The server's log still gets it.
void kopfZeilen(Skript& s, const std::string& art) {
    s.zeilen({"<?php", "Header (\"Content-type: image/" + art + "\");",
              "if (function_exists(\"ini_set\")) ini_set(\"display_errors\",\"0\");"});
}

// What a cache needs to keep the picture until the day ends at $Morgen.
void gültigBisZeilen(Skript& s, const std::string& einzug, const std::string& jetzt) {
    s.zeilen({einzug + "Header (\"ETag: \".chr(34).$Fassung.\"-\".$Morgen.chr(34));",
              einzug + "Header (\"Cache-Control: public, max-age=\".($Morgen-" + jetzt + "));",
              einzug + "Header (\"Expires: \".gmdate(\"D, d M Y H:i:s\",$Morgen).\" GMT\");"});
}

// The picture changes when the day count moves on at the server's midnight, or when one of its
// three files is replaced, known by their change times (an upload may keep a file's old
// modification time) and sizes. Its ETag holds both: the files' state and the instant the day
// ends. A browser or image proxy that asks again with the ETag before then is answered at once,
// before the day is even looked up in the server's time zone, which costs more than all the
// rest of that answer. No day is longer than
// 25 hours: an end beyond that was not the script's.
void nochGültigZeilen(Skript& s, const Serverdateien& dateien) {
    s.zeilen({"// ---------- Zwischenspeicher: gilt das Bild noch? ----------",
              "$Bilddatei=" + dateien.bild + ";", "$Schriftdatei=" + dateien.schrift + ";",
              "$Fassung=md5(filectime(__FILE__).\" \".filesize(__FILE__).\" \"."
              "@filectime($Bilddatei).\" \".@filesize($Bilddatei).\" \".@filectime($Schriftdatei)."
              "\" \".@filesize($Schriftdatei));",
              "$Anfrage=isset($_SERVER[\"HTTP_IF_NONE_MATCH\"]) ? "
              "$_SERVER[\"HTTP_IF_NONE_MATCH\"] : \"\";",
              "$Stelle=strpos($Anfrage,chr(34).$Fassung.\"-\");",
              "$Morgen=$Stelle===false ? 0 : (int)substr($Anfrage,$Stelle+34);",
              "if (time()<$Morgen && $Morgen<=time()+90000) {"});
    gültigBisZeilen(s, "    ", "time()");
    s.zeilen({"    http_response_code(304);", "    exit;", "}",
              "// ---------- Eingabe - Werte ----------"});
}

// Everything else is answered once the day is known. Its start is the Last-Modified date, which
// counts only where no ETag was asked for; a file replaced since then moves it on, so that a
// client asking by date alone gets the new picture too. A change time ahead of the server's
// clock is none it can vouch for.
void bisMitternachtZeilen(Skript& s) {
    s.zeilen({"", "// ---------- Zwischenspeicher: gilt bis Mitternacht ----------",
              "$Tag=mktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute),date(\"Y\",$Heute));",
              "$Morgen=mktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute)+1,date(\"Y\",$Heute));",
              "$Hochgeladen=max(filectime(__FILE__),(int)@filectime($Bilddatei),"
              "(int)@filectime($Schriftdatei));",
              "$Zuletzt=$Hochgeladen>$Tag && $Hochgeladen<=$Heute ? $Hochgeladen : $Tag;",
              "Header (\"Last-Modified: \".gmdate(\"D, d M Y H:i:s\",$Zuletzt).\" GMT\");"});
    gültigBisZeilen(s, "", "$Heute");
    s.zeilen(
        {"if ($Anfrage===\"\" && isset($_SERVER[\"HTTP_IF_MODIFIED_SINCE\"]) && "
         "strtotime($_SERVER[\"HTTP_IF_MODIFIED_SINCE\"])>=$Zuletzt) {",
         "    http_response_code(304);", "    exit;", "}"});
}

// "Tafomat: Bild leer.jpg fehlt" as a PHP string.
std::string fehlertext(const std::string& was, const std::string& name, const char* warum) {
    return "\"Tafomat: " + was + " " + name + " " + warum + "\"";
}

// The statement that names the reason of the picture that says what is wrong: for the visitor
// in words, for a program in the header X-Tafomat-Fehler.
std::string fehlerSetzen(Skriptfehler fehler, const std::string& text) {
    return "{$Grund=\"" + std::string(Fehlerkennung(fehler)) + "\"; $Fehler=" + text + ";}";
}

constexpr const char* Beschädigt =
    "ist besch\xE4"
    "digt \x96 im Bin\xE4rmodus hochladen";

void dateiPrüfenZeilen(Skript& s, const std::string& datei, const std::string& was,
                       const std::string& name, Skriptfehler fehlt, Skriptfehler nichtLesbar) {
    s.zeilen({"if (!is_file(" + datei + ")) " + fehlerSetzen(fehlt, fehlertext(was, name, "fehlt")),
              "elseif (!is_readable(" + datei + ")) " +
                  fehlerSetzen(nichtLesbar, fehlertext(was, name, "ist nicht lesbar"))});
}

// The call that sends, instead of the banner, a picture of its size and type that says what is
// wrong; it ends the script.
std::string fehlerbildAufruf(const std::string& grund, const std::string& fehler,
                             const Surface& fläche, const std::string& art, int qualität) {
    return "FehlerbildSenden(" + grund + "," + fehler + "," +
           std::to_string(std::max(fläche.width(), 1)) + "," +
           std::to_string(std::max(fläche.height(), 1)) + ",\"" + art + "\"," +
           std::to_string(qualität) + ");";
}

// The picture is drawn into a buffer that is sent with its length at the end, without anything
// PHP may have said; the files are checked first, what the user can mend on his own first. GD
// without FreeType still draws the picture that says so; PHP without GD gets one ready-made.
// libjpeg's warnings about a picture cut off or changed by an upload in ASCII mode are heard,
// where GD would otherwise draw its rest striped or grey.
void bildÖffnenZeilen(Skript& s, const Serverdateien& dateien, const Surface& fläche,
                      const std::string& art, int qualität) {
    s.zeilen({"set_error_handler(\"MeldungMerken\");", "ob_start();",
              "register_shutdown_function(\"BildSenden\");",
              "if (!function_exists(\"ImageCreateTrueColor\")) {FertigesBild(\"" +
                  std::string(Fehlerkennung(Skriptfehler::OhneGd)) + "\"); exit;}",
              "$Fehler=\"\";",
              "if (!function_exists(\"ImageTTFText\") || !gd_info()[\"FreeType Support\"]) " +
                  fehlerSetzen(Skriptfehler::OhneFreeType, "\"Tafomat: PHP-GD ohne FreeType\"")});
    dateiPrüfenZeilen(s, "$Schriftdatei", "Schrift", dateien.schriftname,
                      Skriptfehler::SchriftFehlt, Skriptfehler::SchriftNichtLesbar);
    s.zeile("if ($Fehler===\"\" && !SchriftTaugt($Schriftdatei)) " +
            fehlerSetzen(Skriptfehler::SchriftBeschädigt,
                         fehlertext("Schrift", dateien.schriftname, Beschädigt)));
    dateiPrüfenZeilen(s, "$Bilddatei", "Bild", dateien.bildname, Skriptfehler::BildFehlt,
                      Skriptfehler::BildNichtLesbar);
    const std::string unbrauchbar = "if ($Fehler===\"\" && ($Bild===false || $Meldung!==\"\")";
    s.zeilen({"if (function_exists(\"ini_set\")) ini_set(\"gd.jpeg_ignore_warning\",\"0\");",
              "$Meldung=\"\";", "$Bild=$Fehler===\"\" ? ImageCreateFromJPEG($Bilddatei) : false;",
              unbrauchbar +
                  " && @file_get_contents($Bilddatei,false,Null,0,2)===chr(255).chr(216)) " +
                  fehlerSetzen(Skriptfehler::BildBeschädigt,
                               fehlertext("Bild", dateien.bildname, Beschädigt)),
              unbrauchbar + ") " +
                  fehlerSetzen(Skriptfehler::KeinJpeg,
                               fehlertext("Bild", dateien.bildname, "ist kein JPEG-Bild")),
              "if ($Fehler!==\"\") " + fehlerbildAufruf("$Grund", "$Fehler", fläche, art, qualität),
              "$Meldung=\"\";"});
}

// A font that GD cannot lay out (cut off, or changed by an upload in ASCII mode) leaves the text
// out, and PHP says so only in a warning.
std::string schriftGeprüftZeile(const Serverdateien& dateien, const Surface& fläche,
                                const std::string& art, int qualität) {
    return "if ($Meldung!==\"\") " +
           fehlerbildAufruf(
               "\"" + std::string(Fehlerkennung(Skriptfehler::SchriftBeschädigt)) + "\"",
               fehlertext("Schrift", dateien.schriftname, Beschädigt), fläche, art, qualität);
}

std::string skriptText(const Felder& felder, const Surface& fläche, const Ausgabe& ausgabe,
                       const Eingabewerte& werte, const Zeichenteil& zeichnen) {
    const Serverdateien dateien = serverdateien(felder, fläche);
    Skript s;
    kopfZeilen(s, ausgabe.art);
    nochGültigZeilen(s, dateien);
    werteZeilen(s, felder, werte);
    bisMitternachtZeilen(s);
    s.zeilen({"", "// ---------- Euro-Werte richtig zusammenstellen ----------"});
    texteZeilen(s, felder);
    s.zeilen({"", "// ---------- Bild senden, Meldungen nur ins Fehlerprotokoll ----------"});
    s.block(BildSendenFunktionen());
    s.zeilen({"", "// ---------- Text setzen wie die GD-Bibliothek des Systems ----------"});
    s.block(zeichnen.maße);
    s.block(TextZeichnenFunktionen());
    s.zeilen({"",
              "// ---------- Texte ins Bild einf\xFC"
              "gen ----------"});
    bildÖffnenZeilen(s, dateien, fläche, ausgabe.art, ausgabe.qualität);
    s.zeile("");
    s.block(zeichnen.block);
    s.zeile(schriftGeprüftZeile(dateien, fläche, ausgabe.art, ausgabe.qualität));
    // No ImageDestroy: it does nothing since PHP 8.0 and is deprecated since 8.5.
    s.zeile(ausgabe.aufruf);
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

std::optional<std::string> PhpSkript(const Felder& felder, const Surface& fläche) {
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, fläche);
    if (!plan) return std::nullopt;
    const Zeichenteil zeichnen{SchriftmaßeZeilen(*plan, felder, fläche),
                               Zeichenblock(*plan, fläche.fontName())};
    const std::optional<Ausgabe> ausgabe = ausgabeLesen(felder);
    if (!ausgabe) return std::nullopt;
    const std::optional<Eingabewerte> werte = EingabewerteLesen(felder);
    if (!werte) return std::nullopt;
    return skriptText(felder, fläche, *ausgabe, *werte, zeichnen);
}

std::string_view Fehlerkennung(Skriptfehler fehler) {
    switch (fehler) {
        case Skriptfehler::BildFehlt:
            return "bild-fehlt";
        case Skriptfehler::BildNichtLesbar:
            return "bild-nicht-lesbar";
        case Skriptfehler::KeinJpeg:
            return "kein-jpeg";
        case Skriptfehler::BildBeschädigt:
            return "bild-beschaedigt";
        case Skriptfehler::SchriftFehlt:
            return "schrift-fehlt";
        case Skriptfehler::SchriftNichtLesbar:
            return "schrift-nicht-lesbar";
        case Skriptfehler::SchriftBeschädigt:
            return "schrift-beschaedigt";
        case Skriptfehler::OhneFreeType:
            return "ohne-freetype";
        case Skriptfehler::OhneGd:
            return "ohne-gd";
        case Skriptfehler::PhpFehler:
            break;
    }
    return "php-fehler";
}

std::string BildSendenFunktionen() {
    std::string text;
    for (const char zeichen : bildSendenPhp()) {
        if (zeichen == '\n') text += '\r';
        text += zeichen;
    }
    return text;
}

std::string PhpDateiname(std::string pfad) {
    constexpr std::string_view endung = ".php";
    if (pfad.size() < endung.size() ||
        pfad.compare(pfad.size() - endung.size(), endung.size(), endung) != 0)
        pfad += endung;
    return pfad;
}

}  // namespace tafomat
