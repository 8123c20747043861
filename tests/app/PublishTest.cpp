// Publishes and checks with the real program against real servers on this machine's loopback:
// vsftpd (FTP and FTP with explicit TLS), OpenSSH's sshd (SFTP), both logging in a local user
// that the suite makes and removes, and PHP's web server serving that user's upload folders with
// its clock a day behind this machine's. Making the user and starting the servers needs root.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "common/PhpLauf.h"
#include "platform/Schluesselbund.h"
#include "ui/Fensterprobe.h"
#include "ui/Veroeffentlichung.h"

namespace tafomat::test {
namespace {

// Made at run time for this run's test user; no password stands in the sources.
const std::string Passwort = "pw" + std::to_string(::getpid()) + "-Stab";

struct Lauf {
    int status;
    std::string ausgabe;
    std::string fehler;
};

std::string inZeile(const std::string& befehl) {
    const Ergebnis ergebnis = ausführen(befehl + " 2>&1");
    EXPECT_EQ(ergebnis.status, 0) << befehl << ": " << ergebnis.ausgabe;
    return ergebnis.ausgabe;
}

// The user, the keys, the certificate and the servers, made once for the suite's process.
struct Server {
    fs::path ordner;
    std::string benutzer;
    fs::path heim;
    std::string hostFingerabdruck;
    // Any server that answers on its port, stopped by its process id or by the kernel when the
    // suite's process ends first (setpriv --pdeathsig).
    std::unique_ptr<Webserver> ftp, ssh, web;

    Server() {
        ordner = fs::temp_directory_path() / ("tafomat-publish-" + std::to_string(::getpid()));
        benutzer = "tafomat" + std::to_string(::getpid());
        heim = ordner / "heim";
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        inZeile("useradd -m -d " + inHochkommas(heim.string()) + " -s /bin/bash " + benutzer);
        // The password goes by standard input, as chpasswd takes it.
        inZeile("echo " + inHochkommas(benutzer + ":" + Passwort) + " | chpasswd");
        schlüsselMachen();
        ftp = std::make_unique<Webserver>([this](int port) { return vsftpd(port); });
        fs::create_directories("/run/sshd");
        ssh = std::make_unique<Webserver>([this](int port) {
            return "exec setpriv --pdeathsig TERM /usr/sbin/sshd -D -e -f " +
                   inHochkommas(sshdKonfiguration(port)) + " </dev/null >/dev/null 2>" +
                   inHochkommas((ordner / "sshd.log").string());
        });
        fs::create_directories(heim / "web");
        inZeile("chown " + benutzer + ": " + inHochkommas((heim / "web").string()));
        // The server's clock runs a day behind this machine's.
        const std::string uhr =
            mitUhr(inZeile("date -u -d '-1 day' '+%Y-%m-%d %H:%M:%S+00:00'"), true);
        web = std::make_unique<Webserver>([this, uhr](int port) {
            return "cd / && " + uhr + "exec setpriv --pdeathsig TERM " +
                   php({"-d", "date.timezone=Europe/Berlin", "-S",
                        "127.0.0.1:" + std::to_string(port), "-t", (heim / "web").string()}) +
                   " </dev/null >/dev/null 2>&1";
        });
    }
    ~Server() {
        web.reset();
        ftp.reset();
        ssh.reset();
        ausführen("userdel -r -f " + benutzer);
        fs::remove_all(ordner);
    }

    void schlüsselMachen() {
        const std::string o = inHochkommas(ordner.string());
        inZeile("cd " + o + " && ssh-keygen -q -t ed25519 -N '' -f hostkey && ssh-keygen -q -t " +
                "ed25519 -N '' -f userkey && openssl req -x509 -newkey rsa:2048 -nodes -keyout " +
                "tls.key -out tls.pem -days 3650 -subj /CN=127.0.0.1 -addext " +
                "subjectAltName=IP:127.0.0.1");
        fs::create_directories(heim / ".ssh");
        fs::copy_file(ordner / "userkey.pub", heim / ".ssh/authorized_keys");
        inZeile("chown -R " + benutzer + ": " + inHochkommas((heim / ".ssh").string()));
        const std::string abdruck = inZeile("ssh-keygen -l -f " + o + "/hostkey.pub");
        hostFingerabdruck = abdruck.substr(abdruck.find("SHA256:"), 50);
    }

