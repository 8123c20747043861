// The server bundle on the web servers hosts run: Apache 2.4 with Debian's mod_php and nginx with
// php-fpm, each started here with a configuration of its own on a free port of this machine
// and stopped by its process id; the visitor is a plain HTTP client. Every damaged or missing
// piece gives a picture that says why, with its length, never HTML, never empty, never kept.
#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>
#include <thread>

#include "phpgen/PhpAufruf.h"
#include "phpgen/PhpSkript.h"

namespace tafomat::test {
namespace {

const fs::path Anleitung = fs::path(TAFOMAT_SOURCE_DIR) / "docs/anleitung.md";
const fs::path AndereSchrift = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const fs::path Module = "/usr/lib/apache2/modules";
const fs::path ApachePhpIni = "/etc/php/8.2/apache2/conf.d";

bool alsRoot() {
    return ::getuid() == 0;
}

// The lines of the guide's code block whose first line starts so, without their indentation.
std::string anleitungsblock(const std::string& anfang) {
    std::istringstream zeilen(lesen(Anleitung));
    std::string block;
    bool drin = false;
    std::size_t einzug = 0;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        const std::size_t text = zeile.find_first_not_of(' ');
        if (text == std::string::npos) continue;
        if (!drin && zeile.compare(text, anfang.size(), anfang) == 0) {
            drin = true;
            einzug = text;
        }
        if (drin && zeile.compare(text, 3, "```") == 0) return block;
        if (drin) block += zeile.substr(std::min(einzug, text)) + "\n";
    }
    ADD_FAILURE() << "no code block starting with " << anfang << " in the guide";
    return block;
}

// A PHP ini folder of Debian's mod_php, without the file whose name ends in `ohne` where one is
// given, and with one more file of these lines.
fs::path iniOrdner(const fs::path& ordner, const std::string& ohne, const std::string& mehr) {
    fs::create_directories(ordner);
    for (const auto& eintrag : fs::directory_iterator(ApachePhpIni))
        if (ohne.empty() || !eintrag.path().filename().string().ends_with(ohne))
            fs::copy_file(eintrag.path(), ordner / eintrag.path().filename());
    schreiben(ordner / "99-test.ini", mehr);
    return ordner;
}

// Apache as Debian installs it, serving ordner/www: .htaccess files count, as on most hosts;
// in www/anzeige the host forces PHP's messages into the answer.
std::string apache(const fs::path& ordner, const std::string& umgebung, int port) {
    const std::string www = (ordner / "www").string();
    std::string konfiguration = "ServerRoot " + ordner.string() +
                                "\nServerName 127.0.0.1\nListen 127.0.0.1:" + std::to_string(port) +
                                "\nPidFile " + (ordner / "apache.pid").string() + "\nErrorLog " +
                                (ordner / "error.log").string() + "\nDefaultRuntimeDir " +
                                ordner.string() + "\n";
    for (const char* modul : {"mpm_prefork", "authz_core", "mime", "rewrite"})
        konfiguration += std::string("LoadModule ") + modul + "_module " +
                         (Module / ("mod_" + std::string(modul) + ".so")).string() + "\n";
    konfiguration += "LoadModule php_module " + (Module / "libphp8.2.so").string() +
                     "\nStartServers 1\nMinSpareServers 1\nMaxSpareServers 2\n"
                     "TypesConfig /etc/mime.types\n" +
                     (alsRoot() ? "User www-data\nGroup www-data\n" : "") + "DocumentRoot " + www +
                     "\n<Directory " + www +
                     ">\n  AllowOverride All\n  Require all granted\n</Directory>\n"
                     "<Directory " +
                     www +
                     "/anzeige>\n  php_admin_flag display_errors On\n"
                     "  php_admin_value error_reporting -1\n</Directory>\n"
                     "<FilesMatch \".+\\.ph(?:ar|p|tml)$\">\n"
                     "  SetHandler application/x-httpd-php\n</FilesMatch>\n";
    schreiben(ordner / "apache.conf", konfiguration);
    return "cd / && " + umgebung + "exec /usr/sbin/apache2 -f " +
           inHochkommas((ordner / "apache.conf").string()) + " -DFOREGROUND";
}

// nginx with Debian's php-fpm serving ordner/www with the guide's recipe for the address with
// a picture's name; below /stock/ with the location that Debian's default site has.
std::string nginx(const fs::path& ordner, int port) {
    const std::string socket = (ordner / "fpm.sock").string();
    schreiben(ordner / "fpm.conf",
              "[global]\npid = " + (ordner / "fpm.pid").string() + "\nerror_log = " +
                  (ordner / "fpm.log").string() + "\ndaemonize = no\n[bundle]\n" +
                  (alsRoot() ? "user = www-data\ngroup = www-data\n" : "") + "listen = " + socket +
                  "\nlisten.mode = 0666\npm = static\npm.max_children = 2\n");
    std::string rezept = anleitungsblock("location ~");
    const std::string debians = "unix:/run/php/php8.2-fpm.sock";
    if (const std::size_t stelle = rezept.find(debians); stelle != std::string::npos)
        rezept.replace(stelle, debians.size(), "unix:" + socket);
    else
        ADD_FAILURE() << "the recipe names no " << debians;
    const std::string temp = (ordner / "temp").string();
    fs::create_directories(temp);
    // Relative includes are read beside the configuration, as in /etc/nginx.
    for (const char* name : {"snippets", "fastcgi.conf"})
        if (!fs::exists(ordner / name))
            fs::create_symlink(fs::path("/etc/nginx") / name, ordner / name);
    schreiben(ordner / "nginx.conf",
              "pid " + (ordner / "nginx.pid").string() +
                  ";\nworker_processes 1;\nevents {}\nhttp {\n  access_log off;\n"
                  "  client_body_temp_path " +
                  temp + "; fastcgi_temp_path " + temp + "; proxy_temp_path " + temp +
                  "; uwsgi_temp_path " + temp + "; scgi_temp_path " + temp +
                  ";\n  server {\n    listen 127.0.0.1:" + std::to_string(port) + ";\n    root " +
                  (ordner / "www").string() +
                  ";\n    location ^~ /stock/ {\n      location ~ \\.php$ {\n"
                  "        include snippets/fastcgi-php.conf;\n        fastcgi_pass unix:" +
                  socket + ";\n      }\n    }\n" + rezept + "  }\n}\n");
    // php-fpm leaves the process group; the shell stops it by its process id.
    return "cd / && /usr/sbin/php-fpm8.2 -F -y " + inHochkommas((ordner / "fpm.conf").string()) +
           " & fpm=$!; trap 'kill $fpm; wait; exit' TERM; while [ ! -S " + inHochkommas(socket) +
           " ]; do sleep 0.1; done; nginx -c " + inHochkommas((ordner / "nginx.conf").string()) +
           " -e " + inHochkommas((ordner / "nginx.log").string()) + " -g 'daemon off;' & wait";
}

enum class Server { Apache, ApacheOhneGd, ApacheAbbruch, Nginx };

// What happened to the bundle's files on their way to the server.
enum class Schaden {
    Keiner,
    SchriftAscii,          // uploaded in ASCII mode: CR LF became LF
    SchriftAbgeschnitten,  // the upload broke off
    SchriftKeine,          // no font at all, under the font's name
    SchriftAndere,         // another font under that name: it draws
    BildAscii,
    BildAbgeschnitten,
};

std::string ascii(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) text += bytes[i];
    EXPECT_LT(text.size(), bytes.size()) << "the file holds no CR LF";
    return text;
}

class WebserverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(phpMitGd()) << "php-cli with php-gd is needed";
        for (const fs::path& nötig :
             {fs::path("/usr/sbin/apache2"), Module / "libphp8.2.so", fs::path("/usr/sbin/nginx"),
              fs::path("/usr/sbin/php-fpm8.2"), Schrift, AndereSchrift})
            ASSERT_TRUE(fs::exists(nötig)) << nötig << " is needed (tools/deps.sh)";
        felder.setText(Feld::BildQuallität, "75");
        felder.setText(Feld::Txt, "#F255255255#G14Hallo Welt");
        skript = *PhpSkript(felder, fläche);
        hintergrundMachen(ordner / "leer.jpg", 1);
    }

    // The bundle, damaged as the row says, in www/NAME of the server's folder.
    fs::path bündel(const fs::path& server, const std::string& name, Schaden schaden) {
        const fs::path ziel = server / "www" / name;
        fs::create_directories(ziel);
        schreiben(ziel / "Tafomat.php", skript + "\r\n");
        std::string schrift = lesen(Schrift);
        std::string bild = lesen(ordner / "leer.jpg");
        if (schaden == Schaden::SchriftAscii) schrift = ascii(schrift);
        if (schaden == Schaden::SchriftAbgeschnitten) schrift.resize(schrift.size() / 10);
        if (schaden == Schaden::SchriftKeine) schrift = "<html>Nicht gefunden</html>\n";
        if (schaden == Schaden::SchriftAndere) schrift = lesen(AndereSchrift);
        if (schaden == Schaden::BildAscii) bild = ascii(bild);
        if (schaden == Schaden::BildAbgeschnitten) bild.resize(bild.size() * 2 / 3);
        schreiben(ziel / "Arial.ttf", schrift);
        schreiben(ziel / "leer.jpg", bild);
        schreiben(ziel / ".htaccess", anleitungsblock("RewriteEngine On"));
        return ziel;
    }

    // The servers' workers run as www-data, whatever the umask of the test's user.
    void lesbarMachen() const {
        ASSERT_EQ(ausführen("chmod -R a+rX " + inHochkommas(ordner.string())).status, 0);
    }

    // What the script sends when PHP runs it on the command line in its folder, with the
    // server's PHP modules.
    static std::string befehlszeile(const fs::path& bündel, const std::string& umgebung) {
        return ausführen("cd / && " + umgebung + "php -d display_errors=0 -d log_errors=0 " +
                         inHochkommas((bündel / "Tafomat.php").string()))
            .ausgabe;
    }

    // A picture's type and size as GD reads it: "image/jpeg 460 66".
    std::string bildart(const std::string& bytes) {
        const fs::path datei = ordner / "antwort.bin";
        schreiben(datei, bytes);
        std::istringstream ausgabe(ausführen(php({Hilfe.string(), "art", datei.string()})).ausgabe);
        std::string kopf;
        std::getline(ausgabe, kopf);
        return kopf;
    }

    // What every answer with a picture has: status 200, its length, no HTML and no folder of
    // the server.
    void istBild(Webserver::Antwort& antwort, const std::string& methode, std::size_t länge) {
        EXPECT_EQ(antwort.status, 200) << antwort.roh.substr(0, 400);
        EXPECT_EQ(antwort.kopf["content-length"], std::to_string(länge));
        EXPECT_EQ(antwort.inhalt.size(), methode == "HEAD" ? 0 : länge);
        EXPECT_NE(länge, 0u);
        for (const std::string& verboten :
             {ordner.string(), std::string("/tmp"), std::string("<br"), std::string("Warning")})
            EXPECT_EQ(antwort.roh.find(verboten), std::string::npos) << verboten;
    }

    PhpOrdner platz;  // removed unless the test failed
    const fs::path ordner = platz.pfad();
    FelderImSpeicher felder;
    RecordingSurface fläche;
    std::string skript;
};

