#include "ui/ServerPaket.h"

#include "ui/Dateimeldungen.h"

namespace tafomat {

namespace {

QString eckig(const QString& text) {
    return QLatin1Char('[') + text + QLatin1Char(']');
}

QString fehlermeldung(const ServerPaket& paket, const QString& ordner) {
    switch (*paket.fehler) {
        case PaketFehler::KeinSkript:
            return QStringLiteral(
                "Aus dieser Gestaltung kann kein Php-Programm erstellt werden: "
                "bitte die Werte und den Text prüfen!");
        case PaketFehler::KeineSchrift:
            return QStringLiteral(
                       "Zur Schriftart %1 gibt es keine Schriftdatei: bitte eine "
                       "installierte Schriftart wählen!")
                .arg(eckig(paket.datei));
        case PaketFehler::Bildname:
        case PaketFehler::BildVorhanden:
            return QStringLiteral(
                       "Der Name des Hintergrundbildes %1 taugt nicht als Dateiname "
                       "auf dem Server: bitte das Bild neu öffnen!")
                .arg(eckig(paket.datei));
        case PaketFehler::Ordner:
            return QStringLiteral("Der Ordner %1 kann nicht angelegt werden!").arg(eckig(ordner));
        case PaketFehler::Schreiben:
            return QStringLiteral("Die Datei %1 kann im Ordner %2 nicht gespeichert werden!")
                .arg(eckig(paket.datei), eckig(ordner));
    }
    return {};
}

}  // namespace

QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad) {
    if (paket.fehler) return fehlermeldung(paket, ordner);
    QString text = QStringLiteral(
                       "Im Ordner %1 liegen jetzt %2, %3 und %4. Bitte diese drei "
                       "Dateien zusammen in ein Verzeichnis auf Ihrem Server kopieren!")
                       .arg(eckig(ordner), eckig(paket.dateien.value(0)),
                            eckig(paket.dateien.value(1)), eckig(paket.dateien.value(2)));
    if (paket.bildfehler)
        text += QStringLiteral(" %1, darum liegt als %2 das eingebaute Bild bei.")
                    .arg(Bildzustand(*paket.bildfehler, bildpfad), eckig(paket.dateien.value(1)));
    return text;
}

}  // namespace tafomat