    // Files the server writes are readable by their owner only, as some hosts' umask has it:
    // the program must set the rights itself.
    std::string vsftpd(int port) const {
        const fs::path datei = ordner / ("vsftpd-" + std::to_string(port) + ".conf");
        schreiben(datei,
                  "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nbackground=NO\n"
                  "anonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=077\n"
                  "pasv_enable=YES\npasv_address=127.0.0.1\nseccomp_sandbox=NO\nisolate=NO\n"
                  "isolate_network=NO\npam_service_name=vsftpd\nxferlog_enable=NO\n"
                  "secure_chroot_dir=/var/run/vsftpd/empty\nssl_enable=YES\n"
                  "force_local_logins_ssl=NO\nforce_local_data_ssl=NO\nlisten_port=" +
                      std::to_string(port) + "\nrsa_cert_file=" + (ordner / "tls.pem").string() +
                      "\nrsa_private_key_file=" + (ordner / "tls.key").string() + "\n");
        return "exec setpriv --pdeathsig TERM /usr/sbin/vsftpd " + inHochkommas(datei.string()) +
               " </dev/null >/dev/null 2>&1";
    }

    std::string sshdKonfiguration(int port) const {
        const fs::path datei = ordner / ("sshd-" + std::to_string(port) + ".conf");
        schreiben(datei, "Port " + std::to_string(port) + "\nListenAddress 127.0.0.1\nHostKey " +
                             (ordner / "hostkey").string() +
                             "\nPidFile none\nUsePAM no\nPasswordAuthentication yes\n"
                             "KbdInteractiveAuthentication no\nPubkeyAuthentication yes\n"
                             "StrictModes no\nAllowUsers " +
                             benutzer + "\nSubsystem sftp internal-sftp\n");
        return datei.string();
    }
};

class Publish : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (::geteuid() == 0) server = new Server();
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    void SetUp() override {
        if (!server) GTEST_SKIP() << "making the user and starting the servers needs root";
        ASSERT_TRUE(phpMitGd()) << "php-cli with php-gd is needed";
        ASSERT_NE(server->ftp->port(), 0);
        ASSERT_NE(server->ssh->port(), 0);
        ASSERT_NE(server->web->port(), 0);
        schreiben(pfad("netrc"),
                  "machine 127.0.0.1 login " + server->benutzer + " password " + Passwort + "\n");
        schreiben(pfad("falsch.netrc"),
                  "machine 127.0.0.1 login " + server->benutzer + " password nein\n");
    }

    std::string pfad(const std::string& name) const {
        return ordner.filePath(QString::fromStdString(name)).toStdString();
    }

    std::string sftp(const std::string& folder) const {
        return "sftp://" + server->benutzer + "@127.0.0.1:" + std::to_string(server->ssh->port()) +
               "/~/" + folder + "/";
    }
    std::string ftp(const std::string& schema, const std::string& folder) const {
        return schema + "://" + server->benutzer +
               "@127.0.0.1:" + std::to_string(server->ftp->port()) + "/" + folder + "/";
    }
    std::string webadresse(const std::string& datei) const {
        return "http://127.0.0.1:" + std::to_string(server->web->port()) + "/" + datei;
    }

    // The real program in the test's folder, with a home of its own (no netrc, no known hosts,
    // no ssh agent) and no terminal; with `eilig` its clock runs thirty times as fast.
    Lauf starten(const std::vector<std::string>& argumente, bool eilig = false) const {
        QProcess programm;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "SSH_AUTH_SOCK"})
            umgebung.remove(QString::fromLatin1(name));
        umgebung.insert(QStringLiteral("HOME"), ordner.path());
        if (eilig) {
            umgebung.insert(QStringLiteral("LD_PRELOAD"), QString::fromStdString(libfaketime()));
            umgebung.insert(QStringLiteral("FAKETIME"), QStringLiteral("+0 x30"));
        }
        programm.setProcessEnvironment(umgebung);
        programm.setWorkingDirectory(ordner.path());
        QStringList liste;
        for (const std::string& argument : argumente)
            liste.append(QString::fromStdString(argument));
        programm.start(QStringLiteral(TAFOMAT_EXE), liste);
        programm.closeWriteChannel();
        EXPECT_TRUE(programm.waitForFinished(120000)) << "still running, killed";
        return {programm.exitStatus() == QProcess::NormalExit ? programm.exitCode() : -1,
                programm.readAllStandardOutput().toStdString(),
                programm.readAllStandardError().toStdString()};
    }

    // A design saved by a hidden window, its text changed; and its bundle as export writes it.
    std::string design(const std::string& name, const std::string& text,
                       const std::string& bildname = "leer.jpg") {
        MainWindow fenster(dialoge, schriftarten, uhr);
        fenster.felder().setText(Feld::Txt, text);
        fenster.felder().setText(Feld::HintergrundName, bildname);
        EXPECT_TRUE(fenster.EinstellungenSchreiben(QString::fromStdString(pfad(name))));
        EXPECT_EQ(starten({"export", name, "--bundle", name + ".paket"}).status, 0);
        return name;
    }

    // The folder holds exactly the bundle's files, byte for byte, readable by the web server.
    void wieDasPaket(const fs::path& hochgeladen, const std::string& name) const {
        std::map<std::string, std::string> erwartet, erhalten;
        for (const auto& eintrag : fs::directory_iterator(pfad(name + ".paket")))
            erwartet[eintrag.path().filename()] = lesen(eintrag.path());
        for (const auto& eintrag : fs::directory_iterator(hochgeladen)) {
            erhalten[eintrag.path().filename()] = lesen(eintrag.path());
            EXPECT_EQ(fs::status(eintrag).permissions() & fs::perms::all, fs::perms(0644))
                << eintrag.path();
        }
        EXPECT_EQ(erhalten, erwartet);
        EXPECT_EQ(fs::status(hochgeladen).permissions() & fs::perms::all, fs::perms(0755));
    }

    static inline Server* server = nullptr;
    QTemporaryDir ordner;
    GeskripteteDialoge dialoge;
    FesteSchriftarten schriftarten;
    FesteUhr uhr{*readDate("07.12.2026")};
};

