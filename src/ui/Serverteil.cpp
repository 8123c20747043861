// The server's side of the design: the banner as the server sends it today, and the folder of
// files that the server needs.
#include <QDir>

#include "model/Cp1252.h"
#include "platform/Dateien.h"
#include "platform/QtText.h"
#include "render/Bilddatei.h"
#include "render/Schriftsuche.h"
#include "render/Serveransicht.h"
#include "ui/Bildgroesse.h"
#include "ui/Dateimeldungen.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

// Far more than any font file; a font is read whole to be copied.
constexpr std::size_t GroessteSchriftdatei = 256 * 1024 * 1024;

// The script opens the picture by this name next to itself and its font file: it must name a
// file of its own there.
bool taugtAlsDateiname(const QString& name, const QString& schriftdatei) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           name.compare(QLatin1String("Tafomat.php"), Qt::CaseInsensitive) != 0 &&
           name.compare(schriftdatei, Qt::CaseInsensitive) != 0;
}

// The design's picture as the file holds it, or, where it cannot be read, the picture the
// preview shows in its place, so that the server draws over what the server view shows.
std::string paketBild(const std::string& pfad, const Bild& hintergrund,
                      std::optional<Bildfehler>& fehler) {
    Hintergrunddatei datei = HintergrunddateiLesen(utf8FromCp1252(pfad));
    if (!datei.fehler && !jpegLesen(datei.bytes))
        datei.fehler = Bildfehler{Bildfehlergrund::Beschaedigt};
    fehler = datei.fehler;
    if (!fehler) return std::move(datei.bytes);
    if (jpegLesen(eingebautesBildJpeg()) == hintergrund) return std::string(eingebautesBildJpeg());
    return jpegSchreiben(hintergrund);
}

}  // namespace

// The banner is made for its size even while the preview shows, unless it is too large to be
// measured at every redraw.
void MainWindow::ServeransichtAktualisieren() {
    const bool zeigen = m_s.Serveransicht->isChecked();
    m_serverBanner.reset();
    if (zeigen || BildgrößeMessbar(m_vorschau.hintergrund())) {
        m_serverBanner = Serveransicht(m_felder, m_vorschau, m_uhr.heute());
        GrundgrößeHerstellen();
    }
    BildgrößeZeigen();
    if (!zeigen) return;
    // Without a script the server sends nothing to draw on: the background alone.
    m_serverBild = alsQImage(m_serverBanner ? *m_serverBanner : m_vorschau.hintergrund()).copy();
}

void MainWindow::Serveransicht_Click() {
    ServeransichtAktualisieren();
    m_s.Pic->refresh();
}

ServerPaket MainWindow::ServerPaketVorbereiten() {
    ServerPaket paket;
    const std::optional<std::string> skript = PhpQuelltextErstellen();
    GrundgrößeHerstellen();
    const std::string schrift = m_vorschau.fontName();
    const std::string schriftname = schrift + ".ttf";
    const std::optional<std::string> schriftdatei = schriftdateiSuchen(utf8FromCp1252(schrift));
    const std::string bildname = m_felder.text(Feld::HintergrundName);
    const auto scheitern = [&](PaketFehler fehler, const std::string& datei) {
        paket.fehler = fehler;
        paket.datei = toQString(datei);
        return paket;
    };
    if (!skript) return scheitern(PaketFehler::KeinSkript, {});
    if (!schriftdatei) return scheitern(PaketFehler::KeineSchrift, schrift);
    if (!taugtAlsDateiname(toQString(bildname), toQString(schriftname)))
        return scheitern(PaketFehler::Bildname, bildname);
    FileContent schriftbytes =
        DateiLesen(QString::fromStdString(*schriftdatei), GroessteSchriftdatei);
    if (schriftbytes.failure) return scheitern(PaketFehler::KeineSchrift, schrift);
    paket.inhalt = {{"Tafomat.php", *skript + std::string(Zeilenumbruch)},
                    {bildname, paketBild(m_felder.text(Feld::HintergrundPfad),
                                         m_vorschau.hintergrund(), paket.bildfehler)},
                    {schriftname, std::move(schriftbytes.bytes)}};
    return paket;
}

void MainWindow::ServerPaketOrdnerPrüfen(ServerPaket& paket, const QString& ordner) {
    if (paket.fehler) return;
    if (!QDir().mkpath(ordner)) {
        paket.fehler = PaketFehler::Ordner;
        paket.datei = ordner;
        return;
    }
    // A stand-in never replaces a file that may be the very picture that could not be read.
    const std::string& bildname = paket.inhalt[1].first;
    if (paket.bildfehler && ImOrdnerVorhanden(ordner, bildname)) {
        paket.fehler = PaketFehler::BildVorhanden;
        paket.datei = toQString(bildname);
    }
}

void MainWindow::ServerPaketSchreiben(ServerPaket& paket, const QString& ordner) {
    ServerPaketOrdnerPrüfen(paket, ordner);
    if (paket.fehler) return;
    for (const auto& [name, bytes] : paket.inhalt) {
        if (!DateiInOrdnerSchreiben(ordner, name, bytes)) {
            paket.fehler = PaketFehler::Schreiben;
            paket.datei = toQString(name);
            return;
        }
        paket.dateien.append(toQString(name));
    }
}

void MainWindow::ServerPaket_Click() {
    const std::optional<QString> ordner =
        m_dialoge.OrdnerDialog(QStringLiteral("Ordner für das Server-Paket"));
    if (!ordner) return;
    ServerPaket paket = ServerPaketVorbereiten();
    ServerPaketSchreiben(paket, *ordner);
    m_dialoge.Meldung(
        ServerPaketMeldung(paket, *ordner, toQString(m_felder.text(Feld::HintergrundPfad))));
}

}  // namespace tafomat
