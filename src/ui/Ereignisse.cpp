// MainWindow's event procedures of start-up, the background, the output type and the script,
// in a file of their own as the window's class is too large for one.
#include <QDir>
#include <QFileInfo>

#include "design/Befunde.h"
#include "design/Gestaltung.h"
#include "model/Cp1252.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpSkript.h"
#include "platform/Foto.h"
#include "platform/QtText.h"
#include "template/BildZeichnen.h"
#include "ui/Dateiarten.h"
#include "ui/Dateimeldungen.h"
#include "ui/Eingabemeldungen.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

const QString FensterSchriftFehler =
    QStringLiteral("!!! Schriftarten-Fehler !!! Programm wird fortgesetzt.");

const QString OhneZeilenumbruch =
    QStringLiteral("Bitte nur Bilder benutzen, deren Pfad keinen Zeilenumbruch enthält!");
const QString OhneZeichen = QStringLiteral(
    "Bitte nur Bilder benutzen, deren Pfad kein „%1“ enthält! Die Einstellungen können dieses "
    "Zeichen nicht speichern.");

// The design keeps the path as one line of Windows-1252 text; any other path would name
// another file once saved and loaded. The message names what the path must not hold.
[[nodiscard]] std::optional<QString> pfadFehler(const QString& pfad) {
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

std::string Abschlussmeldung(const std::string& hintergrundPfad, const std::string& schriftart) {
    return "Bitte unbedingt das Php-Programm [Tafomat.php] mit dem Hintergrundbild [" +
           hintergrundPfad + "] und der Schriftart [" + schriftart +
           ".ttf] in das gleiche Verzeichnis auf Ihrem Server einf\xFCgen!";
}

// The message for an output type or quality that the script could not use; nullopt when both
// can go into it. Gif takes no quality: what the quality box still holds is left alone.
[[nodiscard]] std::optional<QString> AusgabeAbgelehnt(const Felder& felder) {
    const std::string art = felder.text(Feld::BildArt);
    const std::string qualität = felder.text(Feld::BildQuallität);
    const std::optional<Ausgabebefund> befund = ausgabePrüfen(art, qualität);
    if (!befund || befund->mangel == Ausgabemangel::GifOhneQualität) return std::nullopt;
    const std::string gegeben =
        utf8FromCp1252(befund->mangel == Ausgabemangel::KeineArt ? art : qualität);
    return QString::fromStdString(
        einsetzen(Ausgabeworte(befund->mangel).satz,
                  {gegeben, befund->art, std::to_string(befund->höchste)}));
}

}  // namespace

void MainWindow::Form_Load() {
    show();
    m_s.DaTxt->setFocus();
    BildArt_Click();
    m_felder.setText(Feld::HintergrundPfad, "leer.jpg");
    m_felder.setText(Feld::HintergrundName, "leer.jpg");
    SchriftartenFüllen();
    // The start font passes the check a chosen one passes; without it the preview shows no text.
    m_meldungen.SchriftMelden();
    FarbpaletteZeichnen();
    BildZeichnen();
    gestaltungMerken();
}

void MainWindow::SchriftartenFüllen() {
    const std::optional<int> anzahl = m_schriftarten.anzahl();
    if (!anzahl) {
        setWindowTitle(FensterSchriftFehler);
        return;
    }
    for (int i = 0; i < *anzahl; ++i) {
        const std::optional<QString> name = m_schriftarten.name(i);
        if (!name) {
            setWindowTitle(FensterSchriftFehler);
            return;
        }
        m_s.SchriftartListe->appendItem(*name);
    }
    for (int größe = 1; größe <= 32; ++größe) {
        m_s.SchriftGröße->appendItem(QString::number(größe));
    }
}

void MainWindow::Hintergrundbild_Click() {
    if (const std::optional<DateiWahl> wahl = m_dialoge.DateiDialogÖffnen(QStringLiteral("*.jpg")))
        HintergrundbildÜbernehmen(*wahl);
}

