#include "publish/Pruefung.h"

#include <curl/curl.h>
#include <gd.h>
#include <gdfontg.h>
#include <gdfontl.h>
#include <gdfontmb.h>
#include <gdfonts.h>
#include <gdfontt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>
#include <vector>

#include "model/Cp1252.h"
#include "render/Bilddatei.h"
#include "render/Sendegroesse.h"
#include "render/Serveransicht.h"

namespace tafomat {

namespace {

constexpr long long Tag = 86400;
constexpr Tageszahl UnixNulltag = 25569;  // 1.1.1970 as a day number
constexpr long long GrößteFläche = 16777216;

// A JPEG from another encoder than the program's may differ by this much and still be the
// same banner: on average and at any one pixel, in levels of a colour channel.
constexpr double JpegMittel = 2.0;
constexpr int JpegGrößte = 48;
// Another FreeType's rasterizer gives glyph edges a coverage level or two more or less.
constexpr int KantenStufen = 4;

std::string datumText(Tageszahl tag) {
    const Kalenderdatum datum = kalenderdatum(tag);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", datum.tag % 100, datum.monat % 100,
                  datum.jahr % 10000);
    return text;
}

std::string zoneText(int versatz) {
    char text[16];
    const int betrag = std::abs(versatz) / 60;
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", versatz < 0 ? '-' : '+', (betrag / 60) % 100,
                  betrag % 60);
    return text;
}

std::string artVon(const std::string& bytes) {
    if (bytes.starts_with("\xFF\xD8\xFF")) return "jpeg";
    if (bytes.starts_with("\x89PNG\r\n\x1A\n")) return "png";
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return "gif";
    return {};
}

unsigned wort(const std::string& bytes, std::size_t stelle, bool großEndig) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[stelle + i]); };
    return großEndig ? (b(0) << 8) | b(1) : b(0) | (b(1) << 8);
}

// A JPEG's comment segment, where GD names its encoder; empty when it has none.
std::string jpegKommentar(const std::string& bytes) {
    std::size_t stelle = 2;
    while (stelle + 4 <= bytes.size() && static_cast<unsigned char>(bytes[stelle]) == 0xFF) {
        const auto marke = static_cast<unsigned char>(bytes[stelle + 1]);
        const unsigned länge = wort(bytes, stelle + 2, true);
        if (marke == 0xDA || länge < 2) break;
        if (marke == 0xFE) return bytes.substr(stelle + 4, länge - 2);
        stelle += 2 + länge;
    }
    return {};
}

// Width and height from the picture's header, read before anything is decoded: a picture of
// enormous size would hold the check up for minutes.
std::optional<std::pair<long long, long long>> kopfgröße(const std::string& bytes,
                                                         const std::string& art) {
    if (art == "png" && bytes.size() >= 24)
        return std::pair{(long long)wort(bytes, 16, true) << 16 | wort(bytes, 18, true),
                         (long long)wort(bytes, 20, true) << 16 | wort(bytes, 22, true)};
    if (art == "gif" && bytes.size() >= 10)
        return std::pair{(long long)wort(bytes, 6, false), (long long)wort(bytes, 8, false)};
    std::size_t stelle = 2;
    while (art == "jpeg" && stelle + 9 <= bytes.size() &&
           static_cast<unsigned char>(bytes[stelle]) == 0xFF) {
        const auto marke = static_cast<unsigned char>(bytes[stelle + 1]);
        if (marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC)
            return std::pair{(long long)wort(bytes, stelle + 7, true),
                             (long long)wort(bytes, stelle + 5, true)};
        stelle += 2 + wort(bytes, stelle + 2, true);
    }
    return std::nullopt;
}

std::optional<Bild> lesen(const std::string& bytes, const std::string& art) {
    const auto größe = kopfgröße(bytes, art);
    if (!größe || größe->first * größe->second > GrößteFläche) return std::nullopt;
    if (art == "jpeg") return jpegLesen(bytes);
    if (art == "png") return pngLesen(bytes);
    return gifLesen(bytes);
}

struct Unterschied {
    long long punkte = 0;
    int größte = 0;
    double mittel = 0;
    int ersteZeile = -1;
    int letzteZeile = -1;
};

Unterschied vergleichen(const Bild& a, const Bild& b) {
    Unterschied u;
    long long summe = 0;
    for (int y = 0; y < a.höhe(); ++y)
        for (int x = 0; x < a.breite(); ++x) {
            const std::uint32_t p = a.punkt(x, y);
            const std::uint32_t q = b.punkt(x, y);
            if (p == q) continue;
            int größte = 0;
            for (int verschiebung = 0; verschiebung < 24; verschiebung += 8) {
                const int d =
                    std::abs(int((p >> verschiebung) & 255) - int((q >> verschiebung) & 255));
                summe += d;
                größte = std::max(größte, d);
            }
            ++u.punkte;
            u.größte = std::max(u.größte, größte);
            if (u.ersteZeile < 0) u.ersteZeile = y;
            u.letzteZeile = y;
        }
    u.mittel = double(summe) / (3.0 * double(a.breite()) * double(a.höhe()));
    return u;
}

