#include "template/Befehlstexte.h"

#include <algorithm>
#include <cmath>

namespace tafomat {

namespace {

std::string mitNullen(std::string ziffern, std::size_t mindestens) {
    if (ziffern.size() < mindestens) ziffern.insert(0, mindestens - ziffern.size(), '0');
    return ziffern;
}

std::string betragsziffern(double zahl) {
    return mitNullen(std::to_string(std::llround(std::fabs(zahl))), 3);
}

}  // namespace

std::string Farbbefehl(Farbwert farbe) {
    const Farbanteile anteile = farbanteile(farbe);
    return "#F" + mitNullen(std::to_string(anteile.rot), 3) +
           mitNullen(std::to_string(anteile.grün), 3) + mitNullen(std::to_string(anteile.blau), 3);
}

std::string Positionsbefehl(double x, double y) {
    return "#X" + betragsziffern(x) + "#Y" + betragsziffern(y);
}

std::string Größenbefehl(std::string_view größe) {
    std::string text(größe);
    if (text.size() < 2) text.insert(0, "0");  // one zero only: an empty size gives "#G0"
    return "#G" + text;
}

}  // namespace tafomat