struct Veröffentlichungsfall {
    std::string name;
    std::string ordner;                 // in web/ of the home
    std::string schema;                 // of the target's address
    std::vector<std::string> optionen;  // after the target; a run that is to succeed adds --url
    int status;
    std::string meldung;  // in the output or the error output
};

TEST_F(Publish, UploadsTheBundleByEveryProtocolOrRefusesWithNothingWritten) {
    const std::string d = design("d.txt", "#F255255255Rauchfrei seit #2 Tagen");
    const std::string kh = pfad("known_hosts");
    const std::string netrc = pfad("netrc");
    const std::string falsch = pfad("falsch.netrc");
    const std::string schlüssel = (server->ordner / "userkey").string();
    const std::string cacert = (server->ordner / "tls.pem").string();
    const std::string abdruck = server->hostFingerabdruck;
    // The server's address with another key, as after a change of the key or a stranger between.
    const std::string fremd = pfad("fremd_known_hosts");
    const std::string fremdEintrag = "[127.0.0.1]:" + std::to_string(server->ssh->port()) + " " +
                                     lesen(server->ordner / "userkey.pub");
    schreiben(fremd, fremdEintrag);
    // clang-format off
    const std::vector<Veröffentlichungsfall> fälle = {
        {"SFTP, another key known for the host", "s0", "sftp", {"--netrc", netrc, "--known-hosts", fremd}, 1,
         "is not the one " + fremd + " holds for it"},
        {"SFTP, the host key unknown", "s1", "sftp", {"--netrc", netrc, "--known-hosts", kh}, 1,
         "--accept-host-key " + abdruck},
        {"SFTP, the host key accepted", "s1", "sftp",
         {"--netrc", netrc, "--known-hosts", kh, "--accept-host-key", abdruck}, 0, "the same banner"},
        {"SFTP by key, the host key now known", "s2", "sftp", {"--key", schlüssel, "--known-hosts", kh}, 0,
         "the same banner"},
        {"SFTP, a wrong password", "s3", "sftp", {"--netrc", falsch, "--known-hosts", kh}, 1, "refuses the login"},
        {"FTPS", "f1", "ftps", {"--netrc", netrc, "--cacert", cacert}, 0, "the same banner"},
        {"FTPS, the certificate unverifiable", "f2", "ftps", {"--netrc", netrc}, 1, "certificate cannot be verified"},
        {"FTP", "f3", "ftp", {"--netrc", netrc}, 0, "sends the password unencrypted"},
        {"FTP, a wrong password", "f4", "ftp", {"--netrc", falsch}, 1, "refuses the login"},
    };
    // clang-format on
    for (const Veröffentlichungsfall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        const std::string ziel = "web/" + fall.ordner;
        std::vector<std::string> argumente{
            "publish", d, "--to", fall.schema == "sftp" ? sftp(ziel) : ftp(fall.schema, ziel)};
        argumente.insert(argumente.end(), fall.optionen.begin(), fall.optionen.end());
        if (fall.status == 0)
            argumente.insert(argumente.end(), {"--url", webadresse(fall.ordner + "/Tafomat.php")});
        const Lauf lauf = starten(argumente);
        const std::string alles = lauf.ausgabe + lauf.fehler;
        EXPECT_EQ(lauf.status, fall.status) << alles;
        EXPECT_NE(alles.find(fall.meldung), std::string::npos) << alles;
        EXPECT_EQ(alles.find(Passwort), std::string::npos);
        if (fall.status == 0)
            wieDasPaket(server->heim / "web" / fall.ordner, d);
        else
            EXPECT_FALSE(fs::exists(server->heim / "web" / fall.ordner));
    }
    EXPECT_EQ(lesen(fremd), fremdEintrag);
    // The accepted key was added as ssh-keyscan gives it.
    EXPECT_NE(
        lesen(kh).find("[127.0.0.1]:" + std::to_string(server->ssh->port()) + " ssh-ed25519 "),
        std::string::npos);
}

