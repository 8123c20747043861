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
    void operator()(const Farbaufruf& farbe) { m_farbe = gdRgb(farbe); }

    // A size GD cannot set makes ImageTTFText fail with a warning and draw nothing.
    void operator()(const Textaufruf& aufruf) {
        std::shared_ptr<GdGröße> größe = m_schrift->größe(aufruf.größe);
        if (!größe) return;
        std::string text;
        for (const Stück& stück : aufruf.stücke)
            text += stück.platzhalter ? m_wert(stück.platzhalter) : stück.text;
        GdLauf lauf(std::move(größe), m_familie);
        lauf.anhängen(unicodeText(text));
        kopienZeichnen(aufruf.fett, [&](int rechts) {
            lauf.zeichnen(m_bild, aufruf.x + rechts, aufruf.y, m_farbe);
        });
    }

  private:
    std::shared_ptr<GdSchrift> m_schrift;
    Bild& m_bild;
    const Serverwert& m_wert;
    GdFamilie m_familie;
    std::uint32_t m_farbe = 0;
};

}  // namespace

bool PlanZeichnenAuf(const Zeichenplan& plan, const std::string& schriftdatei, Bild& bild,
                     const Serverwert& wert, GdFamilie familie) {
    std::shared_ptr<GdSchrift> schrift = GdSchrift::geteilt(schriftdatei);
    if (!schrift) return false;
    Server server(std::move(schrift), bild, wert, familie);
    for (const Zeichenaufruf& aufruf : plan.aufrufe) std::visit(server, aufruf);
    return true;
}

std::optional<Bild> PlanZeichnen(const Zeichenplan& plan, const std::string& schriftdatei,
                                 Bild hintergrund, const Serverwert& wert, GdFamilie familie) {
    if (!PlanZeichnenAuf(plan, schriftdatei, hintergrund, wert, familie)) return std::nullopt;
    return hintergrund;
}

namespace {

// Draws onto `bild`, which holds the preview's background.
[[nodiscard]] bool serverZeichnen(const Felder& felder, const GdSurface& vorschau, Tageszahl heute,
                                  Bild& bild, GdFamilie familie) {
    if (!vorschau.hatSchrift()) return false;
    const std::optional<Zeichenplan> plan = VorlageÜbersetzen(felder, vorschau);
    const std::optional<ServerWerte> werte = ServerWerteBerechnen(felder, heute);
    if (!plan || !werte) return false;
    return PlanZeichnenAuf(
        *plan, vorschau.schriftdatei(), bild,
        [&](char name) { return ServerwertVon(*werte, *platzhalter(name)); }, familie);
}

}  // namespace

std::optional<Bild> Serveransicht(const Felder& felder, const GdSurface& vorschau, Tageszahl heute,
                                  GdFamilie familie) {
    Bild bild = vorschau.hintergrund();
    if (!serverZeichnen(felder, vorschau, heute, bild, familie)) return std::nullopt;
    return bild;
}

bool Serverbild::zeichnen(const Felder& felder, const GdSurface& vorschau, Tageszahl heute) {
    if (m_hintergrund == vorschau.hintergrundNummer()) {
        m_bild.zurückAuf(vorschau.hintergrund());
    } else {
        m_bild = vorschau.hintergrund();
        m_hintergrund = vorschau.hintergrundNummer();
    }
    return serverZeichnen(felder, vorschau, heute, m_bild, GdFamilie::System);
}

void Serverbild::freigeben() {
    m_bild = Bild();
    m_hintergrund.reset();
}

}  // namespace tafomat
