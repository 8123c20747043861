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

QString speicherGrund(const WriteFailure& fehler) {
    using Reason = WriteFailure::Reason;
    switch (fehler.reason) {
        case Reason::FolderMissing:
            return QStringLiteral("den Ordner %1 gibt es nicht").arg(eckig(fehler.folder));
        case Reason::IsFolder:
            return QStringLiteral("so heißt ein Ordner");
        case Reason::NoAccess:
            return QStringLiteral("im Ordner %1 darf Tafomat diese Datei nicht schreiben")
                .arg(eckig(fehler.folder));
        case Reason::WriteError:
            break;
    }
    const QString text =
        QStringLiteral("das Schreiben ist fehlgeschlagen, ist der Datenträger voll?");
    return fehler.systemText.isEmpty() ? text
                                       : text + QStringLiteral(" (%1)").arg(fehler.systemText);
}

QString kurzerSpeicherGrund(WriteFailure::Reason grund) {
    using Reason = WriteFailure::Reason;
    switch (grund) {
        case Reason::FolderMissing:
            return QStringLiteral("der Ordner fehlt");
        case Reason::IsFolder:
            return QStringLiteral("so heißt ein Ordner");
        case Reason::NoAccess:
            return QStringLiteral("kein Schreibrecht");
        case Reason::WriteError:
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

QString Speichermeldung(const WriteFailure& fehler, const QString& pfad) {
    return QStringLiteral(
               "Die Datei %1 wurde nicht gespeichert: %2. Eine Datei, die dort schon "
               "so heißt, bleibt unverändert.")
        .arg(eckig(pfad), speicherGrund(fehler));
}

QString Speicherhinweis(const WriteFailure& fehler, const QString& pfad) {
    return QStringLiteral("%1 wurde nicht gespeichert: %2.")
        .arg(QFileInfo(pfad).fileName(), kurzerSpeicherGrund(fehler.reason));
}

QString Einstellungsmeldung(ReadFailure fehler, const QString& pfad) {
    return QStringLiteral("Die Einstellungsdatei %1 %2! Es gelten die Standard-Einstellungen.")
        .arg(eckig(pfad), dateiGrund(fehler));
}

}  // namespace tafomat
