#pragma once

#include <QWidget>

#include <string_view>

#include "files/RegularFile.h"
#include "model/Abgeleitet.h"
#include "platform/Dialoge.h"
#include "platform/QtSurface.h"
#include "platform/Schriftartenliste.h"
#include "render/Serveransicht.h"
#include "settings/Einstellungen.h"
#include "template/BildZeichnen.h"
#include "ui/FensterFelder.h"
#include "ui/Steuerelemente.h"

namespace tafomat {

// What reading a settings file into the window came to.
struct EinstellungenGelesen {
    bool geöffnet = false;  // false: the file could not be read at all
    EinstellungenErgebnis ergebnis;
    std::optional<ReadFailure> lesefehler;  // why the file could not be read
};

// The program's one window. Its controls are the store of all state; the preview surface
// holds the chosen font. Creating the window runs Form_Load, which shows it unless the window
// is made to stay hidden. Closing it asks whether to save a
// changed design; a JPEG picture or a settings file dropped on it is opened.
class MainWindow : public QWidget {
  public:
    enum class Anzeige { Zeigen, Verborgen };

    MainWindow(Dialoge& dialoge, const Schriftartenliste& schriftarten, const Uhr& uhr,
               QWidget* parent = nullptr, Anzeige anzeige = Anzeige::Zeigen);

    // What the buttons do once their dialog has named the file (EinstellungenDatei.cpp,
    // Ereignisse.cpp). A complete reading and a successful writing make the design the saved
    // one.
    [[nodiscard]] EinstellungenGelesen EinstellungenÖffnen(const QString& pfad);
    [[nodiscard]] bool EinstellungenSchreiben(const QString& pfad);
    // The script of the design, also shown in QuTxt.
    [[nodiscard]] std::optional<std::string> PhpQuelltextErstellen();
    // A save that fails says why in a message and in the notice line.
    [[nodiscard]] bool PhpDateiSchreiben(const QString& pfad, const std::string& skript);
    // Picking an output type from the list.
    void BildArtWählen(const std::string& art);

    Felder& felder() { return m_felder; }
    QtSurface& vorschau() { return m_vorschau; }
    // How often the preview was redrawn since the window was created.
    int neuzeichnungen() const { return m_neuzeichnungen; }
    // Whether the design differs from the one after start-up or the last save or load.
    bool gestaltungGeändert() const;

  protected:
    // Window events (Fensterereignisse.cpp).
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

  private:
    std::string Gestaltung() const;
    void gestaltungMerken();
    void fenstergrößeAnpassen();
    void serverteilAnordnen(bool unterDerVorschau);
    int serverspalteHöhe() const;
    void ablegenAnnehmen(QDropEvent* event);
    void dateiÖffnen(const QString& pfad);

    // Wiring (Verdrahtung.cpp): which change runs which procedure.
    void verdrahten();

    // Start-up and the window's buttons (Ereignisse.cpp).
    void Form_Load();
    void SchriftartenFüllen();
    void BildZeichnen();
    void Hintergrundbild_Click();
    void HintergrundbildÜbernehmen(const DateiWahl& wahl);
    void BildArt_Click();
    void PhpQuelltext_Click();
    void EinstellungenSpeichern_Click();
    [[nodiscard]] bool EinstellungenSpeichernMitDialog();
    void EinstellungenÖffnen_Click();
    [[nodiscard]] EinstellungenGelesen EinstellungenLesen(const QString& pfad);

    // What the window tells (Meldungen.cpp): fields that cannot be read, a template command that
    // cannot be drawn, the font drawn instead of the chosen one, saves that fail.
    void EingabenMelden(const std::optional<Zeichenstopp>& stopp);
    void SchriftMelden();
    void DrehungMelden();
    // Why the design gives no script, nullopt when it gives one.
    [[nodiscard]] std::optional<QString> Skripthindernis();
    QString Serverhindernis();
    [[nodiscard]] bool Speichern(const QString& pfad, std::string_view bytes);

    // Help (Hilfe.cpp): F1 opens the guide, "?" the box about the program.
    void Anleitung_Öffnen();
    void Hilfe_Click();

    // The server's side (Serverteil.cpp): while "Serveransicht" is on, Pic shows the banner as
    // the server sends it today, made anew at every redraw.
    void Serveransicht_Click();
    void ServeransichtAktualisieren();
    // "Server-Paket speichern" (ServerPaket.cpp): the bundle of bundle/Paket.h into a folder.
    void ServerPaket_Click();
    // Bildgroesse.cpp: the banner's size as the server sends it, beside the server's controls.
    void BildgrößeZeigen();

    // Editing aids (Bearbeitungshilfen.cpp).
    void Fett_Click();
    void PicFa_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalter, double x,
                         double y);
    void Pic_MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalter, double x, double y);
    void Pic_MouseMove(Qt::MouseButtons tasten, Qt::KeyboardModifiers umschalter, double x,
                       double y);
    void SchriftartSetzen();
    void SchriftGrößeSetzen();
    void XPos_Change();
    void YPos_Change();
    void FarbpaletteZeichnen();
    void befehlSchreiben(const std::string& befehl, int auswahlLänge,
                         Vorlagenfeld::Schritt schritt = Vorlagenfeld::Schritt::Neu);

    Anzeige m_anzeige;
    Dialoge& m_dialoge;
    const Schriftartenliste& m_schriftarten;
    const Uhr& m_uhr;
    QtSurface m_vorschau;
    QtSurface m_palette{Bild(128, 32)};  // the colour palette, white
    Steuerelemente m_s;
    FensterFelder m_felder;
    int m_neuzeichnungen = 0;
    // While set, a change of the size list writes no size command (loading a design).
    bool m_größenbefehlAus = false;
    // The next movement over the preview with a button held starts a new undo step.
    bool m_zugBeginnt = true;
    std::string m_gespeicherteGestaltung;
    Serverbild m_serverBild;
    QImage m_serverAnsicht;           // over m_serverBild's pixels
    bool m_serverGezeichnet = false;  // whether m_serverBild holds a banner of the script
};

}  // namespace tafomat