// The previous banner keeps working when a new one fails half-way, and the same command run
// again completes it once the cause is gone.
TEST_F(Publish, FailureHalfWayLeavesThePreviousBannerAndARerunCompletesIt) {
    const std::string alt = design("alt.txt", "#F255255255Alt: #2 Tage");
    const std::string neu = design("neu.txt", "#F255255000Neu: #2 Tage", "neu.jpg");
    const std::string kh = pfad("known_hosts");
    const std::string url = webadresse("h/Tafomat.php");
    const auto veröffentlichen = [&](const std::string& d) {
        return starten({"publish", d, "--to", sftp("web/h"), "--netrc", pfad("netrc"),
                        "--known-hosts", kh, "--accept-host-key", server->hostFingerabdruck});
    };
    ASSERT_EQ(veröffentlichen(alt).status, 0);
    const fs::path ordner = server->heim / "web/h";
    // A folder where the new picture should go.
    fs::create_directory(ordner / "neu.jpg");
    const Lauf halb = veröffentlichen(neu);
    EXPECT_EQ(halb.status, 1);
    EXPECT_NE(halb.fehler.find("neu.jpg cannot take its name"), std::string::npos) << halb.fehler;
    EXPECT_NE(halb.fehler.find("as before: neu.jpg, Arial.ttf, Tafomat.php"), std::string::npos)
        << halb.fehler;
    EXPECT_NE(halb.fehler.find("run again completes it"), std::string::npos) << halb.fehler;
    std::set<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        namen.insert(eintrag.path().filename());
    EXPECT_EQ(namen, (std::set<std::string>{"Arial.ttf", "Tafomat.php", "leer.jpg", "neu.jpg"}));
    const Lauf vorher = starten({"check", alt, "--url", url});
    EXPECT_EQ(vorher.status, 0) << vorher.ausgabe;
    fs::remove(ordner / "neu.jpg");
    EXPECT_EQ(veröffentlichen(neu).status, 0);
    const Lauf nachher = starten({"check", neu, "--url", url});
    EXPECT_EQ(nachher.status, 0) << nachher.ausgabe;
    fs::remove(ordner / "leer.jpg");
    wieDasPaket(ordner, neu);
}

// Reads from the terminal until the text has come or it closes; at most 60 s.
std::string lesenBis(int terminal, const std::string& bis) {
    std::string gelesen;
    for (int runde = 0; runde < 600 && (bis.empty() || gelesen.find(bis) == std::string::npos);
         ++runde) {
        pollfd warten{terminal, POLLIN, 0};
        if (::poll(&warten, 1, 100) <= 0) continue;
        char puffer[4096];
        const ssize_t n = ::read(terminal, puffer, sizeof puffer);
        if (n <= 0) break;
        gelesen.append(puffer, static_cast<std::size_t>(n));
    }
    return gelesen;
}

