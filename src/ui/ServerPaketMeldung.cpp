#include "ui/ServerPaketMeldung.h"

#include <cerrno>
#include <cstring>

#include "bundle/Paketmeldung.h"
#include "model/Cp1252.h"
#include "platform/QtText.h"
#include "render/Fehlergruende.h"
#include "ui/Dateimeldungen.h"

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

// A font that is installed but cannot be drawn wants another one; a font without a file an
// installed one.
std::string schriftmeldung(const ServerPaket& paket) {
    const Schriftfund fund{
        std::nullopt, paket.schriftmangel.value_or(Schriftmangel::NichtInstalliert), {}};
    const std::string rat = installiertAberNichtZeichenbar(fund)
                                ? ": bitte eine andere Schriftart wählen"
                                : ": bitte eine installierte Schriftart wählen";
    return Schriftgrund(utf8FromCp1252(paket.datei), fund, Sprache::Deutsch) + rat;
}

QString fehlermeldung(const ServerPaket& paket, const QString& ordner, const QString& bildpfad) {
    const Bildfehler bildfehler = paket.bildfehler.value_or(Bildfehler{Bildfehlergrund::Fehlt});
    Paketangaben angaben;
    angaben.datei = utf8FromCp1252(paket.datei);
    angaben.ordner = ordner.toStdString();
    angaben.grund = paket.fehler == PaketFehler::KeineSchrift
                        ? schriftmeldung(paket)
                        : fehlergrund(paket.fehlernummer).toStdString();
    angaben.bild = Bildzustand(bildfehler, bildpfad).toStdString();
    return QString::fromStdString(Paketmeldung(*paket.fehler, Sprache::Deutsch, angaben));
}

}  // namespace

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

}  // namespace tafomat
