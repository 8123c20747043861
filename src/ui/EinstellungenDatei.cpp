// MainWindow's event procedures of the settings file, with the start's reading of a design.
#include "ui/EinstellungenDatei.h"

#include "design/Gestaltung.h"
#include "platform/Dateien.h"
#include "platform/QtText.h"
#include "ui/Dateimeldungen.h"

namespace tafomat {

namespace {

const QString Vorgabename = QStringLiteral("Tafomat.txt");

// The name rule looks only at the ASCII ending, so the UTF-8 path passes unchanged.
QString mitTxt(const QString& pfad) {
    return QString::fromStdString(EinstellungenDateiname(pfad.toStdString()));
}

// While a file loads, the size box's handling must not write a size command into the
// template: a file that ends before the template would leave it there.
class Größenbefehlsperre {
  public:
    explicit Größenbefehlsperre(bool& aus) : m_aus(aus), m_vorher(aus) { m_aus = true; }
    ~Größenbefehlsperre() { m_aus = m_vorher; }
    Größenbefehlsperre(const Größenbefehlsperre&) = delete;
    Größenbefehlsperre& operator=(const Größenbefehlsperre&) = delete;

  private:
    bool& m_aus;
    bool m_vorher;
};

}  // namespace

void MainWindow::EinstellungenSpeichern_Click() {
    // A cancelled dialog needs no word, a failed write has been shown where it failed.
    [[maybe_unused]] const bool gespeichert = EinstellungenSpeichernMitDialog();
}

bool MainWindow::EinstellungenSpeichernMitDialog() {
    const std::optional<QString> pfad = m_dialoge.DateiDialogSpeichern(Vorgabename);
    return pfad && EinstellungenSchreiben(*pfad);
}

bool MainWindow::ÄnderungenKlären() {
    if (!gestaltungGeändert()) return true;
    switch (m_dialoge.Frage(QStringLiteral("Änderungen an der Gestaltung speichern?"))) {
        case Antwort::Speichern:
            return EinstellungenSpeichernMitDialog();
        case Antwort::Verwerfen:
            return true;
        case Antwort::Abbrechen:
            break;
    }
    return false;
}

void MainWindow::EinstellungenÖffnen_Click() {
    if (!ÄnderungenKlären()) return;
    const std::optional<DateiWahl> wahl = m_dialoge.DateiDialogÖffnen(Vorgabename);
    if (!wahl) return;
    // What could not be read is not announced: the fields show how far the file got.
    [[maybe_unused]] const EinstellungenGelesen gelesen = EinstellungenÖffnen(wahl->pfad);
}

EinstellungenGelesen MainWindow::EinstellungenÖffnen(const QString& pfad) {
    const EinstellungenGelesen gelesen = EinstellungenLesen(pfad);
    BildZeichnen();
    if (gelesen.geöffnet && gelesen.ergebnis.abbruch == Abbruch::Keiner) gestaltungMerken();
    if (gelesen.geöffnet) m_server.designdateiSetzen(Einstellungsdatei(pfad));
    return gelesen;
}

bool MainWindow::EinstellungenSchreiben(const QString& pfad) {
    if (!m_meldungen.Speichern(mitTxt(pfad), EinstellungenText(m_felder, m_vorschau))) return false;
    gestaltungMerken();
    m_server.designdateiSetzen(mitTxt(pfad));
    return true;
}

EinstellungenGelesen MainWindow::EinstellungenLesen(const QString& pfad) {
    const FileContent inhalt = readFile(Einstellungsdatei(pfad), GrößteEinstellungsdatei);
    if (inhalt.failure) return {false, {}, inhalt.failure};
    const Größenbefehlsperre sperre(m_größenbefehlAus);
    const EinstellungenErgebnis ergebnis = EinstellungenLaden(inhalt.bytes, m_felder, m_vorschau);
    if (ergebnis.bildFehlt) {
        const Bildfehler fehler =
            m_vorschau.backgroundFailure().value_or(Bildfehler{Bildfehlergrund::Beschaedigt});
        m_s.Hinweis->setzen(
            Hinweisart::Bild, Bildhinweis(fehler),
            BildhinweisGanz(fehler, toQString(m_felder.text(Feld::HintergrundPfad))));
    } else if (ergebnis.angewendet > 0) {
        m_s.Hinweis->löschen(Hinweisart::Bild);
    }
    m_meldungen.DrehungMelden();
    return {true, ergebnis, std::nullopt};
}

void EinstellungenBeimStartÖffnen(MainWindow& fenster, Dialoge& dialoge, const QString& pfad) {
    const EinstellungenGelesen gelesen = fenster.EinstellungenÖffnen(pfad);
    if (gelesen.lesefehler)
        dialoge.Meldung(Einstellungsmeldung(*gelesen.lesefehler, Einstellungsdatei(pfad)));
}

}  // namespace tafomat
