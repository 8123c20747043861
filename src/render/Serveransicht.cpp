#include "render/Serveransicht.h"

#include <variant>

#include "phpgen/ServerWerte.h"
#include "render/GdSchrift.h"

namespace tafomat {

namespace {

class Server {
  public:
    Server(std::shared_ptr<GdSchrift> schrift, Bild& bild, const Serverwert& wert,
           GdFamilie familie)
        : m_schrift(std::move(schrift)), m_bild(bild), m_wert(wert), m_familie(familie) {}

    // On a true-colour picture ImageColorAllocate gives the colour itself.
    void operator()(const Farbaufruf& farbe) {
        m_farbe = (static_cast<std::uint32_t>(farbe.rot) << 16) |
                  (static_cast<std::uint32_t>(farbe.gruen) << 8) |
                  static_cast<std::uint32_t>(farbe.blau);
    }

    // A size GD cannot set makes ImageTTFText fail with a warning and draw nothing.
    void operator()(const Textaufruf& aufruf) {
        std::shared_ptr<GdGroesse> groesse = m_schrift->groesse(aufruf.groesse);
        if (!groesse) return;
        std::string text;
        for (const Stueck& stueck : aufruf.stuecke)
            text += stueck.platzhalter ? m_wert(stueck.platzhalter) : stueck.text;
        GdLauf lauf(std::move(groesse), m_familie);
        lauf.anhaengen(unicodeText(text));
        for (int kopie = 0; kopie <= (aufruf.fett ? 1 : 0); ++kopie)
            lauf.zeichnen(m_bild, aufruf.x + kopie, aufruf.y, m_farbe);
    }

  private:
    std::shared_ptr<GdSchrift> m_schrift;
    Bild& m_bild;
    const Serverwert& m_wert;
    GdFamilie m_familie;
    std::uint32_t m_farbe = 0;
};

}  // namespace

std::optional<Bild> PlanZeichnen(const Zeichenplan& plan, const std::string& schriftdatei,
                                 Bild hintergrund, const Serverwert& wert, GdFamilie familie) {
    std::shared_ptr<GdSchrift> schrift = GdSchrift::geteilt(schriftdatei);
    if (!schrift) return std::nullopt;
    Server server(std::move(schrift), hintergrund, wert, familie);
    for (const Zeichenaufruf& aufruf : plan.aufrufe) std::visit(server, aufruf);
    return hintergrund;
}

namespace {

const std::string& wertVon(const ServerWerte& werte, char platzhalter) {
    switch (platzhalter) {
        case '1':
            return werte.datum;
        case '2':
            return werte.tage;
        case '3':
            return werte.alteKosten;
        case '4':
            return werte.kippen;
        case '5':
            return werte.anschaffung;
        case '6':
            return werte.neueKosten;
        case '7':
            return werte.gespart;
        case '8':
            return werte.steuern;
        case '9':
            return werte.fiskus;
        default:
            return werte.alleKippen;
    }
}

}  // namespace

std::optional<Bild> Serveransicht(const Felder& felder, GdSurface& vorschau, Tageszahl heute,
                                  GdFamilie familie) {
    if (!vorschau.hatSchrift()) return std::nullopt;
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, vorschau);
    const std::optional<ServerWerte> werte = ServerWerteBerechnen(felder, heute);
    if (!plan || !werte) return std::nullopt;
    return PlanZeichnen(
        *plan, vorschau.schriftdatei(), vorschau.hintergrund(),
        [&](char platzhalter) { return wertVon(*werte, platzhalter); }, familie);
}

}  // namespace tafomat
