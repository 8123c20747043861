#pragma once

#include <QWidget>

#include <memory>

#include "design/Gestaltung.h"
#include "platform/Schluesselbund.h"
#include "platform/Schriftartenliste.h"
#include "ui/FensterFelder.h"
#include "ui/Hilfsschreiber.h"
#include "ui/Neuzeichnung.h"
#include "ui/Serverbereich.h"

namespace tafomat {

// The program's one window, with the event procedures named after its controls, which are the
// store of all state; the preview surface holds the chosen font. Creating the window runs
// Form_Load, which shows it. Closing asks whether to save a changed design.
class MainWindow : public QWidget {
  public:
    MainWindow(Dialoge& dialoge, const Schriftartenliste& schriftarten, const Uhr& uhr,
               QWidget* parent = nullptr);

    // What the buttons do once their dialog has named the file.
    [[nodiscard]] EinstellungenGelesen EinstellungenÖffnen(const QString& pfad);
    [[nodiscard]] bool EinstellungenSchreiben(const QString& pfad);
    // The script of the design, also shown in QuTxt.
    [[nodiscard]] std::optional<std::string> PhpQuelltextErstellen();
    [[nodiscard]] bool PhpDateiSchreiben(const QString& pfad, const std::string& skript);

    Felder& felder() { return m_felder; }
    QtSurface& vorschau() { return m_vorschau; }
    Neuzeichnung& neuzeichnung() { return m_neuzeichnung; }
    // Whether the design differs from the one after start-up, the last save or complete load.
    bool gestaltungGeändert() const;
    // Where the publish dialog keeps passwords: the system's keyring unless given another.
    void schlüsselbundSetzen(Schluesselbund& bund) { m_server.schlüsselbundSetzen(bund); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void verdrahten();
    void gestaltungMerken();
    void fenstergrößeAnpassen();
    void dateiÖffnen(const QString& pfad);
    void Form_Load();
    void SchriftartenFüllen();
    void BildZeichnen();
    void Hintergrundbild_Click();
    void HintergrundbildÜbernehmen(const DateiWahl& wahl);
    void HintergrundLaden(const DateiWahl& wahl);
    void BildArt_Click();
    void PhpQuelltext_Click();
    void EinstellungenSpeichern_Click();
    [[nodiscard]] bool EinstellungenSpeichernMitDialog();
    // Asks whether to save a changed design first; false when the user cancels or the save
    // fails, so that nothing is lost.
    [[nodiscard]] bool ÄnderungenKlären();
    void EinstellungenÖffnen_Click();
    [[nodiscard]] EinstellungenGelesen EinstellungenLesen(const QString& pfad);
    void Anleitung_Öffnen();
    void Hilfe_Click();
    // The editing aids.
    void Fett_Click();
    void PicFa_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers, double x, double y);
    void Pic_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers, double x, double y);
    void Pic_MouseMove(Qt::MouseButtons tasten, Qt::KeyboardModifiers, double x, double y);
    void SchriftartSetzen();
    void SchriftGrößeSetzen();
    void XPos_Change();
    void YPos_Change();

    Dialoge& m_dialoge;
    const Schriftartenliste& m_schriftarten;
    const Uhr& m_uhr;
    QtSurface m_vorschau;
    QtSurface m_palette{Bild(128, 32)};  // the colour palette, white
    Steuerelemente m_s;
    FensterFelder m_felder;
    Meldungen m_meldungen;
    Serverbereich m_server;
    Neuzeichnung m_neuzeichnung;
    Hilfsschreiber m_hilfen;
    bool m_größenbefehlAus = false;  // set while loading: the size list writes no command
    std::string m_gespeicherteGestaltung;
};

}  // namespace tafomat
