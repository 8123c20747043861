#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/RecordingSurface.h"
#include "settings/Einstellungen.h"

using namespace tafomat;

namespace {

bool gleicheFelderteile(const Einstellungen& a, const Einstellungen& b) {
    return a.hintergrundPfad == b.hintergrundPfad && a.hintergrundName == b.hintergrundName &&
           a.xPos == b.xPos && a.yPos == b.yPos && a.abstand == b.abstand &&
           a.eingaben == b.eingaben && a.vorlage == b.vorlage;
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