// Without a netrc entry the password is asked for on the terminal, and what is typed there is
// not echoed.
TEST_F(Publish, PasswordIsAskedOnATerminalWithoutEcho) {
    const std::string d = design("d.txt", "Hallo");
    const std::string cacert = (server->ordner / "tls.pem").string();
    const std::vector<std::string> argumente{TAFOMAT_EXE,          "publish",  d,     "--to",
                                             ftp("ftps", "web/p"), "--cacert", cacert};
    std::vector<char*> zeiger;
    for (const std::string& argument : argumente)
        zeiger.push_back(const_cast<char*>(argument.c_str()));
    zeiger.push_back(nullptr);
    const std::string heim = ordner.path().toStdString();
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::chdir(heim.c_str()) != 0) ::_exit(126);
        ::setenv("HOME", heim.c_str(), 1);
        for (const char* name : {"SSH_AUTH_SOCK", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ::unsetenv(name);
        ::execv(TAFOMAT_EXE, zeiger.data());
        ::_exit(127);
    }
    std::string gelesen = lesenBis(terminal, "Password for " + server->benutzer + "@127.0.0.1: ");
    const std::string zeile = Passwort + "\n";
    EXPECT_EQ(::write(terminal, zeile.data(), zeile.size()), ssize_t(zeile.size()));
    gelesen += lesenBis(terminal, "");
    int status = 0;
    bool geendet = false;
    for (int i = 0; i < 600 && !geendet; ++i) {
        geendet = ::waitpid(pid, &status, WNOHANG) == pid;
        if (!geendet) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!geendet) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ::close(terminal);
    EXPECT_TRUE(geendet) << "still running, killed";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << gelesen;
    EXPECT_NE(gelesen.find("published leer.jpg, Arial.ttf, Tafomat.php"), std::string::npos)
        << gelesen;
    EXPECT_EQ(gelesen.find(Passwort), std::string::npos) << gelesen;
    wieDasPaket(server->heim / "web/p", d);
}

struct Prüffall {
    std::string name;
    std::string adresse;  // in the web folder
    int status;
    std::string meldung;
};

TEST_F(Publish, CheckNamesWhatTheAddressSends) {
    const std::string d = design("d.txt", "#F255255255Rauchfrei seit #2 Tagen");
    const std::string anders = design("anders.txt", "#F255255255Rauchfrei seit #2 Tagen!");
    using A = std::vector<std::string>;
    for (const auto& [entwurf, ordner, mehr] :
         {std::tuple{d, "k", A{}}, {anders, "k2", A{}}, {d, "g", A{"--type", "gif"}}}) {
        A argumente{"publish", entwurf,      "--to", ftp("ftp", std::string("web/") + ordner),
                    "--netrc", pfad("netrc")};
        argumente.insert(argumente.end(), mehr.begin(), mehr.end());
        ASSERT_EQ(starten(argumente).status, 0);
    }
    const fs::path web = server->heim / "web";
    fs::copy_file(web / "k/Tafomat.php", web / "k/Tafomat.txt");
    schreiben(web / "seite.html", "<!DOCTYPE html><html><body>Willkommen</body></html>\n");
    schreiben(web / "umleitung.php", "<?php header('Location: /k/Tafomat.php', true, 302);\n");
    schreiben(web / "schleife.php", "<?php header('Location: /schleife.php', true, 302);\n");
    schreiben(web / "verboten.php", "<?php http_response_code(403);\n");
    schreiben(web / "kaputt.php", "<?php http_response_code(500);\n");
    schreiben(web / "gross.php",
              "<?php header('Content-Type: image/png'); echo \"\\x89PNG\\r\\n\\x1a\\n\";"
              " $k=str_repeat('x',1<<20); for ($i=0;$i<100;++$i) echo $k;\n");
    // A picture with the header that names the reason of the script's error picture, as a
    // script that sends one names it.
    schreiben(web / "kopf.php",
              "<?php header('Content-Type: image/jpeg'); header('X-Tafomat-Fehler: "
              "schrift-fehlt'); $b=imagecreatetruecolor(460,66); imagejpeg($b);\n");
    // The server's day is a day behind this machine's.
    const std::string gestern =
        inZeile("TZ=Europe/Berlin date -d '-1 day' +%d.%m.%Y").substr(0, 10);
    const std::vector<Prüffall> fälle = {
        {"the banner", "k/Tafomat.php", 0,
         "the same banner as the server's script draws on " + gestern},
        {"the picture-name address", "k/Tafomat.php/banner.jpg", 0, "the same banner"},
        {"one redirect", "umleitung.php", 0, "(redirected -> "},
        {"another design", "k2/Tafomat.php", 3, "pixels differ, in rows"},
        {"another type", "g/Tafomat.php", 3, "sends a gif picture, the design's script a jpeg"},
        {"no such file", "k/fehlt.php", 1, "answers 404 Not Found"},
        {"forbidden", "verboten.php", 1, "answers 403 Forbidden: the web server may not read"},
        {"a broken script", "kaputt.php", 1, "answers 500 Internal Server Error: the script does"},
        {"HTML", "seite.html", 1, "sends HTML instead of a picture"},
        {"the script's source", "k/Tafomat.txt", 1, "sends the PHP source"},
        {"redirects without end", "schleife.php", 1, "more than 5 redirects"},
        {"100 MB", "gross.php", 1, "more than 64 MB"},
        {"the error picture's header", "kopf.php", 3,
         "error picture: X-Tafomat-Fehler (schrift-fehlt)"},
    };
    for (const Prüffall& fall : fälle) {
        SCOPED_TRACE(fall.name);
        const Lauf lauf = starten({"check", d, "--url", webadresse(fall.adresse)});
        EXPECT_EQ(lauf.status, fall.status) << lauf.ausgabe << lauf.fehler;
        EXPECT_NE(lauf.ausgabe.find(fall.meldung), std::string::npos) << lauf.ausgabe;
        EXPECT_EQ(std::count(lauf.ausgabe.begin(), lauf.ausgabe.end(), '\n'), 1);
    }
    const Lauf gif = starten({"check", d, "--url", webadresse("g/Tafomat.php"), "--type", "gif"});
    EXPECT_EQ(gif.status, 0) << gif.ausgabe;
    // A server that lost its font sends the script's error picture, known by its pixels.
    fs::rename(web / "k/Arial.ttf", web / "k/arial.ttf");
    const Lauf ohneSchrift = starten({"check", d, "--url", webadresse("k/Tafomat.php")});
    EXPECT_EQ(ohneSchrift.status, 3);
    EXPECT_NE(ohneSchrift.ausgabe.find("error picture: Tafomat: Schrift Arial.ttf fehlt"),
              std::string::npos)
        << ohneSchrift.ausgabe;
}

