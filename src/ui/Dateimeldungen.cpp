#include "ui/Dateimeldungen.h"

#include <QFileInfo>

#include "render/Fehlergruende.h"
#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Paths are shortened to keep a message box or the title readable.
constexpr int LängsterPfad = 80;

QString eckig(const QString& pfad) {
    return QLatin1Char('[') + shortenMiddle(pfad, LängsterPfad) + QLatin1Char(']');
}

QString bildGrund(const Bildfehler& fehler) {
    return QString::fromStdString(Bildgrund(fehler, Sprache::Deutsch));
}

QString dateiGrund(ReadFailure fehler) {
    return QString::fromStdString(Einstellungsdateigrund(fehler, Sprache::Deutsch));
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

}  // namespace tafomat
