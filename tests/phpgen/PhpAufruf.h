#pragma once

// Helpers of the tests that hand generated scripts to a real PHP: make a background, read what
// skriptlauf.php prints, and make random designs.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "common/PhpLauf.h"
#include "common/RecordingSurface.h"
#include "model/Felder.h"

namespace tafomat::test {

const fs::path Skriptlauf = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/skriptlauf.php";
const fs::path Hilfe = fs::path(TAFOMAT_SOURCE_DIR) / "tests/phpgen/gd_hilfe.php";
const fs::path Schrift = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

// A banner background: dark blue, so that black, white and yellow text all show against it, or
// noise from the seed, whose JPEG holds every byte value as a photo's does.
inline void hintergrundMachen(const fs::path& pfad, std::optional<int> rauschen = std::nullopt) {
    const std::string befehl =
        rauschen
            ? php({Hilfe.string(), "rauschen", pfad.string(), "460", "66",
                   std::to_string(*rauschen)})
            : php({Hilfe.string(), "hintergrund", pfad.string(), "460", "66", "0", "0", "110"});
    ASSERT_EQ(ausführen(befehl).status, 0) << befehl;
}

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

// Random designs: templates of all 256 codes mixed with commands and placeholders, and random
// texts in every field that reaches the script.
class Zufallsdesign {
  public:
    explicit Zufallsdesign(unsigned saat) : m_zufall(saat) {}

    void füllen(Felder& felder, RecordingSurface& fläche) {
        felder.setText(Feld::Txt, vorlage());
        felder.setText(Feld::DaTxt, eins({"04.11.2010", "8.9.15", "29.02.2024 12:00", " 1.1.1 ",
                                          "31.12.0100", "1.3.999"}) +
                                        (würfel(4) == 0 ? bytes(3) : ""));
        for (const Feld feld : {Feld::AlTxt, Feld::AnTxt, Feld::NeTxt, Feld::StTxt, Feld::KiTxt})
            felder.setText(feld, würfel(10) == 0 ? bytes(4) : betrag());
        felder.setText(Feld::HintergrundName, bytes(1 + würfel(12)));
        felder.setText(Feld::BildArt, eins({"jpeg", "png", "gif", "JPEG", " Png", "GIF", "webp"}));
        felder.setText(Feld::BildQuallität, eins({"75", "9", "09", "100", "0", "-1"}));
        fläche.setFontName(bytes(1 + würfel(10)));
        for (const Feld feld : {Feld::TaTxt, Feld::GZTxt, Feld::GETxt, Feld::GSTxt})
            felder.setText(feld, bytes(würfel(6)));
    }

  private:
    int würfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_zufall); }
    std::string eins(std::initializer_list<const char*> auswahl) {
        return *(auswahl.begin() + würfel(int(auswahl.size())));
    }
    std::string bytes(int n) {
        std::string text;
        for (int i = 0; i < n; ++i) text += static_cast<char>(würfel(256));
        return text;
    }
    // Mostly ordinary amounts; now and then one whose cents or products leave PHP's int range.
    std::string betrag() {
        if (würfel(8) == 0) return eins({"-", ""}) + std::string(12 + würfel(12), '9') + ",99";
        return eins({"", "-", " "}) + std::to_string(würfel(100000)) +
               eins({"", ",", ",5", ",05", ".000", ",999", ",29"});
    }
    std::string vorlage() {
        static const char* stücke[] = {"#X",   "#Y", "#F", "#G",  "#B", "#1", "#2",    "#3",
                                       "#4",   "#5", "#6", "#7",  "#8", "#9", "#Z",    "#",
                                       "\r\n", "\"", "$",  "\\",  "{$", "?>", "<?php", "'",
                                       "&",    "&#", "0",  "255", "12", " "};
        std::string text;
        for (int n = würfel(40); n > 0; --n)
            text += würfel(3) == 0 ? bytes(1 + würfel(4)) : stücke[würfel(30)];
        return text;
    }

    std::mt19937 m_zufall;
};

}  // namespace tafomat::test