// The expected picture as the visitor's decoder gets it: encoded as the script encodes it.
struct Gesendet {
    std::string bytes;
    std::optional<Bild> bild;
};

Gesendet gesendet(const Bild& bild, const Erwartung& erwartung) {
    Gesendet g{ausgabeBytes(bild, erwartung.art, erwartung.qualität), std::nullopt};
    g.bild = lesen(g.bytes, erwartung.art);
    return g;
}

// How the received picture stands to the expected one: nullopt when it is another; else how
// it is the same (empty: exactly).
std::optional<std::string> gleich(const Bild& erhalten, const std::string& erhaltenBytes,
                                  const Gesendet& erwartet, const std::string& art) {
    if (!erwartet.bild || erwartet.bild->breite() != erhalten.breite() ||
        erwartet.bild->höhe() != erhalten.höhe())
        return std::nullopt;
    const Unterschied u = vergleichen(erhalten, *erwartet.bild);
    if (u.punkte == 0) return std::string();
    if (art == "jpeg" && jpegKommentar(erhaltenBytes) != jpegKommentar(erwartet.bytes)) {
        if (u.mittel <= JpegMittel && u.größte <= JpegGrößte)
            return "another JPEG encoder (\"" + jpegKommentar(erhaltenBytes) +
                   "\"): within the tolerance of a mean difference of " +
                   std::to_string(int(JpegMittel)) + " levels and at most " +
                   std::to_string(JpegGrößte) + " at any pixel";
        return std::nullopt;
    }
    if (u.größte <= KantenStufen)
        return std::to_string(u.punkte) + " pixels at glyph edges differ by at most " +
               std::to_string(u.größte) + " levels (another FreeType)";
    return std::nullopt;
}

// PHP's wordwrap($text, $breite, "\n", true), line by line.
std::vector<std::string> umbrechen(const std::string& text, std::size_t breite) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    std::size_t leer = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == ' ') {
            if (i - anfang >= breite) {
                zeilen.push_back(text.substr(anfang, i - anfang));
                anfang = i + 1;
            }
            leer = i;
        } else if (i - anfang >= breite && anfang >= leer) {
            zeilen.push_back(text.substr(anfang, i - anfang));
            anfang = leer = i;
        } else if (i - anfang >= breite && anfang < leer) {
            zeilen.push_back(text.substr(anfang, leer - anfang));
            anfang = leer = leer + 1;
        }
    }
    if (anfang != i) zeilen.push_back(text.substr(anfang));
    return zeilen;
}

gdFontPtr gdSchrift(int nummer) {
    switch (nummer) {
        case 1:
            return gdFontGetTiny();
        case 2:
            return gdFontGetSmall();
        case 3:
            return gdFontGetMediumBold();
        case 4:
            return gdFontGetLarge();
        default:
            return gdFontGetGiant();
    }
}

// The picture the script sends instead of the banner, saying what is missing, drawn as the
// script draws it: GD's largest built-in font that fits, the text wrapped and centred.
Bild fehlerbild(const std::string& text, int breite, int höhe) {
    breite = std::max(breite, 1);
    höhe = std::max(höhe, 1);
    const int platz = std::max(breite - 4, 1);
    std::unique_ptr<gdImage, void (*)(gdImagePtr)> gd(gdImageCreateTrueColor(breite, höhe),
                                                      gdImageDestroy);
    Bild bild(breite, höhe);
    if (!gd) return bild;
    gdImageFill(gd.get(), 0, 0, gdImageColorAllocate(gd.get(), 255, 255, 255));
    int nummer = 5;
    while (nummer > 1 && gdSchrift(nummer)->w * int(text.size()) > platz) --nummer;
    const gdFontPtr schrift = gdSchrift(nummer);
    const std::vector<std::string> zeilen =
        umbrechen(text, std::size_t(std::max(1, platz / schrift->w)));
    const int y = std::max(0, (höhe - int(zeilen.size()) * schrift->h) / 2);
    for (std::size_t n = 0; n < zeilen.size(); ++n)
        gdImageString(gd.get(), schrift, 2, y + int(n) * schrift->h,
                      reinterpret_cast<unsigned char*>(const_cast<char*>(zeilen[n].c_str())),
                      gdImageColorAllocate(gd.get(), 170, 0, 0));
    for (int yy = 0; yy < höhe; ++yy)
        for (int x = 0; x < breite; ++x)
            bild.setzePunkt(x, yy, static_cast<std::uint32_t>(gd->tpixels[yy][x]) & 0xFFFFFF);
    return bild;
}

