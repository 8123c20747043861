#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/Abgeleitet.h"
#include "platform/Dialoge.h"
#include "platform/QtSurface.h"
#include "platform/Schluesselbund.h"
#include "render/Serveransicht.h"
#include "ui/Meldungen.h"
#include "ui/Steuerelemente.h"

namespace tafomat {

// Right of the preview, the server's side of the design: the switch "Serveransicht", under which
// Pic shows the banner as the server sends it today, made anew at every redraw; the button
// "Server-Paket speichern" that writes the folder the server needs, beside "Veröffentlichen …"
// (the window's, as it opens a dialog); the banner's size as the server sends it. The help button
// and the notice line share the column.
class Serverbereich {
  public:
    // The script of the design, as the window's button makes it.
    using Skriptquelle = std::function<std::optional<std::string>()>;

    Serverbereich(const Steuerelemente& steuerelemente, const Felder& felder,
                  const QtSurface& vorschau, const Uhr& uhr, Dialoge& dialoge,
                  const Meldungen& meldungen, Skriptquelle skript);

    // What Pic shows while the switch is on.
    const QImage& ansicht() const { return m_ansicht; }

    // After every redraw, also while the preview shows: the banner for its size.
    void aktualisieren(bool fensterSichtbar);
    void Serveransicht_Click();
    void ServerPaket_Click();
    // "Veröffentlichen …": the dialog that uploads and checks, one at a time.
    void Veröffentlichen_Click();
    // Where the dialog keeps passwords: the system's keyring unless given another.
    void schlüsselbundSetzen(Schluesselbund& bund) { m_schlüsselbund = &bund; }
    // The design file last opened or saved, beside which the target is kept.
    void designdateiSetzen(const QString& pfad) { m_designdatei = pfad; }
    void BildgrößeZeigen();

    // Places the column right of the preview, or in a row below it, in a window of this width
    // and height; the height that the column needs right of the preview.
    void anordnen(bool unterDerVorschau, int fensterbreite, int fensterhöhe);
    int höhe() const;

  private:
    const Steuerelemente& m_s;
    const Felder& m_felder;
    const QtSurface& m_vorschau;
    const Uhr& m_uhr;
    Dialoge& m_dialoge;
    const Meldungen& m_meldungen;
    Skriptquelle m_skript;
    Serverbild m_bild;
    QImage m_ansicht;           // over m_bild's pixels
    bool m_gezeichnet = false;  // whether m_bild holds a banner of the script
    QString m_designdatei;
    Schluesselbund* m_schlüsselbund = nullptr;
    std::unique_ptr<Schluesselbund> m_systembund;  // made at the first publish, not at start-up
};

// Right of and below the preview, as the window leaves it around the built-in picture; the
// column's place and width right of a narrow preview and the room between the server's controls.
inline constexpr QSize Vorschaurand(8, 18);
inline constexpr int Serverspalte = 504;
inline constexpr int Serverspaltenbreite = 249;
inline constexpr int Serverabstand = 12;

}  // namespace tafomat
