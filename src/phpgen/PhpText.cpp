#include "phpgen/PhpText.h"

#include "model/Cp1252.h"
#include "model/Zahlen.h"

namespace tafomat {

bool brauchtChr(unsigned char zeichen) {
    return zeichen < 32 || zeichen == '"' || zeichen == '$' || zeichen == '\\';
}

std::string chrAusdruck(unsigned char zeichen) {
    return "\".chr(" + std::to_string(zeichen) + ").\"";
}

std::string gezeichnetesZeichen(unsigned char zeichen) {
    if (brauchtChr(zeichen)) return chrAusdruck(zeichen);
    if (zeichen == '&') return "&#38;";
    if (zeichen >= 128 && zeichen <= 191)
        return "&#" + std::to_string(static_cast<unsigned long>(unicodeFromCp1252(zeichen))) + ";";
    return std::string(1, static_cast<char>(zeichen));
}

std::string gezeichneterText(std::string_view text) {
    std::string ergebnis;
    for (const char zeichen : text)
        ergebnis += gezeichnetesZeichen(static_cast<unsigned char>(zeichen));
    return ergebnis;
}

std::string phpZahl(double zahl) {
    std::string text = plainNumberText(zahl);
    if (text.front() == ' ') text.erase(0, 1);
    return text;
}

std::string dateinameImText(std::string_view name) {
    std::string ergebnis;
    for (const char zeichen : name) {
        const auto code = static_cast<unsigned char>(zeichen);
        ergebnis += brauchtChr(code) ? chrAusdruck(code) : std::string(1, zeichen);
    }
    return ergebnis;
}

std::string dateiImSkript(std::string_view dateiname) {
    return "__DIR__.\"/" + dateinameImText(dateiname) + "\"";
}

std::string schriftdateiImSkript(const std::string& schriftname) {
    return dateiImSkript(schriftname + ".ttf");
}

}  // namespace tafomat