// The script's error texts for the design's two files.
std::vector<std::string> fehlertexte(const Erwartung& e) {
    std::vector<std::string> texte{"Tafomat: PHP-GD ohne FreeType"};
    for (const auto& [was, name] : {std::pair{"Schrift", e.schriftname}, {"Bild", e.bildname}})
        for (const char* warum : {"fehlt", "ist nicht lesbar"})
            texte.push_back(std::string("Tafomat: ") + was + " " + name + " " + warum);
    texte.push_back("Tafomat: Bild " + e.bildname + " ist kein JPEG-Bild");
    return texte;
}

std::optional<std::string> fehlerbildText(const Bild& erhalten, const std::string& bytes,
                                          const Erwartung& e) {
    for (const std::string& text : fehlertexte(e))
        if (gleich(erhalten, bytes, gesendet(fehlerbild(text, e.breite, e.höhe), e), e.art))
            return utf8FromCp1252(text);
    return std::nullopt;
}

std::optional<Servertag> tagAusEtag(const std::map<std::string, std::string>& kopf) {
    const auto etag = kopf.find("etag");
    if (etag == kopf.end()) return std::nullopt;
    static const std::regex muster("\"[0-9a-f]{32}-([0-9]{1,12})\"");
    std::smatch treffer;
    if (!std::regex_search(etag->second, treffer, muster)) return std::nullopt;
    return ServertagAusTagesende(std::stoll(treffer[1].str()));
}

std::string statusText(int status) {
    switch (status) {
        case 403:
            return "403 Forbidden: the web server may not read the folder or the script (its "
                   "rights)";
        case 404:
            return "404 Not Found: no file at this address (the folder, or the name's letter "
                   "case)";
        case 500:
            return "500 Internal Server Error: the script does not run (its rights, or PHP)";
        default:
            return "the status " + std::to_string(status) + " instead of a picture";
    }
}

std::string keinBild(const Abruf& abruf) {
    const std::string anfang = abruf.inhalt.substr(0, 4096);
    if (anfang.find("<?php") != std::string::npos || anfang.find("<?=") != std::string::npos)
        return "the PHP source instead of a picture: the server does not run the script (its "
               "name must end in .php, in small letters, and PHP must be on)";
    const std::size_t erstes = anfang.find_first_not_of(" \t\r\n");
    const auto typ = abruf.kopf.find("content-type");
    if ((erstes != std::string::npos && anfang[erstes] == '<') ||
        (typ != abruf.kopf.end() && typ->second.starts_with("text/html")))
        return "HTML instead of a picture";
    return "no picture (" + std::to_string(abruf.inhalt.size()) + " bytes" +
           (typ != abruf.kopf.end() ? ", " + typ->second : std::string()) + ")";
}

class Prüfer {
  public:
    Prüfer(const Abruf& abruf, const Erwartung& erwartung) : m_abruf(abruf), m_e(erwartung) {}

    Prüfergebnis prüfen() {
        if (m_abruf.fehler) return {PrüfungNichtErreicht, "cannot be fetched: " + *m_abruf.fehler};
        if (m_abruf.status != 200)
            return {PrüfungNichtErreicht, "answers " + statusText(m_abruf.status)};
        const std::string art = artVon(m_abruf.inhalt);
        if (art.empty()) return {PrüfungNichtErreicht, "sends " + keinBild(m_abruf)};
        const std::optional<Bild> bild = lesen(m_abruf.inhalt, art);
        if (!bild) return {PrüfungNichtErreicht, "sends a " + art + " picture that cannot be read"};
        if (art != m_e.art)
            return {PrüfungAnderesBild,
                    "sends a " + art + " picture, the design's script a " + m_e.art};
        if (const auto text = fehlermeldung(*bild))
            return {PrüfungAnderesBild, "sends the script's error picture: " + *text};
        if (bild->breite() != m_e.breite || bild->höhe() != m_e.höhe)
            return {PrüfungAnderesBild,
                    "sends " + std::to_string(bild->breite()) + " x " +
                        std::to_string(bild->höhe()) + " pixels, the design has " +
                        std::to_string(m_e.breite) + " x " + std::to_string(m_e.höhe)};
        return vergleichenMitTag(*bild);
    }

  private:
    // The script's error picture: its words, read from its pixels, and the reason's keyword
    // that its header X-Tafomat-Fehler gives, where it sends one.
    std::optional<std::string> fehlermeldung(const Bild& bild) const {
        const auto kopf = m_abruf.kopf.find("x-tafomat-fehler");
        const std::optional<std::string> text = fehlerbildText(bild, m_abruf.inhalt, m_e);
        if (kopf == m_abruf.kopf.end()) return text;
        return text.value_or("X-Tafomat-Fehler") + " (" + kopf->second + ")";
    }