// No keyring can be started in every run of the suite: this one keeps the passwords in memory
// and answers at once.
class Merkbund : public Schluesselbund {
  public:
    void lesen(const QString& konto, std::function<void(std::optional<QString>)> fertig) override {
        const auto eintrag = passwörter.find(konto);
        fertig(eintrag == passwörter.end() ? std::nullopt : std::optional(eintrag->second));
    }
    void speichern(const QString& konto, const QString& passwort,
                   std::function<void(bool)> fertig) override {
        passwörter[konto] = passwort;
        fertig(true);
    }
    void löschen(const QString& konto) override { passwörter.erase(konto); }

    std::map<QString, QString> passwörter;
};

// The publish dialog over a hidden window's design, driven offscreen: the server area's button
// opens it; it publishes and checks against the same servers while the window's event loop
// goes on, and offers the lines to copy into the forum, the target kept beside the design and
// the password kept in the keyring only when ticked.
TEST_F(Publish, DialogPublishesAndChecksWhileTheWindowGoesOn) {
    const std::string d = design("d.txt", "#F255255255Rauchfrei seit #2 Tagen");
    const std::string gespeichert = lesen(pfad(d));
    MainWindow fenster(dialoge, schriftarten, uhr);
    Merkbund bund;
    fenster.schlüsselbundSetzen(bund);
    ASSERT_TRUE(fenster.EinstellungenÖffnen(QString::fromStdString(pfad(d))).geöffnet);
    Veroeffentlichungsdialog* dialog = nullptr;
    const auto öffnen = [&] {
        delete dialog;
        for (int mal = 0; mal < 2; ++mal)
            fenster.findChild<QPushButton*>(QStringLiteral("Veroeffentlichen"))->click();
        ASSERT_EQ(fenster.findChildren<Veroeffentlichungsdialog*>().size(), 1);
        dialog = fenster.findChild<Veroeffentlichungsdialog*>();
    };
    const auto feld = [&](const char* name) {
        auto* zeile = dialog->findChild<QLineEdit*>(QLatin1String(name));
        EXPECT_NE(zeile, nullptr) << name;
        return zeile ? zeile->text().toStdString() : std::string();
    };
    const auto eingeben = [&](const char* name, const std::string& text) {
        dialog->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromStdString(text));
    };
    const auto behalten = [&] {
        return dialog->findChild<QCheckBox*>(QStringLiteral("SchluesselbundSpeichern"));
    };
    const auto ausführen = [&](const char* knopf) {
        auto* meldung = dialog->findChild<QLabel*>(QStringLiteral("Meldung"));
        int schläge = 0;
        QTimer uhrwerk;
        QObject::connect(&uhrwerk, &QTimer::timeout, [&] { ++schläge; });
        uhrwerk.start(5);
        dialog->findChild<QPushButton*>(QLatin1String(knopf))->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !meldung->text().endsWith(QStringLiteral(" …")); },
                                    60000));
        return std::pair(schläge, meldung->text());
    };
    const std::string url = webadresse("dialog/Tafomat.php");
    const std::string port = std::to_string(server->ftp->port());
    const std::string zielzeilen = "protokoll=ftp\nhost=127.0.0.1\nport=" + port +
                                   "\nbenutzer=" + server->benutzer +
                                   "\nordner=web/dialog/\nadresse=" + url + "\n";
    const std::string serveradresse = "ftp://127.0.0.1:" + port + "/web/dialog/";
    öffnen();
    EXPECT_EQ(feld("Server") + feld("Adresse"), "");
    eingeben("Server", serveradresse);
    eingeben("Benutzer", server->benutzer);
    eingeben("Passwort", Passwort);
    eingeben("Adresse", url);
    EXPECT_FALSE(behalten()->isChecked());
    // The timer ticks while the upload runs: nothing waits in the window's thread.
    const auto [schläge, ergebnis] = ausführen("VeroeffentlichenKnopf");
    EXPECT_GT(schläge, 0);
    EXPECT_TRUE(ergebnis.startsWith(QStringLiteral(
        "Veröffentlicht. Die Adresse sendet das gestaltete Banner: the same banner")))
        << ergebnis.toStdString();
    EXPECT_EQ(feld("BBCode"), "[img]" + url + "[/img]");
    EXPECT_EQ(feld("BBCodeBildname"), "[img]" + url + "/banner.jpg[/img]");
    wieDasPaket(server->heim / "web/dialog", d);
    // The notice line keeps the result; Hinweiszeile declares no Q_OBJECT.
    EXPECT_TRUE(fenster.findChild<QWidget*>(QStringLiteral("Hinweis"))
                    ->toolTip()
                    .contains(QStringLiteral("Die Adresse sendet das gestaltete Banner")));
    EXPECT_TRUE(bund.passwörter.empty());
    EXPECT_EQ(lesen(pfad(d) + ".ziel"), zielzeilen);
    EXPECT_EQ(lesen(pfad(d)), gespeichert);

    // The next dialog offers the target; ticked, the password goes into the keyring.
    öffnen();
    EXPECT_EQ(feld("Server") + " " + feld("Benutzer") + " " + feld("Adresse"),
              serveradresse + " " + server->benutzer + " " + url);
    EXPECT_EQ(feld("Passwort"), "");
    eingeben("Passwort", Passwort);
    behalten()->setChecked(true);
    ausführen("VeroeffentlichenKnopf");
    const QString konto =
        QString::fromStdString("ftp://" + server->benutzer + "@127.0.0.1:" + port);
    EXPECT_EQ(bund.passwörter,
              (std::map<QString, QString>{{konto, QString::fromStdString(Passwort)}}));
    EXPECT_EQ(lesen(pfad(d) + ".ziel"), zielzeilen);

    // And the one after has it from there, until the tick is taken away.
    öffnen();
    EXPECT_EQ(feld("Passwort"), Passwort);
    EXPECT_TRUE(behalten()->isChecked());
    eingeben("Adresse", webadresse("dialog/fehlt.php"));
    EXPECT_TRUE(ausführen("PruefenKnopf").second.contains(QStringLiteral("404")));
    behalten()->setChecked(false);
    ausführen("VeroeffentlichenKnopf");
    EXPECT_TRUE(bund.passwörter.empty());
    // No file but the test's own netrc holds the password.
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner.path().toStdString())) {
        if (eintrag.is_regular_file() && eintrag.path().filename() != "netrc") {
            EXPECT_EQ(lesen(eintrag.path()).find(Passwort), std::string::npos) << eintrag.path();
        }
    }
}

