#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tafomat {

// Every field of the window, plus the two window-level values that change at run time.
// The window's fields are the store of all state; nothing outside them caches a value.
enum class Feld {
    // input values of the design
    DaTxt,
    AlTxt,
    KiTxt,
    AnTxt,
    NeTxt,
    StTxt,
    Txt,
    SchriftartListe,
    SchriftGröße,
    XPos,
    YPos,
    Abstand,
    BildArt,
    BildQuallität,
    // output fields, written by the program
    TaTxt,
    GZTxt,
    GETxt,
    GSTxt,
    QuTxt,
    // window-level values
    HintergrundPfad,
    HintergrundName,
};

inline constexpr int FeldAnzahl = static_cast<int>(Feld::HintergrundName) + 1;

// The line break of all texts and text files: carriage return, line feed.
inline constexpr std::string_view Zeilenumbruch = "\r\n";
inline constexpr char Anführungszeichen = '"';

// Scroll bars hold a whole number; every other field holds a Windows-1252 text.
bool istRegler(Feld feld);

struct Reglerbereich {
    int min;
    int max;
};
Reglerbereich bereichVon(Feld regler);

// The control name of a field, as the window's objectName carries it ("DaTxt").
std::string_view feldName(Feld feld);

// The start text of a text field (for a scroll bar: its start value as text).
std::string startText(Feld feld);
int startWert(Feld regler);

// The five-line start template, each line ended by CR LF (482 characters).
std::string Startvorlage();

}  // namespace tafomat
