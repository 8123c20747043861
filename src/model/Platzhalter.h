#pragma once

#include <string_view>

#include "model/Feld.h"

namespace tafomat {

// A placeholder of the template: the field whose text the preview draws for it (and by whose
// text the script measures it), and the script variable that holds its value on the server.
struct Platzhalter {
    char name;
    Feld feld;
    std::string_view variable;
};

// Every placeholder, in the order in which the script's compiler tests them.
inline constexpr Platzhalter Platzhalterliste[] = {
    {'1', Feld::DaTxt, "$Datum"},      {'2', Feld::TaTxt, "$Tage"},
    {'3', Feld::AlTxt, "$AlteKosten"}, {'4', Feld::KiTxt, "$Kippen"},
    {'Z', Feld::GZTxt, "$AlleKippen"}, {'5', Feld::AnTxt, "$Anschaffung"},
    {'6', Feld::NeTxt, "$NeueKosten"}, {'7', Feld::GETxt, "$Gespart"},
    {'8', Feld::StTxt, "$Steuern"},    {'9', Feld::GSTxt, "$Fiskus"},
};

// The placeholder of that name; nullptr for none.
constexpr const Platzhalter* platzhalter(char name) {
    for (const Platzhalter& ph : Platzhalterliste)
        if (ph.name == name) return &ph;
    return nullptr;
}

}  // namespace tafomat