// The check takes an HTTPS host's certificate only from the system or --cacert. openssl's test
// server stands in for the host: it sends files and runs no PHP, which no TLS case needs.
TEST_F(Publish, CheckTakesNoCertificateItCannotVerify) {
    const std::string d = design("d.txt", "Hallo");
    const std::string o = inHochkommas(server->ordner.string());
    const Webserver https([&](int port) {
        return "cd " + o +
               " && exec setpriv --pdeathsig TERM openssl s_server -quiet -accept 127.0.0.1:" +
               std::to_string(port) + " -cert tls.pem -key tls.key -WWW </dev/null >/dev/null 2>&1";
    });
    const std::string url = "https://127.0.0.1:" + std::to_string(https.port()) + "/tls.pem";
    const Lauf ohne = starten({"check", d, "--url", url});
    EXPECT_EQ(ohne.status, 1);
    EXPECT_NE(ohne.ausgabe.find("cannot be fetched: SSL certificate problem"), std::string::npos)
        << ohne.ausgabe;
    const Lauf mit =
        starten({"check", d, "--url", url, "--cacert", (server->ordner / "tls.pem").string()});
    EXPECT_EQ(mit.status, 1);
    EXPECT_NE(mit.ausgabe.find("sends no picture"), std::string::npos) << mit.ausgabe;
}

