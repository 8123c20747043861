#include "model/Feld.h"

namespace tafomat {

namespace {

struct Eintrag {
    std::string_view name;
    std::string_view text;  // start text; for a scroll bar its start value
};

// In the order of the enumeration.
constexpr std::array<Eintrag, FeldAnzahl> Einträge{{
    {"DaTxt", "04.11.2010"},
    {"AlTxt", "5,00"},
    {"KiTxt", "22"},
    {"AnTxt", "60,00"},
    {"NeTxt", "1,00"},
    {"StTxt", "3,00"},
    {"Txt", ""},  // the start template, see Startvorlage()
    {"SchriftartListe", "Arial"},
    {"SchriftGröße", "8"},
    {"XPos", "0"},
    {"YPos", "0"},
    {"Abstand", "5"},
    {"BildArt", "jpeg"},
    {"BildQuallit\xC3\xA4t", "100"},  // start-up replaces it by "75"
    {"TaTxt", ""},
    {"GZTxt", ""},
    {"GETxt", ""},
    {"GSTxt", ""},
    {"QuTxt", ""},
    {"HintergrundPfad", "leer.jpg"},
    {"HintergrundName", "leer.jpg"},
}};

const Eintrag& eintrag(Feld feld) {
    return Einträge[static_cast<int>(feld)];
}

}  // namespace

bool istRegler(Feld feld) {
    return feld == Feld::XPos || feld == Feld::YPos || feld == Feld::Abstand;
}

Reglerbereich bereichVon(Feld regler) {
    return regler == Feld::Abstand ? Reglerbereich{0, 64} : Reglerbereich{-64, 64};
}

std::string_view feldName(Feld feld) {
    return eintrag(feld).name;
}

std::string startText(Feld feld) {
    if (feld == Feld::Txt) return Startvorlage();
    return std::string(eintrag(feld).text);
}

int startWert(Feld regler) {
    return std::stoi(std::string(eintrag(regler).text));
}

std::string Startvorlage() {
    const std::string cr = std::string(Zeilenumbruch);
    return std::string(20, ' ') +
           "Jandor Kelmis aus 99999 Falkenmoor hat dieses Programm programmiert." + cr +
           std::string(95, ' ') + "24 Stunden hat er daf\xFCr gebraucht." + cr + cr +
           std::string(109, ' ') + "Das war vor #2 Tagen." + cr + std::string(120, ' ') + "Am #1" +
           cr;
}

}  // namespace tafomat
