#include "ui/Fotowahl.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Foto.h"
#include "platform/QtText.h"
#include "ui/Dateiarten.h"

namespace tafomat {

namespace {

const QString OhneZeilenumbruch =
    QStringLiteral("Bitte nur Bilder benutzen, deren Pfad keinen Zeilenumbruch enthält!");
const QString OhneZeichen = QStringLiteral(
    "Bitte nur Bilder benutzen, deren Pfad kein „%1“ enthält! Die Einstellungen können dieses "
    "Zeichen nicht speichern.");

// The design keeps the path as one line of Windows-1252 text; any other path would name
// another file once saved and loaded. The message names what the path must not hold.
std::optional<QString> pfadFehler(const QString& pfad) {
    for (const char32_t zeichen : pfad.toUcs4()) {
        if (zeichen == U'\r' || zeichen == U'\n') return OhneZeilenumbruch;
        const QString text = QString::fromUcs4(&zeichen, 1);
        if (!fitsCp1252(text)) return OhneZeichen.arg(text);
    }
    return std::nullopt;
}

const QString KeinBild = QStringLiteral(
    "Dieses Bild lässt sich nicht lesen. Bitte JPEG-, PNG-, WebP-, BMP- oder GIF-Bilder "
    "benutzen!");

// The banner goes beside the photo under a name the user confirms; the save dialog asks before
// it replaces a file.
std::optional<DateiWahl> BannerSpeichern(Dialoge& dialoge, const QImage& banner, int qualität,
                                         const QString& fotopfad) {
    const QFileInfo foto(fotopfad);
    const std::optional<QString> gewählt = dialoge.DateiDialogSpeichern(
        foto.dir().filePath(foto.completeBaseName() + QStringLiteral("-banner.jpg")));
    if (!gewählt) return std::nullopt;
    const QString pfad = istJpegName(*gewählt) ? *gewählt : *gewählt + QStringLiteral(".jpg");
    if (const std::optional<QString> fehler = pfadFehler(pfad)) {
        dialoge.Meldung(*fehler);
        return std::nullopt;
    }
    if (!JpegSchreiben(banner, qualität, pfad)) {
        dialoge.Meldung(QStringLiteral("Das Banner [%1] wurde nicht gespeichert.")
                            .arg(shortenMiddle(pfad, 80)));
        return std::nullopt;
    }
    // A banner of a free size larger than forums take is the user's choice: no second offer.
    return DateiWahl{pfad, QFileInfo(pfad).fileName()};
}

}  // namespace

std::optional<DateiWahl> HintergrundWählen(Dialoge& dialoge, const DateiWahl& wahl) {
    if (const std::optional<QString> fehler = pfadFehler(wahl.pfad)) {
        dialoge.Meldung(*fehler);
        return std::nullopt;
    }
    const bool jpeg = istJpegName(wahl.pfad);
    // What is no regular file (a pipe would block the reading) is refused as it always was.
    if (jpeg && (!QFileInfo(wahl.pfad).isFile() || istBannerJpeg(wahl.pfad))) return wahl;
    const std::optional<QImage> foto = FotoLesen(wahl.pfad);
    if (!foto) {
        // A JPEG that cannot be read says why as it always did.
        if (jpeg) return wahl;
        dialoge.Meldung(KeinBild);
        return std::nullopt;
    }
    // Only a JPEG can stay as it is: the server's GD opens the background as JPEG.
    const std::optional<Zuschnittwahl> zuschnitt =
        dialoge.BildZuschneiden(*foto, jpeg && istJpeg(wahl.pfad));
    if (!zuschnitt) return std::nullopt;
    if (zuschnitt->unverändert) return wahl;
    return BannerSpeichern(dialoge, BannerMachen(*foto, zuschnitt->zuschnitt),
                           zuschnitt->zuschnitt.qualität, wahl.pfad);
}

}  // namespace tafomat
