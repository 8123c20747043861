#pragma once

// Font files that are installed but that GD cannot draw, made from a real TrueType file: one
// under a name of its own cut short, a collection whose second face is asked for, and a font of
// bitmaps only.
#include <cstdint>
#include <string>
#include <utility>

namespace tafomat::test {

inline std::string wort16(unsigned zahl) {
    return {static_cast<char>(zahl >> 8 & 0xFF), static_cast<char>(zahl & 0xFF)};
}
inline std::string wort32(std::uint32_t zahl) {
    return wort16(zahl >> 16) + wort16(zahl & 0xFFFF);
}
inline std::uint32_t wort32At(const std::string& bytes, std::size_t stelle) {
    std::uint32_t zahl = 0;
    for (std::size_t i = 0; i < 4; ++i)
        zahl = zahl << 8 | static_cast<unsigned char>(bytes[stelle + i]);
    return zahl;
}
inline std::size_t tabellenzahl(const std::string& schrift) {
    return wort32At(schrift, 2) & 0xFFFF;
}

// The font with each table's offset raised by `um`, as it lies further inside a larger file.
inline std::string verschoben(std::string schrift, std::uint32_t um) {
    for (std::size_t i = 0; i < tabellenzahl(schrift); ++i) {
        const std::size_t stelle = 12 + 16 * i + 8;
        schrift.replace(stelle, 4, wort32(wort32At(schrift, stelle) + um));
    }
    return schrift;
}

// The font under another family name (ASCII): a name table of its own right behind the table
// directory, so that cutting the file short keeps the name.
inline std::string umbenannt(const std::string& schrift, const std::string& familie) {
    const std::pair<unsigned, std::string> namen[] = {{1, familie}, {2, "Regular"}, {4, familie}};
    std::string einträge, texte;
    for (const auto& [nummer, text] : namen) {
        std::string utf16;
        for (const char zeichen : text) utf16 += std::string{'\0', zeichen};
        // Windows, Unicode, English
        einträge += wort16(3) + wort16(1) + wort16(0x409) + wort16(nummer) +
                    wort16(static_cast<unsigned>(utf16.size())) +
                    wort16(static_cast<unsigned>(texte.size()));
        texte += utf16;
    }
    std::string tabelle = wort16(0) + wort16(3) + wort16(6 + 3 * 12) + einträge + texte;
    const auto länge = static_cast<std::uint32_t>(tabelle.size());
    tabelle.resize((tabelle.size() + 3) / 4 * 4, '\0');
    std::string neu = verschoben(schrift, static_cast<std::uint32_t>(tabelle.size()));
    const std::size_t tabellen = tabellenzahl(schrift), ende = 12 + 16 * tabellen;
    for (std::size_t i = 0; i < tabellen; ++i)
        if (neu.compare(12 + 16 * i, 4, "name") == 0)
            neu.replace(12 + 16 * i + 8, 8,
                        wort32(static_cast<std::uint32_t>(ende)) + wort32(länge));
    return neu.substr(0, ende) + tabelle + neu.substr(ende);
}

// A TrueType collection of two fonts.
inline std::string sammlung(const std::string& erste, const std::string& zweite) {
    const std::uint32_t kopf = 20, zweiteStelle = kopf + static_cast<std::uint32_t>(erste.size());
    return "ttcf" + wort32(0x00010000) + wort32(2) + wort32(kopf) + wort32(zweiteStelle) +
           verschoben(erste, kopf) + verschoben(zweite, zweiteStelle);
}

// A BDF font of one letter, family "Tafomat Raster". Debian's font configuration rejects bitmap
// fonts; fontconfig takes it where RasterschriftAnnehmen is given.
inline const char* const Rasterschrift =
    "STARTFONT 2.1\nFONT -misc-Tafomat Raster-medium-r-normal--8-80-75-75-c-80-iso10646-1\n"
    "SIZE 8 75 75\nFONTBOUNDINGBOX 8 8 0 0\nSTARTPROPERTIES 3\nFAMILY_NAME \"Tafomat Raster\"\n"
    "FONT_ASCENT 8\nFONT_DESCENT 0\nENDPROPERTIES\nCHARS 1\nSTARTCHAR A\nENCODING 65\n"
    "SWIDTH 500 0\nDWIDTH 8 0\nBBX 8 8 0 0\nBITMAP\nFF\n81\n81\n81\n81\n81\n81\nFF\nENDCHAR\n"
    "ENDFONT\n";
inline const char* const RasterschriftAnnehmen =
    "<selectfont><acceptfont><pattern><patelt name=\"family\"><string>Tafomat Raster</string>"
    "</patelt></pattern></acceptfont></selectfont>";

}  // namespace tafomat::test
