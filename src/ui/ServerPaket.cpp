#include "ui/ServerPaket.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include "platform/QtText.h"
#include "ui/Dateimeldungen.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

QString eckig(const QString& text) {
    return QLatin1Char('[') + text + QLatin1Char(']');
}

QString fehlergrund(int fehlernummer) {
    switch (fehlernummer) {
        case ENOSPC:
            return QStringLiteral("der Datenträger ist voll");
        case EDQUOT:
            return QStringLiteral("das Speicherkontingent ist ausgeschöpft");
        case EACCES:
        case EPERM:
            return QStringLiteral("dafür fehlt die Berechtigung");
        case EROFS:
            return QStringLiteral("der Datenträger ist schreibgeschützt");
        case EFBIG:
            return QStringLiteral("die Datei wäre größer, als hier erlaubt ist");
        case ENAMETOOLONG:
            return QStringLiteral("der Name ist zu lang");
        case EISDIR:
            return QStringLiteral("dort liegt ein Ordner dieses Namens");
        case ENOTDIR:
        case EEXIST:
            return QStringLiteral("ein Teil des Pfades ist eine Datei, kein Ordner");
        case ENOENT:
            return QStringLiteral("der Pfad ist leer oder führt ins Leere");
        default:
            return QString::fromLocal8Bit(std::strerror(fehlernummer));
    }
}

QString schriftmeldung(const ServerPaket& paket) {
    const QString schrift = eckig(toQString(paket.datei));
    if (paket.schriftmangel && *paket.schriftmangel != Schriftmangel::NichtInstalliert &&
        *paket.schriftmangel != Schriftmangel::KeinDateiname)
        return SchriftNichtZeichenbar(toQString(paket.datei), *paket.schriftmangel) +
               QStringLiteral(": bitte eine andere Schriftart wählen!");
    return QStringLiteral(
               "Zur Schriftart %1 gibt es keine Schriftdatei: bitte eine installierte "
               "Schriftart wählen!")
        .arg(schrift);
}

QString fehlermeldung(const ServerPaket& paket, const QString& ordner, const QString& bildpfad) {
    switch (*paket.fehler) {
        case PaketFehler::KeinSkript:
            return QStringLiteral(
                "Aus dieser Gestaltung kann kein Php-Programm erstellt werden: "
                "bitte die Werte und den Text prüfen!");
        case PaketFehler::KeineSchrift:
            return schriftmeldung(paket);
        case PaketFehler::Bildname:
            return QStringLiteral(
                       "Der Name des Hintergrundbildes %1 taugt nicht als Dateiname "
                       "auf dem Server: bitte das Bild neu öffnen!")
                .arg(eckig(toQString(paket.datei)));
        case PaketFehler::BildVorhanden:
            return QStringLiteral(
                       "%1, und im Ordner %2 liegt schon eine eigene Datei %3, die das "
                       "eingebaute Bild ersetzen würde: bitte das Bild neu öffnen oder einen "
                       "anderen Ordner wählen!")
                .arg(Bildzustand(paket.bildfehler.value_or(Bildfehler{Bildfehlergrund::Fehlt}),
                                 bildpfad),
                     eckig(ordner), eckig(toQString(paket.datei)));
        case PaketFehler::Ordner:
            return QStringLiteral("Der Ordner %1 kann nicht angelegt werden: %2!")
                .arg(eckig(ordner), fehlergrund(paket.fehlernummer));
        case PaketFehler::Schreiben:
            return QStringLiteral(
                       "Die Datei %1 kann im Ordner %2 nicht gespeichert werden: %3. Keine "
                       "Datei des Pakets wurde gespeichert, was dort lag, ist unverändert.")
                .arg(eckig(toQString(paket.datei)), eckig(ordner), fehlergrund(paket.fehlernummer));
    }
    return QStringLiteral("Das Server-Paket kann im Ordner %1 nicht gespeichert werden!")
        .arg(eckig(ordner));
}

}  // namespace

QString SchriftNichtZeichenbar(const QString& schrift, Schriftmangel mangel) {
    QString grund = QStringLiteral("ihre Datei ist abgeschnitten oder beschädigt");
    if (mangel == Schriftmangel::ZweiterSchnitt)
        grund = QStringLiteral(
            "sie ist ein weiterer Schnitt einer Sammeldatei, deren ersten "
            "GD nimmt");
    else if (mangel == Schriftmangel::NurBitmaps)
        grund = QStringLiteral("ihre Datei enthält nur Rasterbilder, die GD nicht skaliert");
    return QStringLiteral(
               "Die Schriftart %1 ist installiert, kann aber nicht gezeichnet werden (%2)")
        .arg(eckig(schrift), grund);
}

QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad) {
    if (paket.fehler) return fehlermeldung(paket, ordner, bildpfad);
    const QString bild = eckig(toQString(paket.bild.name));
    QString text = QStringLiteral(
                       "Im Ordner %1 liegen jetzt %2, %3 und %4. Bitte diese drei "
                       "Dateien zusammen in ein Verzeichnis auf Ihrem Server kopieren!")
                       .arg(eckig(ordner), eckig(toQString(paket.skript.name)), bild,
                            eckig(toQString(paket.schrift.name)));
    if (paket.bildfehler)
        text += QStringLiteral(" %1, darum liegt als %2 das eingebaute Bild bei.")
                    .arg(Bildzustand(*paket.bildfehler, bildpfad), bild);
    return text;
}

void MainWindow::ServerPaket_Click() {
    const std::optional<QString> ordner =
        m_dialoge.OrdnerDialog(QStringLiteral("Ordner für das Server-Paket"));
    if (!ordner) return;
    const std::optional<std::string> skript = PhpQuelltextErstellen();
    ServerPaket paket = ServerPaketPlanen(m_felder, m_vorschau, skript);
    ServerPaketSchreiben(paket, QFile::encodeName(*ordner).toStdString());
    m_dialoge.Meldung(
        ServerPaketMeldung(paket, *ordner, toQString(m_felder.text(Feld::HintergrundPfad))));
}

}  // namespace tafomat
