#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Vorlage.h"

using namespace tafomat;

namespace {

void prüfe(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

std::size_t befehlsbreite(TokenArt art) {
    switch (art) {
        case TokenArt::BefehlX:
        case TokenArt::BefehlY:
            return 5;
        case TokenArt::BefehlF:
            return 11;
        case TokenArt::BefehlG:
            return 4;
        case TokenArt::BefehlB:
        case TokenArt::Platzhalter:
            return 2;
        case TokenArt::Textzeichen:
        case TokenArt::Zeilenumbruch:
            return 1;
    }
    return 0;
}

// What the template holds at the token's place matches the token's kind.
void tokenPrüfen(std::string_view vorlage, const Token& token) {
    const char erstes = vorlage[token.position - 1];
    switch (token.art) {
        case TokenArt::Zeilenumbruch:
            prüfe(erstes == '\r');
            return;
        case TokenArt::Textzeichen:
            prüfe(erstes == token.zeichen && static_cast<unsigned char>(erstes) >= 32);
            return;
        case TokenArt::Platzhalter:
            prüfe(erstes == '#' && vorlage[token.position] == token.zeichen);
            return;
        default:
            prüfe(erstes == '#' && token.position < vorlage.size());
    }
}

}  // namespace

// The tokens cover the template in order without overlapping; what lies between them is
// control codes other than the carriage return. Only the last token may reach past the end,
// a command cut off by it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view vorlage(reinterpret_cast<const char*>(data), size);
    std::size_t nächste = 1;  // the first character not yet covered, counted from 1
    for (const Token& token : scanTemplate(vorlage)) {
        prüfe(nächste <= size && token.position >= nächste && token.position <= size);
        prüfe(token.breite == befehlsbreite(token.art));
        for (std::size_t i = nächste; i < token.position; ++i) {
            const auto code = static_cast<unsigned char>(vorlage[i - 1]);
            prüfe(code < 32 && code != '\r');
        }
        tokenPrüfen(vorlage, token);
        nächste = token.position + token.breite;
    }
    for (std::size_t i = nächste; i <= size; ++i) {
        const auto code = static_cast<unsigned char>(vorlage[i - 1]);
        prüfe(code < 32 && code != '\r');
    }
    return 0;
}
