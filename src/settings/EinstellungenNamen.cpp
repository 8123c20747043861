#include "files/Lesegrund.h"
#include "settings/Einstellungen.h"

namespace tafomat {

std::string_view Datensatzname(int nummer) {
    if (nummer < 1 || nummer > EinstellungenDatensätze) return "?";
    const std::optional<Feld> feld = Datensätze[static_cast<std::size_t>(nummer - 1)].feld;
    return feld ? feldName(*feld) : "text colour";
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
