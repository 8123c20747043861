#include "model/Wortlaut.h"

namespace tafomat {

std::string einsetzen(std::string_view text, std::initializer_list<std::string_view> werte) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool platzhalter =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto rang = platzhalter ? static_cast<std::size_t>(text[i + 1] - '1') : werte.size();
        if (rang < werte.size()) {
            ergebnis += werte.begin()[rang];
            ++i;
        } else {
            ergebnis += text[i];
        }
    }
    return ergebnis;
}

}  // namespace tafomat
