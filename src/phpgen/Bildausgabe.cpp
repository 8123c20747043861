#include "phpgen/Bildausgabe.h"

#include <algorithm>

namespace tafomat {

namespace {

std::string_view ohneBlanks(std::string_view text) {
    const std::size_t anfang = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t ende = text.find_last_not_of(' ') + 1;
    return text.substr(anfang, ende - anfang);
}

char klein(char zeichen) {
    return zeichen >= 'A' && zeichen <= 'Z' ? static_cast<char>(zeichen - 'A' + 'a') : zeichen;
}

}  // namespace

std::optional<std::string> bildartLesen(std::string_view text) {
    std::string art(ohneBlanks(text));
    std::transform(art.begin(), art.end(), art.begin(), klein);
    if (art != "jpeg" && art != "png" && art != "gif") return std::nullopt;
    return art;
}

int höchsteQualität(const std::string& art) {
    if (art == "jpeg") return 100;
    if (art == "png") return 9;
    return -1;
}

std::optional<int> qualitätLesen(const std::string& art, std::string_view text) {
    const std::string_view ziffern = ohneBlanks(text);
    if (ziffern.empty()) return std::nullopt;
    int wert = 0;
    for (const char ziffer : ziffern) {
        if (ziffer < '0' || ziffer > '9') return std::nullopt;
        wert = std::min(wert * 10 + (ziffer - '0'), 1000);
    }
    if (wert > höchsteQualität(art)) return std::nullopt;
    return wert;
}

}  // namespace tafomat