struct Fall {
    const char* name;
    Server server;
    const char* ordner;  // the bundle's folder below the server's www
    Schaden schaden;
    const char* methode;
    const char* pfad;                    // after the folder
    std::optional<Skriptfehler> fehler;  // nullopt: the banner
};

TEST_F(WebserverTest, EveryHostCaseGivesAPictureThatIsTheBannerOrSaysWhy) {
    // clang-format off
    const Fall fälle[] = {
        {"Plain",                     Server::Apache,        "a",              Schaden::Keiner,               "GET",  "Tafomat.php",            std::nullopt},
        {"PictureNameAfterTheScript", Server::Apache,        "a",              Schaden::Keiner,               "GET",  "Tafomat.php/banner.jpg", std::nullopt},
        {"GuidesRewriteRecipe",       Server::Apache,        "a",              Schaden::Keiner,               "GET",  "banner.jpg",             std::nullopt},
        {"HeadTellsTheLength",        Server::Apache,        "a",              Schaden::Keiner,               "HEAD", "Tafomat.php",            std::nullopt},
        {"AnotherFontDraws",          Server::Apache,        "andere",         Schaden::SchriftAndere,        "GET",  "Tafomat.php",            std::nullopt},
        {"FontInAsciiMode",           Server::Apache,        "ascii",          Schaden::SchriftAscii,         "GET",  "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
        {"FontCutOff",                Server::Apache,        "kurz",           Schaden::SchriftAbgeschnitten, "GET",  "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
        {"NoFontAtAll",               Server::Apache,        "keine",          Schaden::SchriftKeine,         "GET",  "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
        {"FontDamagedErrorsShown",    Server::Apache,        "anzeige/ascii",  Schaden::SchriftAscii,         "GET",  "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
        {"HeadOfADamagedFont",        Server::Apache,        "anzeige/ascii",  Schaden::SchriftAscii,         "HEAD", "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
        {"PictureInAsciiMode",        Server::Apache,        "bildascii",      Schaden::BildAscii,            "GET",  "Tafomat.php",            Skriptfehler::BildBeschädigt},
        {"PictureCutOff",             Server::Apache,        "bildkurz",       Schaden::BildAbgeschnitten,    "GET",  "Tafomat.php",            Skriptfehler::BildBeschädigt},
        {"PhpWithoutGd",              Server::ApacheOhneGd,  "a",              Schaden::Keiner,               "GET",  "Tafomat.php",            Skriptfehler::OhneGd},
        {"HeadWithoutGd",             Server::ApacheOhneGd,  "a",              Schaden::Keiner,               "HEAD", "Tafomat.php",            Skriptfehler::OhneGd},
        {"FatalErrorShown",           Server::ApacheAbbruch, "anzeige/a",      Schaden::Keiner,               "GET",  "Tafomat.php",            Skriptfehler::PhpFehler},
        {"NginxPictureName",          Server::Nginx,         "a",              Schaden::Keiner,               "GET",  "Tafomat.php/banner.jpg", std::nullopt},
        {"NginxPlain",                Server::Nginx,         "a",              Schaden::Keiner,               "GET",  "Tafomat.php",            std::nullopt},
        {"NginxDamagedFont",          Server::Nginx,         "ascii",          Schaden::SchriftAscii,         "GET",  "Tafomat.php",            Skriptfehler::SchriftBeschädigt},
    };
    // clang-format on
    const fs::path ordnerVon[] = {ordner / "apache", ordner / "ohne-gd", ordner / "abbruch",
                                  ordner / "nginx"};
    const std::string umgebung[] = {
        "", "PHP_INI_SCAN_DIR=" + iniOrdner(ordner / "ini-ohne-gd", "-gd.ini", "").string() + " ",
        // A function the host disables ends the script with a fatal error after it started.
        "PHP_INI_SCAN_DIR=" +
            iniOrdner(ordner / "ini-abbruch", "", "disable_functions=imagecolorallocate\n")
                .string() +
            " ",
        ""};
    std::map<std::string, std::string> erwartet;  // server folder and bundle: the CLI's picture
    for (const Fall& fall : fälle) {
        const int nummer = static_cast<int>(fall.server);
        const fs::path bündelordner = bündel(ordnerVon[nummer], fall.ordner, fall.schaden);
        erwartet[bündelordner.string()] = befehlszeile(bündelordner, umgebung[nummer]);
    }
    const std::string gesund = erwartet[(ordnerVon[0] / "www/a").string()];
    ASSERT_EQ(bildart(gesund), "image/jpeg 460 66");
    bündel(ordnerVon[3], "stock", Schaden::Keiner);

    lesbarMachen();
    const Webserver server[] = {
        Webserver([&](int port) { return apache(ordnerVon[0], umgebung[0], port); }),
        Webserver([&](int port) { return apache(ordnerVon[1], umgebung[1], port); }),
        Webserver([&](int port) { return apache(ordnerVon[2], umgebung[2], port); }),
        Webserver([&](int port) { return nginx(ordnerVon[3], port); }),
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        const int nummer = static_cast<int>(fall.server);
        const std::string bündelordner = (ordnerVon[nummer] / "www" / fall.ordner).string();
        const std::string& bild = erwartet[bündelordner];
        Webserver::Antwort antwort =
            server[nummer].anfragen(fall.methode, "/" + std::string(fall.ordner) + "/" + fall.pfad);
        istBild(antwort, fall.methode, bild.size());
        if (fall.methode == std::string("GET")) {
            EXPECT_TRUE(antwort.inhalt == bild);
        }
        if (!fall.fehler) {
            EXPECT_TRUE(bild == gesund || fall.schaden == Schaden::SchriftAndere);
            EXPECT_EQ(antwort.kopf["content-type"], "image/jpeg");
            EXPECT_TRUE(antwort.kopf["cache-control"].starts_with("public, max-age="));
            EXPECT_EQ(antwort.kopf.count("x-tafomat-fehler"), 0u);
            continue;
        }
        EXPECT_EQ(antwort.kopf["x-tafomat-fehler"], Fehlerkennung(*fall.fehler));
        EXPECT_EQ(antwort.kopf["cache-control"], "no-store");
        EXPECT_EQ(antwort.kopf.count("etag") + antwort.kopf.count("expires") +
                      antwort.kopf.count("last-modified"),
                  0u);
        // The design's picture type and size where GD draws it; GIF, ready-made, where not.
        const std::string art = bildart(bild);
        EXPECT_EQ(art.substr(0, art.find(' ')), antwort.kopf["content-type"]);
        const bool gdZeichnet = fall.server == Server::Apache || fall.server == Server::Nginx;
        EXPECT_TRUE(gdZeichnet ? art == "image/jpeg 460 66" : art.starts_with("image/gif ")) << art;
    }
    // PHP's messages went to the server's log instead.
    EXPECT_NE(lesen(ordnerVon[0] / "error.log").find("PHP-Meldung"), std::string::npos);
    // The stock location of Debian's nginx site runs no script for the address with a picture's
    // name: the reason for the guide's recipe.
    EXPECT_EQ(server[3].anfragen("GET", "/stock/Tafomat.php/banner.jpg").status, 404);
    EXPECT_EQ(server[3].anfragen("GET", "/stock/Tafomat.php").status, 200);
}

// PHP's bundled GD refuses the damaged picture that the system's libgd only warns about, and
// the script says the same there.
TEST_F(WebserverTest, BundledGdGivesThePictureThatSaysWhyToo) {
    const std::string gebündelt = phpGebündelt();
    if (gebündelt.empty()) GTEST_SKIP() << "no PHP with bundled GD: run tools/php-bundled";
    const std::pair<Schaden, Skriptfehler> fälle[] = {
        {Schaden::BildAscii, Skriptfehler::BildBeschädigt},
        {Schaden::BildAbgeschnitten, Skriptfehler::BildBeschädigt},
        {Schaden::SchriftAscii, Skriptfehler::SchriftBeschädigt},
        {Schaden::SchriftAbgeschnitten, Skriptfehler::SchriftBeschädigt},
    };
    for (const auto& [schaden, fehler] : fälle)
        bündel(ordner, std::to_string(static_cast<int>(schaden)), schaden);
    const Webserver server([&](int port) {
        return "cd / && exec " +
               befehl(gebündelt,
                      {"-d", "display_errors=1", "-S", "127.0.0.1:" + std::to_string(port), "-t",
                       (ordner / "www").string()}) +
               " >/dev/null 2>&1";
    });
    for (const auto& [schaden, fehler] : fälle) {
        SCOPED_TRACE(static_cast<int>(schaden));
        Webserver::Antwort antwort = server.anfragen(
            "GET", "/" + std::to_string(static_cast<int>(schaden)) + "/Tafomat.php");
        istBild(antwort, "GET", antwort.inhalt.size());
        EXPECT_EQ(antwort.kopf["x-tafomat-fehler"], Fehlerkennung(fehler));
        EXPECT_EQ(bildart(antwort.inhalt), "image/jpeg 460 66");
    }
}

// A bundle replaced during the day is sent anew, also to a client that asks by date alone. The
// files' change times come from the real clock, so the server runs on it too (in UTC, as PHP
// without a time zone does); a run that a midnight crossed says nothing and is made again.
class ErneutHochgeladen : public WebserverTest {
  protected:
    static std::time_t tag() { return std::time(nullptr) / 86400; }

    // Whether the day stayed the same throughout.
    bool ablauf(const Webserver& server, const fs::path& bündelordner, int saat) {
        const std::time_t vorher = tag();
        Webserver::Antwort erste = server.anfragen("GET", "/neu/Tafomat.php");
        const std::string datum = "If-Modified-Since: " + erste.kopf["last-modified"];
        Webserver::Antwort gleich = server.anfragen("GET", "/neu/Tafomat.php", {datum});
        // A second later, as change times count whole seconds, a new picture is uploaded.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        hintergrundMachen(bündelordner / "leer.jpg", saat);
        lesbarMachen();
        Webserver::Antwort zweite = server.anfragen("GET", "/neu/Tafomat.php", {datum});
        if (tag() != vorher) return false;
        EXPECT_EQ(erste.status, 200);
        EXPECT_EQ(gleich.status, 304);
        istBild(zweite, "GET", zweite.inhalt.size());
        EXPECT_TRUE(zweite.inhalt == befehlszeile(bündelordner, ""));
        EXPECT_FALSE(zweite.inhalt == erste.inhalt);
        EXPECT_NE(zweite.kopf["last-modified"], erste.kopf["last-modified"]);
        // The ETag still tells when the server's day ends.
        const std::string etag = zweite.kopf["etag"];
        EXPECT_EQ(etag.substr(etag.find('-') + 1), std::to_string((vorher + 1) * 86400) + "\"");
        return true;
    }
};

TEST_F(ErneutHochgeladen, AReplacedFileIsSentAnewToAClientAskingByDate) {
    const fs::path bündelordner = bündel(ordner / "apache", "neu", Schaden::Keiner);
    lesbarMachen();
    const Webserver server([&](int port) { return apache(ordner / "apache", "TZ=UTC ", port); });
    if (!ablauf(server, bündelordner, 2)) {
        EXPECT_TRUE(ablauf(server, bündelordner, 3));
    }
}

}  // namespace
}  // namespace tafomat::test
