#include "ui/Dateimeldungen.h"

#include <QFileInfo>

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

QString speicherGrund(const Schreibfehler& fehler) {
    using Grund = Schreibfehler::Grund;
    switch (fehler.grund) {
        case Grund::OrdnerFehlt:
            return QStringLiteral("den Ordner %1 gibt es nicht").arg(eckig(fehler.ordner));
        case Grund::IstOrdner:
            return QStringLiteral("so heißt ein Ordner");
        case Grund::KeinZugriff:
            return QStringLiteral("im Ordner %1 darf Tafomat diese Datei nicht schreiben")
                .arg(eckig(fehler.ordner));
        case Grund::Schreiben:
            break;
    }
    const QString text =
        QStringLiteral("das Schreiben ist fehlgeschlagen, ist der Datenträger voll?");
    return fehler.systemtext.isEmpty() ? text
                                       : text + QStringLiteral(" (%1)").arg(fehler.systemtext);
}

QString kurzerSpeicherGrund(Schreibfehler::Grund grund) {
    using Grund = Schreibfehler::Grund;
    switch (grund) {
        case Grund::OrdnerFehlt:
            return QStringLiteral("der Ordner fehlt");
        case Grund::IstOrdner:
            return QStringLiteral("so heißt ein Ordner");
        case Grund::KeinZugriff:
            return QStringLiteral("kein Schreibrecht");
        case Grund::Schreiben:
            break;
    }
    return QStringLiteral("das Schreiben ist fehlgeschlagen");
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

QString Bildhinweis(const Bildfehler& fehler) {
    return QStringLiteral("Das Hintergrundbild %1 – die Vorschau zeigt das eingebaute Bild.")
        .arg(bildGrund(fehler));
}

QString BildhinweisGanz(const Bildfehler& fehler, const QString& pfad) {
    return Bildzustand(fehler, pfad) +
           QStringLiteral(
               ". Die Vorschau zeigt das eingebaute Bild; bitte das Bild mit "
               "„Hintergrundbild öffnen“ neu wählen.");
}

QString Speichermeldung(const Schreibfehler& fehler, const QString& pfad) {
    return QStringLiteral(
               "Die Datei %1 wurde nicht gespeichert: %2. Eine Datei, die dort schon "
               "so heißt, bleibt unverändert.")
        .arg(eckig(pfad), speicherGrund(fehler));
}

QString Speicherhinweis(const Schreibfehler& fehler, const QString& pfad) {
    return QStringLiteral("%1 wurde nicht gespeichert: %2.")
        .arg(QFileInfo(pfad).fileName(), kurzerSpeicherGrund(fehler.grund));
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
