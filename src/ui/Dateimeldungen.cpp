#include "ui/Dateimeldungen.h"

#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Paths are shortened to keep a message box or the title readable.
constexpr int LängsterPfad = 80;

QString eckig(const QString& pfad) {
    return QLatin1Char('[') + shortenMiddle(pfad, LängsterPfad) + QLatin1Char(']');
}

QString bildGrund(const Bildfehler& fehler) {
    switch (fehler.grund) {
        case Bildfehlergrund::Fehlt:
            return QStringLiteral("wurde nicht gefunden");
        case Bildfehlergrund::KeineNormaleDatei:
            return QStringLiteral("ist keine gewöhnliche Datei");
        case Bildfehlergrund::NichtLesbar:
            return QStringLiteral("lässt sich nicht lesen");
        case Bildfehlergrund::ZuGrosseDatei:
            return QStringLiteral("ist größer als %1 MB").arg(GroessteBilddatei / (1024 * 1024));
        case Bildfehlergrund::KeinJpeg:
            return QStringLiteral("ist kein JPEG-Bild");
        case Bildfehlergrund::ZuVieleBildpunkte:
            return QStringLiteral(
                       "hat mit %1 × %2 zu viele Bildpunkte (höchstens 16 Millionen, "
                       "etwa 4096 × 4096)")
                .arg(fehler.breite)
                .arg(fehler.hoehe);
        case Bildfehlergrund::Beschaedigt:
            break;
    }
    return QStringLiteral("ist beschädigt");
}

QString dateiGrund(ReadFailure fehler) {
    switch (fehler) {
        case ReadFailure::Missing:
            return QStringLiteral("wurde nicht gefunden");
        case ReadFailure::NotRegular:
            return QStringLiteral("ist keine gewöhnliche Datei");
        case ReadFailure::TooLarge:
            return QStringLiteral("ist größer als %1 MB und damit keine Einstellungsdatei")
                .arg(GrößteEinstellungsdatei / (1024 * 1024));
        case ReadFailure::Unreadable:
            break;
    }
    return QStringLiteral("lässt sich nicht lesen");
}

}  // namespace

QString Bildzustand(const Bildfehler& fehler, const QString& pfad) {
    return QStringLiteral("Das Hintergrundbild %1 %2").arg(eckig(pfad), bildGrund(fehler));
}

QString Bildmeldung(const Bildfehler& fehler, const QString& pfad) {
    const QString text = Bildzustand(fehler, pfad) + QLatin1Char('!');
    return fehler.grund == Bildfehlergrund::KeinJpeg
               ? text + QStringLiteral(" Bitte nur JPEG-Bilder benutzen!")
               : text;
}

QString Bildtitel(const Bildfehler& fehler, const QString& pfad) {
    return QStringLiteral("Hintergrundbild %1 %2 - die Vorschau zeigt das eingebaute Bild")
        .arg(eckig(pfad), bildGrund(fehler));
}

QString Einstellungsmeldung(ReadFailure fehler, const QString& pfad) {
    return QStringLiteral("Die Einstellungsdatei %1 %2! Es gelten die Standard-Einstellungen.")
        .arg(eckig(pfad), dateiGrund(fehler));
}

QString shortenMiddle(const QString& text, int maxLength) {
    if (text.size() <= maxLength) return text;
    const QString mitte = QStringLiteral("...");
    const int vorn = (maxLength - static_cast<int>(mitte.size())) / 3;
    const int hinten = maxLength - static_cast<int>(mitte.size()) - vorn;
    return text.left(vorn) + mitte + text.right(hinten);
}

}  // namespace tafomat
