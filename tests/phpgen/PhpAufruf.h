#pragma once

// Helpers of the tests that hand generated scripts to a real PHP: run a command, read and write
// files, and make random designs.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/RecordingSurface.h"
#include "model/Felder.h"

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

const fs::path Skriptlauf = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/skriptlauf.php";

// The lines of skriptlauf.php: for each script's name, the texts of its placeholder variables.
inline std::map<std::string, std::vector<std::string>> skriptWerte(const std::string& ausgabe) {
    std::map<std::string, std::vector<std::string>> werte;
    std::istringstream zeilen(ausgabe);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        std::istringstream teile(zeile);
        std::string name, hex;
        std::getline(teile, name, ' ');
        std::vector<std::string>& texte = werte[name];
        while (std::getline(teile, hex, ' ')) {
            std::string text;
            for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
                text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            texte.push_back(text);
        }
    }
    return werte;
}

// A folder of its own for the running test, removed unless the test failed.
inline fs::path testordner(const std::string& art) {
    const fs::path ordner = fs::temp_directory_path() /
                            ("tafomat-" + art + "-" + std::to_string(::getpid()) + "-" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    return ordner;
}

// Random designs: templates of all 256 codes mixed with commands and placeholders, and random
// texts in every field that reaches the script.
class Zufallsdesign {
  public:
    explicit Zufallsdesign(unsigned saat) : m_zufall(saat) {}

    void fuellen(Felder& felder, RecordingSurface& flaeche) {
        felder.setText(Feld::Txt, vorlage());
        felder.setText(Feld::DaTxt, eins({"04.11.2010", "8.9.15", "29.02.2024 12:00", " 1.1.1 ",
                                          "31.12.0100", "1.3.999"}) +
                                        (wuerfel(4) == 0 ? bytes(3) : ""));
        for (const Feld feld : {Feld::AlTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt, Feld::KiTxt})
            felder.setText(feld, wuerfel(10) == 0 ? bytes(4) : betrag());
        felder.setText(Feld::HintergrundName, bytes(1 + wuerfel(12)));
        felder.setText(Feld::BildArt, eins({"jpeg", "png", "gif", "JPEG", " Png", "GIF", "webp"}));
        felder.setText(Feld::BildQuallität, eins({"75", "9", "09", "100", "0", "-1"}));
        flaeche.setFontName(bytes(1 + wuerfel(10)));
        for (const Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
            felder.setText(feld, bytes(wuerfel(6)));
    }

  private:
    int wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }
    std::string eins(std::initializer_list<const char*> auswahl) {
        return *(auswahl.begin() + wuerfel(int(auswahl.size())));
    }
    std::string bytes(int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += static_cast<char>(wuerfel(256));
        return text;
    }
    // Mostly ordinary amounts; now and then one whose cents or products leave PHP's int range.
    std::string betrag() {
        if (wuerfel(8) == 0) return eins({"-", ""}) + std::string(12 + wuerfel(12), '9') + ",99";
        return eins({"", "-", " "}) + std::to_string(wuerfel(100000)) +
               eins({"", ",", ",5", ",05", ".000", ",999", ",29"});
    }
    std::string vorlage() {
        static const char* stuecke[] = {"#X",   "#Y", "#F", "#G",  "#B", "#1", "#2",    "#3",
                                        "#4",   "#5", "#6", "#7",  "#8", "#9", "#Z",    "#",
                                        "\r\n", "\"", "$",  "\\",  "{$", "?>", "<?php", "'",
                                        "&",    "&#", "0",  "255", "12", " "};
        std::string text;
        for (int n = wuerfel(40); n > 0; --n)
            text += wuerfel(3) == 0 ? bytes(1 + wuerfel(4)) : stuecke[wuerfel(30)];
        return text;
    }

    std::mt19937 m_zufall;
};

}  // namespace tafomat::test