// A server that takes the connection and never answers ends every protocol's run with a
// message, on curl's own time limits; the program's clock runs fast, so they pass in seconds.
TEST_F(Publish, ASilentServerEndsTheRunInTime) {
    const std::string d = design("d.txt", "Hallo");
    const int still = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t länge = sizeof adresse;
    ASSERT_EQ(::bind(still, reinterpret_cast<sockaddr*>(&adresse), länge), 0);
    ASSERT_EQ(::listen(still, 8), 0);
    ASSERT_EQ(::getsockname(still, reinterpret_cast<sockaddr*>(&adresse), &länge), 0);
    const std::string ort = "127.0.0.1:" + std::to_string(ntohs(adresse.sin_port));
    const std::vector<std::pair<std::vector<std::string>, std::string>> fälle = {
        {{"check", d, "--url", "http://" + ort + "/Tafomat.php"},
         "the server does not answer in time"},
        {{"publish", d, "--to", "ftp://" + server->benutzer + "@" + ort + "/web/", "--netrc",
          pfad("netrc")},
         "the server does not answer in time (its address and port, or a firewall?); nothing was "
         "uploaded"},
        {{"publish", d, "--to", "sftp://" + server->benutzer + "@" + ort + "/web/", "--netrc",
          pfad("netrc"), "--known-hosts", pfad("known_hosts")},
         "the server does not answer in time"},
    };
    for (const auto& [argumente, meldung] : fälle) {
        SCOPED_TRACE(argumente.front());
        const Lauf lauf = starten(argumente, true);
        EXPECT_EQ(lauf.status, 1);
        EXPECT_NE((lauf.ausgabe + lauf.fehler).find(meldung), std::string::npos)
            << lauf.ausgabe << lauf.fehler;
    }
    ::close(still);
}

struct Eingabefall {
    std::vector<std::string> argumente;  // after the command and the design
    std::string meldung;
};

// Everything decided before connecting ends with 2, a message, and no connection tried.
TEST_F(Publish, BadInputIsRefusedBeforeConnecting) {
    const std::string d = design("d.txt", "Hallo");
    schreiben(pfad("fremd.netrc"), "machine example.org login anna password x\n");
    schreiben(pfad("keinschluessel"), "Hallo\n");
    schreiben(pfad("keinschluessel.pub"), "Hallo\n");
    const std::string u = server->benutzer;
    // clang-format off
    const std::vector<std::pair<std::string, Eingabefall>> fälle = {
        {"publish", {{"--to", "http://" + u + "@127.0.0.1/x/"}, "begins with none of"}},
        {"publish", {{"--to", "sftp://" + u + "@/x/"}, "names no host"}},
        {"publish", {{"--to", "sftp://" + u + ":pw@127.0.0.1/x/"}, "the user holds a colon"}},
        {"publish", {{"--to", ftp("ftp", "a/../b")}, "\"..\""}},
        {"publish", {{"--to", ftp("ftp", "x"), "--netrc", pfad("fremd.netrc")}, "has no password for machine 127.0.0.1"}},
        {"publish", {{"--to", ftp("ftp", "x")}, "no password for " + u}},
        {"publish", {{"--to", sftp("x"), "--key", pfad("keinschluessel")}, "is no private key"}},
        {"publish", {{"--to", sftp("x"), "--netrc", pfad("netrc"), "--url", "ftp://x/"},
                     "is no http:// or https:// address"}},
        {"check", {{"--url", "file:///etc/passwd"}, "is no http:// or https:// address"}},
        {"check", {{"--url", webadresse("x.php"), "--type", "bmp"}, "is not jpeg, png or gif"}},
    };
    // clang-format on
    for (const auto& [befehl, fall] : fälle) {
        SCOPED_TRACE(fall.meldung);
        std::vector<std::string> argumente{befehl, d};
        argumente.insert(argumente.end(), fall.argumente.begin(), fall.argumente.end());
        const Lauf lauf = starten(argumente);
        EXPECT_EQ(lauf.status, 2);
        EXPECT_NE(lauf.fehler.find(fall.meldung), std::string::npos) << lauf.fehler;
        EXPECT_EQ(lauf.ausgabe, "");
    }
    EXPECT_FALSE(fs::exists(server->heim / "x"));
}

}  // namespace
}  // namespace tafomat::test
