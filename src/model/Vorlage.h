#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tafomat {

// The tokens of a template. Commands have fixed-width argument fields that are taken by
// position, never scanned: #X nnn, #Y nnn, #F rrrgggbbb, #G nn, #B.
enum class TokenArt {
    Textzeichen,    // any character of code 32 or more that begins no command
    Zeilenumbruch,  // a carriage return
    BefehlX,
    BefehlY,
    BefehlF,
    BefehlG,
    BefehlB,
    Platzhalter,  // #1 .. #9, #Z
};

// Each command's width in characters, with its fields.
inline constexpr std::size_t BreiteX = 5;
inline constexpr std::size_t BreiteY = 5;
inline constexpr std::size_t BreiteF = 11;
inline constexpr std::size_t BreiteG = 4;
inline constexpr std::size_t BreiteB = 2;

struct Token {
    TokenArt art;
    std::size_t position;         // first character, counted from 1
    std::size_t breite;           // width in characters
    char zeichen = 0;             // the text character, or the placeholder's name ('1'..'9', 'Z')
    double werte[3] = {0, 0, 0};  // field values: #X/#Y/#G in [0]; #F red, green, blue
};

// Scans the template; codes below 32 other than the carriage return yield nothing.
std::vector<Token> scanTemplate(std::string_view vorlage);

// The token that starts at or after index `stelle`, which then moves behind it; false at the
// end. Scanning this way holds no list of a long template's tokens.
bool nextToken(std::string_view vorlage, std::size_t& stelle, Token& token);

}  // namespace tafomat