// A JPEG of a banner's size becomes the background as it is; any other picture is offered to
// the crop dialog, which may keep a JPEG as it is or writes the banner cut out of it as a new
// JPEG, which then becomes the background.
void MainWindow::HintergrundbildÜbernehmen(const DateiWahl& wahl) {
    if (const std::optional<QString> fehler = pfadFehler(wahl.pfad)) {
        m_dialoge.Meldung(*fehler);
        return;
    }
    const bool jpeg = istJpegName(wahl.pfad);
    // What is no regular file (a pipe would block the reading) is refused as it always was.
    if (jpeg && (!QFileInfo(wahl.pfad).isFile() || istBannerJpeg(wahl.pfad))) {
        HintergrundLaden(wahl);
        return;
    }
    const std::optional<QImage> foto = FotoLesen(wahl.pfad);
    if (!foto) {
        // A JPEG that cannot be read says why as it always did.
        if (jpeg) {
            HintergrundLaden(wahl);
        } else {
            m_dialoge.Meldung(KeinBild);
        }
        return;
    }
    // Only a JPEG can stay as it is: the server's GD opens the background as JPEG.
    const std::optional<Zuschnittwahl> zuschnitt =
        m_dialoge.BildZuschneiden(*foto, jpeg && istJpeg(wahl.pfad));
    if (!zuschnitt) return;
    if (zuschnitt->unverändert) {
        HintergrundLaden(wahl);
    } else {
        BannerSpeichern(BannerMachen(*foto, zuschnitt->zuschnitt), zuschnitt->zuschnitt.qualität,
                        wahl.pfad);
    }
}

// The banner goes beside the photo under a name the user confirms; the save dialog asks before
// it replaces a file.
void MainWindow::BannerSpeichern(const QImage& banner, int qualität, const QString& fotopfad) {
    const QFileInfo foto(fotopfad);
    const std::optional<QString> gewählt = m_dialoge.DateiDialogSpeichern(
        foto.dir().filePath(foto.completeBaseName() + QStringLiteral("-banner.jpg")));
    if (!gewählt) return;
    const QString pfad = istJpegName(*gewählt) ? *gewählt : *gewählt + QStringLiteral(".jpg");
    if (const std::optional<QString> fehler = pfadFehler(pfad)) {
        m_dialoge.Meldung(*fehler);
        return;
    }
    if (!JpegSchreiben(banner, qualität, pfad)) {
        m_dialoge.Meldung(QStringLiteral("Das Banner [%1] wurde nicht gespeichert.")
                              .arg(shortenMiddle(pfad, 80)));
        return;
    }
    // A banner of a free size larger than forums take is the user's choice: no second offer.
    HintergrundLaden({pfad, QFileInfo(pfad).fileName()});
}

void MainWindow::HintergrundLaden(const DateiWahl& wahl) {
    m_felder.setText(Feld::HintergrundPfad, toCp1252(wahl.pfad));
    m_felder.setText(Feld::HintergrundName, toCp1252(wahl.name));
    if (!m_vorschau.loadBackground(m_felder.text(Feld::HintergrundPfad))) {
        if (const std::optional<Bildfehler>& fehler = m_vorschau.backgroundFailure())
            m_dialoge.Meldung(Bildmeldung(*fehler, wahl.pfad));
        return;
    }
    m_s.Hinweis->löschen(Hinweisart::Bild);
    m_meldungen.DrehungMelden();
    BildZeichnen();
}

void MainWindow::BildArt_Click() {
    m_s.BildQuallität->clearAll();
    for (const int q : BildArtAnwenden(m_felder)) m_s.BildQuallität->appendItem(QString::number(q));
}

void MainWindow::PhpQuelltext_Click() {
    if (const std::optional<QString> abgelehnt = AusgabeAbgelehnt(m_felder)) {
        m_dialoge.Meldung(*abgelehnt);
        return;
    }
    const std::optional<std::string> skript = PhpQuelltextErstellen();
    if (!skript) {
        m_dialoge.Meldung(KeinSkript(m_meldungen.Skripthindernis().value_or(
            QStringLiteral("Die Tage seit dem Beginn sind zu viele zum Rechnen."))));
        return;
    }
    m_dialoge.Meldung(
        toQString(Abschlussmeldung(m_felder.text(Feld::HintergrundPfad), m_vorschau.fontName())));
    const std::optional<QString> pfad = m_dialoge.DateiDialogSpeichern(QStringLiteral("*.php"));
    if (!pfad) return;
    // A failed write has been shown where it failed.
    [[maybe_unused]] const bool geschrieben = PhpDateiSchreiben(*pfad, *skript);
}

std::optional<std::string> MainWindow::PhpQuelltextErstellen() {
    std::optional<std::string> skript = PhpSkript(m_felder, m_vorschau);
    if (skript) m_felder.setText(Feld::QuTxt, *skript);
    return skript;
}

bool MainWindow::PhpDateiSchreiben(const QString& pfad, const std::string& skript) {
    // The name rule looks only at the ASCII ending, so the UTF-8 path passes unchanged.
    const QString ziel = QString::fromStdString(PhpDateiname(pfad.toStdString()));
    return m_meldungen.Speichern(ziel, skript + std::string(Zeilenumbruch));
}

}  // namespace tafomat