    // The server's day from its ETag; else the days around its Date that any zone could hold.
    std::vector<Servertag> kandidaten() const {
        if (const auto tag = tagAusEtag(m_abruf.kopf)) return {*tag};
        const auto datum = m_abruf.kopf.find("date");
        if (datum == m_abruf.kopf.end()) return {};
        const time_t jetzt = curl_getdate(datum->second.c_str(), nullptr);
        if (jetzt < 0) return {};
        const Tageszahl heute = Tageszahl(jetzt / Tag) + UnixNulltag;
        return {{heute, 0}, {heute - 1, -1}, {heute + 1, 1}};
    }

    Prüfergebnis vergleichenMitTag(const Bild& bild) const {
        const std::vector<Servertag> tage = kandidaten();
        if (tage.empty())
            return {PrüfungAnderesBild,
                    "sends a picture, but neither an ETag nor a Date tells the server's day"};
        for (const Servertag& tag : tage) {
            if (auto wie = gleichAm(bild, tag.tag)) {
                const std::string wann =
                    datumText(tag.tag) +
                    (tage.size() == 1 ? " (" + zoneText(tag.versatz) + ")" : std::string());
                return {PrüfungGleich, "the same banner as the server's script draws on " + wann +
                                           (wie->empty() ? std::string() : "; " + *wie)};
            }
        }
        const Tageszahl heute = tage.front().tag;
        for (const int abstand : {-1, 1, -2, 2})
            if (gleichAm(bild, heute + abstand))
                return {PrüfungAnderesBild, "sends the banner of " + datumText(heute + abstand) +
                                                ", not of the server's day " + datumText(heute) +
                                                ": look at the server's clock or time zone"};
        return {PrüfungAnderesBild, anderesBild(bild, heute)};
    }

    std::optional<std::string> gleichAm(const Bild& bild, Tageszahl tag) const {
        const std::optional<Bild> banner = m_e.banner(tag);
        if (!banner) return std::nullopt;
        return gleich(bild, m_abruf.inhalt, gesendet(*banner, m_e), m_e.art);
    }

    std::string anderesBild(const Bild& bild, Tageszahl tag) const {
        const std::optional<Bild> banner = m_e.banner(tag);
        const Gesendet erwartet = banner ? gesendet(*banner, m_e) : Gesendet{};
        if (!erwartet.bild) return "sends another picture";
        const Unterschied u = vergleichen(bild, *erwartet.bild);
        return "sends another picture than the design's of " + datumText(tag) + ": " +
               std::to_string(u.punkte) + " pixels differ, in rows " +
               std::to_string(u.ersteZeile) + " to " + std::to_string(u.letzteZeile) +
               " (another design, or another GD's text placement)";
    }

    const Abruf& m_abruf;
    const Erwartung& m_e;
};

}  // namespace

Servertag ServertagAusTagesende(long long morgen) {
    // The zone whose midnight the instant is: from 10 hours west of UTC to 13 east. A zone
    // shares its midnights with one 24 hours east or west of it; of each pair, this is the one
    // where far more people live (Hawaii's -10, not +14; Tonga's +13, New Zealand's +12).
    long long versatz = ((-morgen) % Tag + Tag) % Tag;
    if (versatz >= 14 * 3600) versatz -= Tag;
    const long long tage = (morgen + versatz) / Tag;
    return {Tageszahl(tage - 1) + UnixNulltag, int(versatz)};
}

Erwartung DesignErwartung(const Felder& felder, const GdSurface& vorschau) {
    const std::optional<Bildausgabe> ausgabe = BildausgabeLesen(felder);
    return Erwartung{
        [&felder, &vorschau](Tageszahl tag) { return Serveransicht(felder, vorschau, tag); },
        ausgabe ? ausgabe->art : "jpeg",
        ausgabe ? ausgabe->qualität : 75,
        vorschau.width(),
        vorschau.height(),
        felder.text(Feld::HintergrundName),
        vorschau.fontName() + ".ttf"};
}

Prüfergebnis AbrufPrüfen(const Abruf& abruf, const Erwartung& erwartung) {
    Prüfergebnis ergebnis = Prüfer(abruf, erwartung).prüfen();
    if (!abruf.umleitungen.empty()) {
        std::string weg;
        for (const std::string& ziel : abruf.umleitungen) weg += " -> " + ziel;
        ergebnis.zeile += " (redirected" + weg + ")";
    }
    return ergebnis;
}

}  // namespace tafomat
