#include "platform/Dateien.h"
#include "ui/MainWindow.h"

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
    EinstellungenSpeichernMitDialog();
}

bool MainWindow::EinstellungenSpeichernMitDialog() {
    const std::optional<QString> pfad = m_dialoge.DateiDialogSpeichern(Vorgabename);
    return pfad && EinstellungenSchreiben(*pfad);
}

void MainWindow::EinstellungenÖffnen_Click() {
    if (const std::optional<DateiWahl> wahl = m_dialoge.DateiDialogÖffnen(Vorgabename))
        EinstellungenÖffnen(wahl->pfad);
}

EinstellungenGelesen MainWindow::EinstellungenÖffnen(const QString& pfad) {
    const EinstellungenGelesen gelesen = EinstellungenLesen(pfad);
    BildZeichnen();
    if (gelesen.geöffnet && gelesen.ergebnis.abbruch == Abbruch::Keiner) gestaltungMerken();
    return gelesen;
}

bool MainWindow::EinstellungenSchreiben(const QString& pfad) {
    if (!DateiSchreiben(mitTxt(pfad), EinstellungenText(m_felder, m_vorschau))) return false;
    gestaltungMerken();
    return true;
}

EinstellungenGelesen MainWindow::EinstellungenLesen(const QString& pfad) {
    const std::optional<std::string> inhalt = DateiLesen(mitTxt(pfad));
    if (!inhalt) return {};
    const Größenbefehlsperre sperre(m_größenbefehlAus);
    return {true, EinstellungenAnwenden(EinstellungenParsen(*inhalt), m_felder, m_vorschau)};
}

}  // namespace tafomat
