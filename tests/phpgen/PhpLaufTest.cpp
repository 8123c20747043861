// Runs generated scripts on the real PHP with GD and looks at the pictures they send.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/Abgeleitet.h"
#include "phpgen/PhpAufruf.h"
#include "phpgen/PhpSkript.h"

namespace tafomat::test {
namespace {

const fs::path Prüfung = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/skriptpruefung.php";

class PhpLaufTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(phpMitGd()) << "php-cli with php-gd is needed";
        ASSERT_TRUE(fs::exists(Schrift)) << "fonts-liberation is needed";
        ASSERT_TRUE(fs::exists(libfaketime())) << "faketime is needed";
        fs::copy_file(Schrift, ordner / "Arial.ttf");
        hintergrundMachen(ordner / "leer.jpg");
        felder.setText(Feld::BildQuallität, "75");
    }

    // Runs the design's script as a shared host would: from another working folder, with putenv
    // disabled and the server in Europe/Berlin; `uhr`, an instant such as
    // "2026-07-01 00:30:00+02:00", fixes the server's clock. The script must exit 0, say nothing
    // on standard error and send a picture.
    fs::path laufen(const std::string& uhr = {}) {
        const std::optional<std::string> skript = PhpSkript(felder, fläche);
        EXPECT_TRUE(skript.has_value());
        if (!skript) return {};
        schreiben(ordner / "Tafomat.php", *skript + "\r\n");
        const fs::path bild = ordner / "bild.out";
        const fs::path fehler = ordner / "fehler.txt";
        const std::string uhrzeit = uhr.empty() ? "" : mitUhr(uhr);
        const Ergebnis lauf =
            ausführen("cd / && " + uhrzeit +
                          php({"-d", "error_reporting=-1", "-d", "display_errors=stderr", "-d",
                               "disable_functions=putenv", "-d", "date.timezone=Europe/Berlin",
                               (ordner / "Tafomat.php").string()}) +
                          " > " + inHochkommas(bild.string()),
                      fehler);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lesen(fehler), "");
        return bild;
    }

    // Whether the picture equals GD's drawing of the text (UTF-8) in white at size 14, baseline 17.
    std::string wieGdZeichnet(const fs::path& bild, const std::string& text) {
        const fs::path referenz = ordner / "referenz.png";
        EXPECT_EQ(ausführen(php({Hilfe.string(), "text", referenz.string(),
                                 (ordner / "leer.jpg").string(), (ordner / "Arial.ttf").string(),
                                 "14", "0", "17", "255", "255", "255", text, "-"}))
                      .status,
                  0);
        return ausführen(php({Hilfe.string(), "gleich", bild.string(), referenz.string()})).ausgabe;
    }

    PhpOrdner platz;  // removed unless the test failed
    const fs::path ordner = platz.pfad();
    FelderImSpeicher felder;
    RecordingSurface fläche;
};

