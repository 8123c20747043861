#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "model/Feld.h"

namespace tafomat {

// What a record of the settings file holds, and so how it is read, written and applied.
enum class Datensatzart {
    Bildpfad,      // the background picture's path, a line; applying it loads the picture
    Bildname,      // the picture's name in the script, a line
    Schriftart,    // the font the preview draws with, a line
    Schriftgröße,  // written as the preview's size cut to a whole number, read as the line
    Textfarbe,     // the preview's text colour, a number; read, never applied
    Regler,        // a scroll bar's value, a number within its range
    Datum,         // an input the redraw and the script read as a date, a line
    Anzahl,        // an input read as a number
    Betrag,        // an input read as an amount, also taken times 100 as whole cents
    Vorlage,       // the template, the rest of the file
};

struct Datensatz {
    std::optional<Feld> feld;  // the field the record fills; none for the text colour
    Datensatzart art;
};

// The settings file's records in file order, no header, no keys: record n is Datensätze[n - 1].
// Every line ends with CR LF. The inputs stand in the order the window shows them, which is
// also the order in which the script's lines read them.
inline constexpr std::array<Datensatz, 15> Datensätze{{
    {Feld::HintergrundPfad, Datensatzart::Bildpfad},
    {Feld::HintergrundName, Datensatzart::Bildname},
    {Feld::SchriftartListe, Datensatzart::Schriftart},
    {Feld::SchriftGröße, Datensatzart::Schriftgröße},
    {std::nullopt, Datensatzart::Textfarbe},
    {Feld::XPos, Datensatzart::Regler},
    {Feld::YPos, Datensatzart::Regler},
    {Feld::Abstand, Datensatzart::Regler},
    {Feld::DaTxt, Datensatzart::Datum},
    {Feld::AlTxt, Datensatzart::Betrag},
    {Feld::KiTxt, Datensatzart::Anzahl},
    {Feld::AnTxt, Datensatzart::Betrag},
    {Feld::NeTxt, Datensatzart::Betrag},
    {Feld::StTxt, Datensatzart::Betrag},
    {Feld::Txt, Datensatzart::Vorlage},
}};

constexpr bool istEingabe(Datensatzart art) {
    return art == Datensatzart::Datum || art == Datensatzart::Anzahl || art == Datensatzart::Betrag;
}

// The number of the record that fills the field, counted from 1; 0 for a field of none.
constexpr int Datensatznummer(Feld feld) {
    const auto stelle = std::find_if(Datensätze.begin(), Datensätze.end(),
                                     [feld](const Datensatz& satz) { return satz.feld == feld; });
    return stelle == Datensätze.end() ? 0 : static_cast<int>(stelle - Datensätze.begin()) + 1;
}

// The kind of the field's record; nullopt for a field the settings file does not keep.
[[nodiscard]] constexpr std::optional<Datensatzart> DatensatzartVon(Feld feld) {
    const int nummer = Datensatznummer(feld);
    if (nummer == 0) return std::nullopt;
    return Datensätze[static_cast<std::size_t>(nummer - 1)].art;
}

namespace detail {

constexpr std::size_t eingabenAnzahl() {
    return static_cast<std::size_t>(
        std::count_if(Datensätze.begin(), Datensätze.end(),
                      [](const Datensatz& s) { return istEingabe(s.art); }));
}

constexpr std::array<Feld, eingabenAnzahl()> eingabefelder() {
    std::array<Feld, eingabenAnzahl()> felder{};
    std::size_t i = 0;
    for (const Datensatz& satz : Datensätze)
        if (istEingabe(satz.art)) felder[i++] = *satz.feld;
    return felder;
}

}  // namespace detail

// The input fields in record order: as the window shows them and as the script reads them.
inline constexpr std::array<Feld, detail::eingabenAnzahl()> Eingabefelder = detail::eingabefelder();

}  // namespace tafomat
