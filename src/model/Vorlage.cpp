#include "model/Vorlage.h"

#include "model/Platzhalter.h"
#include "model/Zahlen.h"

namespace tafomat {

namespace {

struct Befehl {
    char name;
    TokenArt art;
    std::size_t breite;
};

constexpr Befehl Befehle[] = {
    {'X', TokenArt::BefehlX, BreiteX}, {'Y', TokenArt::BefehlY, BreiteY},
    {'F', TokenArt::BefehlF, BreiteF}, {'G', TokenArt::BefehlG, BreiteG},
    {'B', TokenArt::BefehlB, BreiteB},
};

bool istPlatzhalter(char c) {
    return platzhalter(c) != nullptr;
}

// A field of the given width starting at index i; shorter where the template ends.
double feldWert(std::string_view vorlage, std::size_t i, std::size_t breite) {
    if (i >= vorlage.size()) return 0;
    return leadingNumber(vorlage.substr(i, breite));
}

Token befehlToken(std::string_view vorlage, std::size_t i, const Befehl& befehl) {
    Token token{befehl.art, i + 1, befehl.breite};
    if (befehl.art == TokenArt::BefehlF) {
        for (std::size_t k = 0; k < 3; ++k) token.werte[k] = feldWert(vorlage, i + 2 + 3 * k, 3);
    } else if (befehl.art != TokenArt::BefehlB) {
        token.werte[0] = feldWert(vorlage, i + 2, befehl.breite - 2);
    }
    return token;
}

const Befehl* befehlVon(char zweites) {
    for (const Befehl& befehl : Befehle) {
        if (befehl.name == zweites) return &befehl;
    }
    return nullptr;
}

}  // namespace

bool nextToken(std::string_view vorlage, std::size_t& i, Token& token) {
    const std::size_t länge = vorlage.size();
    while (i < länge) {
        const auto ch = static_cast<unsigned char>(vorlage[i]);
        if (ch == '\r') {
            token = {TokenArt::Zeilenumbruch, i + 1, 1};
            ++i;
            return true;
        }
        if (ch < 32) {
            ++i;
            continue;
        }
        if (ch == '#' && i + 1 < länge) {
            const char zweites = vorlage[i + 1];
            if (const Befehl* befehl = befehlVon(zweites)) {
                token = befehlToken(vorlage, i, *befehl);
                i += befehl->breite;
                return true;
            }
            if (istPlatzhalter(zweites)) {
                token = {TokenArt::Platzhalter, i + 1, 2, zweites};
                i += 2;
                return true;
            }
        }
        token = {TokenArt::Textzeichen, i + 1, 1, static_cast<char>(ch)};
        ++i;
        return true;
    }
    return false;
}

std::vector<Token> scanTemplate(std::string_view vorlage) {
    std::vector<Token> tokens;
    std::size_t stelle = 0;
    for (Token token{}; nextToken(vorlage, stelle, token);) tokens.push_back(token);
    return tokens;
}

}  // namespace tafomat
