#include <algorithm>

#include "files/Lesegrund.h"
#include "settings/Einstellungen.h"

namespace tafomat {

std::string_view Datensatzname(int nummer) {
    if (nummer < 1 || nummer > EinstellungenDatensätze) return "?";
    const std::optional<Feld> feld = Datensätze[static_cast<std::size_t>(nummer - 1)];
    return feld ? feldName(*feld) : "text colour";
}

int Datensatznummer(Feld feld) {
    const auto stelle = std::find(Datensätze.begin(), Datensätze.end(), feld);
    return stelle == Datensätze.end() ? 0 : static_cast<int>(stelle - Datensätze.begin()) + 1;
}

std::string Einstellungsdateigrund(ReadFailure fehler, Sprache sprache) {
    static constexpr Wortlaut KeinDesign{" und damit keine Einstellungsdatei",
                                         ", far more than a design holds"};
    std::string grund = einsetzen(Lesegrund(fehler).in(sprache),
                                  {std::to_string(GrößteEinstellungsdatei / (1024 * 1024))});
    if (fehler == ReadFailure::TooLarge) grund += KeinDesign.in(sprache);
    return grund;
}

}  // namespace tafomat