// On 1 July 2026 at 0:30 summer time the server draws what the window shows for that day: the
// calendar's day count, the amounts to the cent, the cigarettes with a decimal comma.
TEST_F(PhpLaufTest, ServerDrawsTheValuesTheWindowShows) {
    felder.setText(Feld::BildArt, "png");
    felder.setText(Feld::BildQuallität, "9");
    felder.setText(Feld::AlTxt, "8,20");
    felder.setText(Feld::KiTxt, "2,5");
    felder.setText(Feld::StTxt, "0,29");
    felder.setText(Feld::Txt, "#F255255255#G14#2 #3 #4 #Z #7 #9");
    ASSERT_TRUE(AbgeleiteteWerteBerechnen(felder, FesteUhr(tageszahl({2026, 7, 1}))));
    std::string gezeigt;
    for (const Feld feld :
         {Feld::TaTxt, Feld::AlTxt, Feld::KiTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
        gezeigt += (gezeigt.empty() ? "" : " ") + felder.text(feld);
    ASSERT_EQ(gezeigt, "5718 8,20 2,5 14295 41109,60 1658,22");
    EXPECT_EQ(wieGdZeichnet(laufen("2026-07-01 00:30:00+02:00"), gezeigt), "0\n");
}

// The bundle as a web server serves it on two days: the picture with what browsers and image
// proxies need to keep it until the server's midnight, and no picture where what they kept still
// holds. {etag0}, {etag1} and {datum0} stand for the validators of the first and second day,
// {fassung0} for the first day's ETag without the end of its day.
struct Anfrage {
    const char* name;
    int tag;  // 0: 1 July 2026 at 10:00 in Berlin, 1: 2 July at 9:30
    const char* methode;
    const char* pfad;
    std::vector<std::string> kopf;
    int status;
    bool bild;  // whether the day's picture is sent
};

struct Tagesstand {
    const char* uhr;
    const char* letzteÄnderung;  // the server's midnight that began the day
    const char* ablauf;          // the next one
    const char* zwischenspeicher;
};

std::string eingesetzt(std::string zeile, const std::map<std::string, std::string>& werte) {
    for (const auto& [name, wert] : werte)
        if (const std::size_t stelle = zeile.find(name); stelle != std::string::npos)
            zeile.replace(stelle, name.size(), wert);
    return zeile;
}

TEST_F(PhpLaufTest, ServedBundleKeepsItsPictureUntilMidnightAndAnswersWhatStillHolds) {
    const Tagesstand tage[] = {{"2026-07-01 10:00:00+02:00", "Tue, 30 Jun 2026 22:00:00 GMT",
                                "Wed, 01 Jul 2026 22:00:00 GMT", "public, max-age=50400"},
                               {"2026-07-02 09:30:00+02:00", "Wed, 01 Jul 2026 22:00:00 GMT",
                                "Thu, 02 Jul 2026 22:00:00 GMT", "public, max-age=52200"}};
    felder.setText(Feld::Txt, "#F255255255#G14Seit #2 Tagen");
    std::string bilder[2];
    for (const int tag : {0, 1}) bilder[tag] = lesen(laufen(tage[tag].uhr));
    ASSERT_NE(bilder[0], bilder[1]);
    const std::vector<std::string> optionen = {
        "-d", "date.timezone=Europe/Berlin", "-d", "error_reporting=-1", "-d", "display_errors=1"};
    const PhpServer server[] = {{ordner, mitUhr(tage[0].uhr), optionen},
                                {ordner, mitUhr(tage[1].uhr), optionen}};
    std::map<std::string, std::string> werte;
    for (const int tag : {0, 1})
        werte["{etag" + std::to_string(tag) + "}"] =
            server[tag].anfragen("GET", "/Tafomat.php").kopf["etag"];
    werte["{datum0}"] = tage[0].letzteÄnderung;
    werte["{fassung0}"] = werte["{etag0}"].substr(0, werte["{etag0}"].find('-'));
    // The files' state and the instant the day ends: 1 July 2026 at 24:00 in Berlin.
    EXPECT_THAT(werte["{etag0}"], ::testing::MatchesRegex("\"[0-9a-f]{32}-1782943200\""));
    EXPECT_NE(werte["{etag0}"], werte["{etag1}"]);

    // clang-format off
    const Anfrage anfragen[] = {
        {"Plain",                     0, "GET",  "/Tafomat.php", {}, 200, true},
        {"EtagThatHolds",             0, "GET",  "/Tafomat.php", {"If-None-Match: {etag0}"}, 304, false},
        {"WeakEtagAmongOthers",       0, "GET",  "/Tafomat.php", {"If-None-Match: \"x\", W/{etag0}"}, 304, false},
        {"DateThatHolds",             0, "GET",  "/Tafomat.php", {"If-Modified-Since: {datum0}"}, 304, false},
        {"DateBeforeMidnight",        0, "GET",  "/Tafomat.php", {"If-Modified-Since: Tue, 30 Jun 2026 21:59:59 GMT"}, 200, true},
        {"EtagEndingBeyondAnyDay",    0, "GET",  "/Tafomat.php", {"If-None-Match: {fassung0}-4102444800\""}, 200, true},
        {"OtherEtagOutweighsTheDate", 0, "GET",  "/Tafomat.php", {"If-None-Match: \"x\"", "If-Modified-Since: {datum0}"}, 200, true},
        // The address for forums that take only names of pictures.
        {"PictureNameAfterTheScript", 0, "GET",  "/Tafomat.php/banner.jpg", {}, 200, true},
        {"Head",                      0, "HEAD", "/Tafomat.php", {}, 200, false},
        {"HeadThatHolds",             0, "HEAD", "/Tafomat.php", {"If-None-Match: {etag0}"}, 304, false},
        {"NextDayYesterdaysEtag",     1, "GET",  "/Tafomat.php", {"If-None-Match: {etag0}"}, 200, true},
        {"NextDayYesterdaysDate",     1, "GET",  "/Tafomat.php", {"If-Modified-Since: {datum0}"}, 200, true},
        {"NextDayItsOwnEtag",         1, "GET",  "/Tafomat.php", {"If-None-Match: {etag1}"}, 304, false},
    };
    // clang-format on
    for (const Anfrage& anfrage : anfragen) {
        SCOPED_TRACE(anfrage.name);
        std::vector<std::string> kopf;
        for (const std::string& zeile : anfrage.kopf) kopf.push_back(eingesetzt(zeile, werte));
        PhpServer::Antwort antwort =
            server[anfrage.tag].anfragen(anfrage.methode, anfrage.pfad, kopf);
        const Tagesstand& stand = tage[anfrage.tag];
        EXPECT_EQ(antwort.status, anfrage.status);
        EXPECT_EQ(antwort.kopf["etag"], werte["{etag" + std::to_string(anfrage.tag) + "}"]);
        // A 304 to an ETag is sent before the day is looked up, without the day's date.
        if (anfrage.status == 200 || antwort.kopf.count("last-modified")) {
            EXPECT_EQ(antwort.kopf["last-modified"], stand.letzteÄnderung);
        }
        EXPECT_EQ(antwort.kopf["expires"], stand.ablauf);
        EXPECT_EQ(antwort.kopf["cache-control"], stand.zwischenspeicher);
        EXPECT_EQ(antwort.kopf["content-type"], "image/jpeg");
        EXPECT_TRUE(antwort.inhalt == (anfrage.bild ? bilder[anfrage.tag] : ""));
    }
}

// A missing or broken file gives, with the display of errors on and off, a picture of the
// design's type and size that says what is missing, never kept, with its length and its reason
// in a header, with no server path in any byte.
struct Fehlen {
    const char* name;
    const char* art;
    const char* datei;   // the file of the bundle that is missing or replaced
    const char* inhalt;  // what replaces it; nullptr: nothing
    const char* meldung;
    Skriptfehler grund;  // as the header names it
};

TEST_F(PhpLaufTest, MissingFilesGiveAPictureThatSaysSo) {
    const Fehlen fälle[] = {
        {"Bild", "gif", "leer.jpg", nullptr, "Tafomat: Bild leer.jpg fehlt",
         Skriptfehler::BildFehlt},
        {"Schrift", "png", "Arial.ttf", nullptr, "Tafomat: Schrift Arial.ttf fehlt",
         Skriptfehler::SchriftFehlt},
        {"KeinJpeg", "jpeg", "leer.jpg", "\x89PNG\r\n\x1a\n",
         "Tafomat: Bild leer.jpg ist kein JPEG-Bild", Skriptfehler::KeinJpeg},
    };
    for (const Fehlen& fall : fälle) {
        const fs::path bundle = ordner / fall.name;
        fs::create_directory(bundle);
        felder.setText(Feld::BildArt, fall.art);
        felder.setText(Feld::BildQuallität, std::string(fall.art) == "png" ? "9" : "75");
        schreiben(bundle / "Tafomat.php", *PhpSkript(felder, fläche) + "\r\n");
        for (const char* datei : {"leer.jpg", "Arial.ttf"})
            fs::copy_file(ordner / datei, bundle / datei);
        fs::remove(bundle / fall.datei);
        if (fall.inhalt) schreiben(bundle / fall.datei, fall.inhalt);
    }
    for (const char* anzeige : {"1", "0"}) {
        const PhpServer server(
            ordner, "",
            {"-d", "error_reporting=-1", "-d", std::string("display_errors=") + anzeige});
        for (const Fehlen& fall : fälle) {
            SCOPED_TRACE(std::string(fall.name) + ", display_errors=" + anzeige);
            PhpServer::Antwort antwort =
                server.anfragen("GET", "/" + std::string(fall.name) + "/Tafomat.php");
            const fs::path meldung = ordner / (std::string(fall.name) + ".meldung");
            ASSERT_EQ(ausführen(php({Hilfe.string(), "meldung", meldung.string(), fall.art, "460",
                                     "66", fall.meldung}))
                          .status,
                      0);
            EXPECT_EQ(antwort.status, 200);
            EXPECT_EQ(antwort.kopf["content-type"], std::string("image/") + fall.art);
            EXPECT_EQ(antwort.kopf["cache-control"], "no-store");
            EXPECT_EQ(antwort.kopf["x-tafomat-fehler"], Fehlerkennung(fall.grund));
            EXPECT_EQ(antwort.kopf["content-length"], std::to_string(antwort.inhalt.size()));
            EXPECT_EQ(antwort.kopf.count("etag") + antwort.kopf.count("expires") +
                          antwort.kopf.count("last-modified"),
                      0u);
            EXPECT_TRUE(antwort.inhalt == lesen(meldung)) << antwort.roh.substr(0, 300);
            EXPECT_EQ(antwort.roh.find(ordner.string()), std::string::npos);
            EXPECT_EQ(antwort.roh.find("/tmp"), std::string::npos);
        }
    }
}

// The GIFs the script carries for a PHP without GD and for a fatal error are what GD draws of
// their texts today, as tools/make-script-gifs.php makes them.
TEST_F(PhpLaufTest, ReadyMadePicturesAreGdsDrawingOfTheirTexts) {
    const Ergebnis gifs =
        ausführen(php({(fs::path(TAFOMAT_SOURCE_DIR) / "tools/make-script-gifs.php").string()}));
    ASSERT_EQ(gifs.status, 0);
    std::istringstream zeilen(gifs.ausgabe);
    int anzahl = 0;
    for (std::string zeile; std::getline(zeilen, zeile); ++anzahl)
        EXPECT_NE(BildSendenFunktionen().find(zeile + "\r\n"), std::string::npos) << zeile;
    EXPECT_EQ(anzahl, 2);
}

TEST_F(PhpLaufTest, ScriptsOfRandomDesignsParseAndKeepEveryTextInsideStrings) {
    const fs::path skripte = ordner / "skripte";
    fs::create_directories(skripte);
    int geschrieben = 0;
    for (unsigned saat = 1; geschrieben < 300 && saat < 3000; ++saat) {
        FelderImSpeicher zufall;
        RecordingSurface zufallsfläche;
        zufallsfläche.misst = true;
        Zufallsdesign(saat).füllen(zufall, zufallsfläche);
        if (const auto skript = PhpSkript(zufall, zufallsfläche)) {
            schreiben(skripte / ("s" + std::to_string(saat) + ".php"), *skript + "\r\n");
            ++geschrieben;
        }
    }
    ASSERT_EQ(geschrieben, 300);
    // One PHP for all of them: the check parses each script with PHP's own parser.
    const Ergebnis prüfung = ausführen(php({Prüfung.string(), skripte.string()}));
    EXPECT_EQ(prüfung.ausgabe, "300 checked\n");
}

}  // namespace
}  // namespace tafomat::test
