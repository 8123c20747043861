// MainWindow's event procedures of start-up, the background, the output type and the script,
// in a file of their own as the window's class is too large for one.
#include "design/Befunde.h"
#include "design/Gestaltung.h"
#include "model/Cp1252.h"
#include "phpgen/Bildausgabe.h"
#include "phpgen/PhpSkript.h"
#include "platform/QtText.h"
#include "template/BildZeichnen.h"
#include "ui/Dateimeldungen.h"
#include "ui/Eingabemeldungen.h"
#include "ui/Fotowahl.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

const QString FensterSchriftFehler =
    QStringLiteral("!!! Schriftarten-Fehler !!! Programm wird fortgesetzt.");

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
    FarbpaletteZeichnen(m_palette);
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

void MainWindow::HintergrundbildÜbernehmen(const DateiWahl& wahl) {
    if (const std::optional<DateiWahl> hintergrund = HintergrundWählen(m_dialoge, wahl))
        HintergrundLaden(*hintergrund);
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
