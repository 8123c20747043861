#pragma once

// Runs generated scripts on the real PHP with GD, in a folder of their own that holds what the
// script needs next to it: the font file and the background picture.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
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
inline Ergebnis ausfuehren(const std::string& befehl, const fs::path& fehler = "/dev/null") {
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

// The start of a command whose clock stands still at an instant such as
// "2026-07-01 00:30:00+02:00".
inline std::string mitUhr(const std::string& uhr) {
    return "TZ=UTC faketime -f \"$(date -u -d " + inHochkommas(uhr) + " '+%Y-%m-%d %H:%M:%S')\" ";
}

inline bool phpMitGd() {
    return ausfuehren("php -r 'exit(function_exists(\"imagettftext\") ? 0 : 1);'").status == 0;
}

// The PHP built with PHP's own bundled GD (tools/php-bundled): the path in TAFOMAT_PHP_BUNDLED,
// which the test command sets and which must then work, or the one in the user's cache. Empty
// when there is none.
inline std::string phpGebuendelt() {
    if (const char* pfad = std::getenv("TAFOMAT_PHP_BUNDLED")) return pfad;
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* heim = std::getenv("HOME");
    const fs::path ordner = cache ? fs::path(cache) : fs::path(heim ? heim : "/") / ".cache";
    const fs::path php = ordner / "tafomat/php-bundled/bin/php";
    return ::access(php.c_str(), X_OK) == 0 ? php.string() : std::string();
}

// A fresh folder for one test's scripts, removed unless the test failed.
class PhpOrdner {
  public:
    PhpOrdner() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_pfad = fs::temp_directory_path() / ("tafomat-php-" + std::to_string(::getpid()) + "-" +
                                              test->test_suite_name() + "-" + test->name());
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
        const Ergebnis lauf = ausfuehren("cd / && " + uhr + inHochkommas(php) +
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

}  // namespace tafomat::test
