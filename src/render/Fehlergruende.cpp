#include "render/Fehlergruende.h"

namespace tafomat {

namespace {

constexpr std::size_t MiB = 1024 * 1024;

Wortlaut bildgrund(Bildfehlergrund grund) {
    switch (grund) {
        case Bildfehlergrund::Fehlt:
            return Lesegrund(ReadFailure::Missing);
        case Bildfehlergrund::KeineNormaleDatei:
            return Lesegrund(ReadFailure::NotRegular);
        case Bildfehlergrund::NichtLesbar:
            return Lesegrund(ReadFailure::Unreadable);
        case Bildfehlergrund::ZuGrosseDatei:
            return Lesegrund(ReadFailure::TooLarge);
        case Bildfehlergrund::KeinJpeg:
            return {"ist kein JPEG-Bild", "no JPEG picture"};
        case Bildfehlergrund::ZuVieleBildpunkte:
            return {
                "hat mit %2 × %3 zu viele Bildpunkte (höchstens 16 Millionen, etwa 4096 × 4096)",
                "%2 x %3 pixels, more than the %4 (4096 x 4096) a background may have"};
        case Bildfehlergrund::Beschaedigt:
            break;
    }
    return {"ist beschädigt", "damaged"};
}

// The German without the file's name is how the bundle's message says it.
struct Mangeltext {
    Wortlaut mitDatei;
    std::string_view deutschOhneDatei;
};

Mangeltext mangeltext(Schriftmangel mangel) {
    switch (mangel) {
        case Schriftmangel::ZweiterSchnitt:
            return {{"sie ist ein späterer Schnitt der Sammlung [%1], und GD zeichnet den ersten",
                     "it is a later face of the collection %1, and GD draws its first"},
                    "sie ist ein weiterer Schnitt einer Sammeldatei, deren ersten GD nimmt"};
        case Schriftmangel::NurBitmaps:
            return {{"ihre Datei [%1] enthält nur Bitmaps, die GD nicht vergrößern kann",
                     "its file %1 holds bitmaps only, which GD cannot scale"},
                    "ihre Datei enthält nur Rasterbilder, die GD nicht skaliert"};
        default:
            return {{"ihre Datei [%1] ist abgeschnitten oder beschädigt",
                     "its file %1 is cut off or damaged"},
                    "ihre Datei ist abgeschnitten oder beschädigt"};
    }
}

constexpr Wortlaut NichtZeichenbar{
    "Die Schriftart [%1] ist installiert, kann aber nicht gezeichnet werden (%2)",
    "the font \"%1\" is installed, but cannot be drawn (%2)"};
constexpr Wortlaut KeineSchriftdatei{"Zur Schriftart [%1] gibt es keine Schriftdatei",
                                     "no font file answers the font \"%1\""};

}  // namespace

std::string Bildgrund(const Bildfehler& fehler, Sprache sprache) {
    return einsetzen(bildgrund(fehler.grund).in(sprache),
                     {std::to_string(GrößteBilddatei / MiB), std::to_string(fehler.breite),
                      std::to_string(fehler.höhe), std::to_string(GrößteBildpunktzahl)});
}

std::string Mangelgrund(const Schriftfund& fund, Sprache sprache) {
    return einsetzen(mangeltext(fund.mangel).mitDatei.in(sprache), {fund.gefunden});
}

std::string Schriftgrund(const std::string& schrift, const Schriftfund& fund, Sprache sprache) {
    if (!installiertAberNichtZeichenbar(fund))
        return einsetzen(KeineSchriftdatei.in(sprache), {schrift});
    const std::string grund = sprache == Sprache::Deutsch
                                  ? std::string(mangeltext(fund.mangel).deutschOhneDatei)
                                  : Mangelgrund(fund, sprache);
    return einsetzen(NichtZeichenbar.in(sprache), {schrift, grund});
}

}  // namespace tafomat
