#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/RecordingSurface.h"
#include "settings/Einstellungen.h"

using namespace tafomat;

namespace {

// The records that come from the fields; font, size and colour come from the surface.
bool gleicheFelderteile(const Einstellungen& a, const Einstellungen& b) {
    for (std::size_t i = 0; i < Datensätze.size(); ++i) {
        const Datensatzart art = Datensätze[i].art;
        if (art == Datensatzart::Schriftart || art == Datensatzart::Schriftgröße ||
            art == Datensatzart::Textfarbe)
            continue;
        if (a.werte[i] != b.werte[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Einstellungen gelesen = EinstellungenParsen(bytes);
    if (gelesen.gelesen < 0 || gelesen.gelesen > EinstellungenDatensätze) __builtin_trap();
    if ((gelesen.gelesen == EinstellungenDatensätze) != (gelesen.abbruch == Abbruch::Keiner))
        __builtin_trap();
    FelderImSpeicher felder;
    test::RecordingSurface fläche;
    const EinstellungenErgebnis ergebnis = EinstellungenAnwenden(gelesen, felder, fläche);
    for (const Feld regler : {Feld::XPos, Feld::YPos, Feld::Abstand}) {
        const Reglerbereich bereich = bereichVon(regler);
        if (felder.wert(regler) < bereich.min || felder.wert(regler) > bereich.max)
            __builtin_trap();
    }
    // A design read whole and written again reads back the same. Font, size and colour come
    // from the surface, which the font record reaches only through the window.
    if (ergebnis.abbruch == Abbruch::Keiner && !ergebnis.bildFehlt) {
        const Einstellungen wieder = EinstellungenParsen(EinstellungenText(felder, fläche));
        if (wieder.abbruch != Abbruch::Keiner || !gleicheFelderteile(wieder, gelesen))
            __builtin_trap();
    }
    return 0;
}
