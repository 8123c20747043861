#pragma once

// Runs generated scripts on the real PHP with GD, in a folder of their own that holds what the
// script needs next to it: the font file and the background picture.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace tafomat::test {

namespace fs = std::filesystem;

struct Ergebnis {
    int status;
    std::string ausgabe;
};

inline std::string inHochkommas(const std::string& text) {
    std::string ergebnis = "'";
    for (const char zeichen : text)
        ergebnis += zeichen == '\'' ? std::string("'\\''") : std::string(1, zeichen);
    return ergebnis + "'";
}

inline std::string lesen(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

inline void schreiben(const fs::path& pfad, const std::string& text) {
    std::ofstream(pfad, std::ios::binary) << text;
}

// Standard output of the command; standard error goes to the file `fehler` when given.
inline Ergebnis ausführen(const std::string& befehl, const fs::path& fehler = "/dev/null") {
    std::FILE* rohr = ::popen((befehl + " 2>" + inHochkommas(fehler.string())).c_str(), "r");
    if (!rohr) return {-1, ""};
    std::string ausgabe;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
        ausgabe.append(puffer, n);
    return {::pclose(rohr), ausgabe};
}

inline std::string befehl(const std::string& programm, const std::vector<std::string>& argumente) {
    std::string text = programm;
    for (const std::string& argument : argumente) text += " " + inHochkommas(argument);
    return text;
}

inline std::string php(const std::vector<std::string>& argumente) {
    return befehl("php", argumente);
}

// libfaketime itself, preloaded without the faketime wrapper: the wrapper names a semaphore
// after its process id and leaves it behind when it is killed (as a served php -S is), and a
// later wrapper that gets the same id refuses to start.
inline std::string libfaketime() {
    for (const auto& eintrag : fs::directory_iterator("/usr/lib")) {
        const fs::path bibliothek = eintrag.path() / "faketime/libfaketime.so.1";
        if (fs::exists(bibliothek)) return bibliothek.string();
    }
    return "/usr/lib/faketime/libfaketime.so.1";
}

// The start of a command whose clock is the instant (such as "2026-07-01 00:30:00+02:00"):
// standing still, or running on from it. The files' times stay as the disk has them, as on a
// server: a file changed after the faked instant is no change of that day.
inline std::string mitUhr(const std::string& uhr, bool läuft = false) {
    return "TZ=UTC LD_PRELOAD=" + inHochkommas(libfaketime()) + " NO_FAKE_STAT=1 FAKETIME=\"" +
           (läuft ? "@" : "") + "$(date -u -d " + inHochkommas(uhr) + " '+%Y-%m-%d %H:%M:%S')\" ";
}

inline bool phpMitGd() {
    return ausführen("php -r 'exit(function_exists(\"imagettftext\") ? 0 : 1);'").status == 0;
}

// A path below the user's cache folder, where the tool scripts build.
inline fs::path imCache(const std::string& pfad) {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* heim = std::getenv("HOME");
    return (cache ? fs::path(cache) : fs::path(heim ? heim : "/") / ".cache") / "tafomat" / pfad;
}

// The PHP built with PHP's own bundled GD (tools/php-bundled): the path in TAFOMAT_PHP_BUNDLED,
// which the test command sets and which must then work, or the one in the user's cache. Empty
// when there is none.
inline std::string phpGebündelt() {
    if (const char* pfad = std::getenv("TAFOMAT_PHP_BUNDLED")) return pfad;
    const fs::path php = imCache("php-bundled/bin/php");
    return ::access(php.c_str(), X_OK) == 0 ? php.string() : std::string();
}

// The folder of libgd built with libraqm (tools/gd-raqm), to put first in LD_LIBRARY_PATH of
// Debian's PHP: the path in TAFOMAT_GD_RAQM, which the test command sets and which must then
// hold the library, or the one in the user's cache. Empty when there is none.
inline std::string gdRaqm() {
    if (const char* pfad = std::getenv("TAFOMAT_GD_RAQM")) return pfad;
    const fs::path bibliothek = imCache("gd-raqm/lib");
    return fs::exists(bibliothek / "libgd.so.3") ? bibliothek.string() : std::string();
}

// A fresh folder for one test's scripts, removed unless the test failed.
class PhpOrdner {
  public:
    PhpOrdner() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // A parameterised test's names hold a "/", which must not make a folder within it.
        std::string name = std::string(test->test_suite_name()) + "-" + test->name();
        std::replace(name.begin(), name.end(), '/', '-');
        m_pfad =
            fs::temp_directory_path() / ("tafomat-php-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(m_pfad);
        fs::create_directories(m_pfad);
    }
    ~PhpOrdner() {
        if (!::testing::Test::HasFailure()) fs::remove_all(m_pfad);
    }
    const fs::path& pfad() const { return m_pfad; }

    // Runs the script as the server would, from another working folder, on the day the clock
    // gives (the command's start, see mitUhr): it must exit 0 and say nothing on standard error.
    // Gives what it sends.
    std::string laufen(const std::string& skript, const std::string& uhr = {},
                       const std::string& name = "Tafomat.php",
                       const std::string& php = "php") const {
        schreiben(m_pfad / name, skript + "\r\n");
        const fs::path fehler = m_pfad / "fehler.txt";
        const Ergebnis lauf = ausführen("cd / && " + uhr + inHochkommas(php) +
                                            " -d error_reporting=-1 -d display_errors=stderr " +
                                            inHochkommas((m_pfad / name).string()),
                                        fehler);
        EXPECT_EQ(lauf.status, 0);
        EXPECT_EQ(lesen(fehler), "");
        return lauf.ausgabe;
    }

  private:
    fs::path m_pfad;
};

// A web server started by a shell command on a free port of this machine, in the foreground
// and in a process group of its own, which the object stops with everything in it.
class Webserver {
  public:
    struct Antwort {
        int status = 0;
        std::map<std::string, std::string> kopf;  // the header names in lower case
        std::string inhalt;
        std::string roh;  // every byte sent
    };

    // befehl(port) gives the command that serves 127.0.0.1:port; a port taken meanwhile makes
    // it end at once, and another port is tried.
    explicit Webserver(const std::function<std::string(int)>& befehl) {
        for (int versuch = 0; versuch < 5 && !m_gruppe; ++versuch) starten(befehl);
        EXPECT_NE(m_gruppe, 0) << "the server did not start: " << befehl(m_port);
    }
    ~Webserver() { beenden(); }
    Webserver(const Webserver&) = delete;
    Webserver& operator=(const Webserver&) = delete;

    // The port it serves, 0 when it did not start.
    int port() const { return m_gruppe ? m_port : 0; }

    Antwort anfragen(const std::string& methode, const std::string& pfad,
                     const std::vector<std::string>& kopfzeilen = {}) const {
        std::string anfrage = methode + " " + pfad + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
        for (const std::string& zeile : kopfzeilen) anfrage += zeile + "\r\n";
        anfrage += "Connection: close\r\n\r\n";
        Antwort antwort;
        const int verbindung = verbinden();
        if (verbindung < 0) return antwort;
        if (::send(verbindung, anfrage.data(), anfrage.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(anfrage.size())) {
            char puffer[65536];
            for (ssize_t n; (n = ::recv(verbindung, puffer, sizeof puffer, 0)) > 0;)
                antwort.roh.append(puffer, static_cast<std::size_t>(n));
        }
        ::close(verbindung);
        zerlegen(antwort);
        return antwort;
    }

  private:
    static int freierPort() {
        const int sockel = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t länge = sizeof adresse;
        int port = 0;
        if (::bind(sockel, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0 &&
            ::getsockname(sockel, reinterpret_cast<sockaddr*>(&adresse), &länge) == 0)
            port = ntohs(adresse.sin_port);
        ::close(sockel);
        return port;
    }

    int verbinden() const {
        const int sockel = ::socket(AF_INET, SOCK_STREAM, 0);
        const timeval warten{60, 0};
        ::setsockopt(sockel, SOL_SOCKET, SO_RCVTIMEO, &warten, sizeof warten);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        adresse.sin_port = htons(static_cast<std::uint16_t>(m_port));
        if (::connect(sockel, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0)
            return sockel;
        ::close(sockel);
        return -1;
    }

    // Waits until the server answers, at most 20 s; a server that ends meanwhile ends it at once.
    void starten(const std::function<std::string(int)>& befehl) {
        m_port = freierPort();
        const std::string zeile = befehl(m_port);
        const char* aufruf[] = {"/bin/sh", "-c", zeile.c_str(), nullptr};
        posix_spawnattr_t merkmale;
        posix_spawnattr_init(&merkmale);
        posix_spawnattr_setflags(&merkmale, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&merkmale, 0);
        pid_t pid = 0;
        const int fehler = ::posix_spawn(&pid, "/bin/sh", nullptr, &merkmale,
                                         const_cast<char* const*>(aufruf), environ);
        posix_spawnattr_destroy(&merkmale);
        if (fehler != 0) return;
        m_gruppe = pid;
        for (int i = 0; i < 200; ++i) {
            if (::waitpid(pid, nullptr, WNOHANG) == pid) {
                m_gruppe = 0;
                return;
            }
            if (const int verbindung = verbinden(); verbindung >= 0) {
                ::close(verbindung);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        beenden();
    }

    void beenden() {
        if (!m_gruppe) return;
        ::kill(-m_gruppe, SIGTERM);
        ::waitpid(m_gruppe, nullptr, 0);
        m_gruppe = 0;
    }

    static void zerlegen(Antwort& antwort) {
        const std::size_t ende = antwort.roh.find("\r\n\r\n");
        if (ende == std::string::npos) return;
        antwort.inhalt = antwort.roh.substr(ende + 4);
        std::istringstream kopf(antwort.roh.substr(0, ende));
        std::string zeile;
        std::getline(kopf, zeile);
        if (zeile.size() > 12) antwort.status = std::atoi(zeile.c_str() + 9);
        while (std::getline(kopf, zeile)) {
            const std::size_t doppelpunkt = zeile.find(':');
            if (doppelpunkt == std::string::npos) continue;
            std::string name = zeile.substr(0, doppelpunkt);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            std::string wert = zeile.substr(doppelpunkt + 1);
            wert.erase(0, wert.find_first_not_of(' '));
            wert.erase(wert.find_last_not_of("\r ") + 1);
            antwort.kopf[name] = wert;
        }
    }

    pid_t m_gruppe = 0;
    int m_port = 0;
};

// PHP's built-in web server over a folder, started by a shell command that may fix its clock
// (mitUhr).
class PhpServer : public Webserver {
  public:
    PhpServer(const fs::path& ordner, const std::string& uhr,
              const std::vector<std::string>& optionen)
        : Webserver([&](int port) {
              return "cd / && " + uhr + php(optionen) + " -S 127.0.0.1:" + std::to_string(port) +
                     " -t " + inHochkommas(ordner.string()) + " >/dev/null 2>&1";
          }) {}
};

}  // namespace tafomat::test
