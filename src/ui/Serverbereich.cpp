#include "ui/Serverbereich.h"

#include <QFile>

#include <algorithm>

#include "bundle/Paket.h"
#include "phpgen/Bildausgabe.h"
#include "platform/QtText.h"
#include "render/Bilddatei.h"
#include "render/Sendegroesse.h"
#include "ui/Bildgroesse.h"
#include "ui/ServerPaketMeldung.h"
#include "ui/Veroeffentlichung.h"
#include "ui/Veroeffentlichungsinhalt.h"

namespace tafomat {

Serverbereich::Serverbereich(const Steuerelemente& steuerelemente, const Felder& felder,
                             const QtSurface& vorschau, const Uhr& uhr, Dialoge& dialoge,
                             const Meldungen& meldungen, Skriptquelle skript)
    : m_s(steuerelemente),
      m_felder(felder),
      m_vorschau(vorschau),
      m_uhr(uhr),
      m_dialoge(dialoge),
      m_meldungen(meldungen),
      m_skript(std::move(skript)) {}

// The banner is made for its size even while the preview shows, unless it is too large to be
// measured at every redraw or nobody sees the window. Without a script the server sends no
// banner: the view says why over the background.
void Serverbereich::aktualisieren(bool fensterSichtbar) {
    const bool zeigen = m_s.Serveransicht->isChecked();
    const bool messen = fensterSichtbar && BildgrößeMessbar(m_vorschau.hintergrund());
    m_gezeichnet = false;
    if (zeigen || messen) m_gezeichnet = m_bild.zeichnen(m_felder, m_vorschau, m_uhr.heute());
    BildgrößeZeigen();
    if (!zeigen) return;
    m_ansicht = alsQImage(m_bild.bild());
    m_s.Pic->setHinweis(m_gezeichnet ? QString() : m_meldungen.Serverhindernis());
    m_s.Pic->refresh();
}

void Serverbereich::Serveransicht_Click() {
    if (m_s.Serveransicht->isChecked()) {
        aktualisieren(true);
        return;
    }
    m_ansicht = QImage();
    if (!BildgrößeMessbar(m_vorschau.hintergrund())) m_bild.freigeben();
    m_s.Pic->setHinweis(QString());
    m_s.Pic->refresh();
}

void Serverbereich::ServerPaket_Click() {
    const std::optional<QString> ordner =
        m_dialoge.OrdnerDialog(QStringLiteral("Ordner für das Server-Paket"));
    if (!ordner) return;
    const std::optional<std::string> skript = m_skript();
    ServerPaket paket = ServerPaketPlanen(m_felder, m_vorschau, skript);
    ServerPaketSchreiben(paket, QFile::encodeName(*ordner).toStdString());
    m_dialoge.Meldung(
        ServerPaketMeldung(paket, *ordner, toQString(m_felder.text(Feld::HintergrundPfad))));
}

// Without a script there is no banner to measure, nor with a type or quality no script takes.
void Serverbereich::BildgrößeZeigen() {
    const Bild& hintergrund = m_vorschau.hintergrund();
    BannergrößeMelden(*m_s.Hinweis, hintergrund, std::nullopt);
    if (!BildgrößeMessbar(hintergrund)) {
        m_s.Bildgröße->setText(toQString(Pixelgröße(hintergrund.breite(), hintergrund.höhe())) +
                               QStringLiteral(" (KB nicht gemessen)"));
        return;
    }
    const std::optional<Bildausgabe> ausgabe = BildausgabeLesen(m_felder);
    if (!m_gezeichnet || !ausgabe) {
        m_s.Bildgröße->clear();
        return;
    }
    m_s.Bildgröße->setText(toQString(Sendegröße(m_bild.bild(), *ausgabe)));
    BannergrößeMelden(*m_s.Hinweis, hintergrund,
                      ausgabeBytes(m_bild.bild(), ausgabe->art, ausgabe->qualität).size());
}

namespace {

// The bundle's button and the publishing button share a line as wide as the column, the
// publishing one as wide as its caption needs.
void knöpfeTeilen(QPushButton& paket, QPushButton& veröffentlichen, QPoint ort) {
    const int rechts = veröffentlichen.sizeHint().width();
    const int links = Serverspaltenbreite - rechts - Serverabstand / 3;
    paket.setGeometry(ort.x(), ort.y(), links, paket.height());
    veröffentlichen.setGeometry(ort.x() + Serverspaltenbreite - rechts, ort.y(), rechts,
                                paket.height());
}

}  // namespace

// Right of the preview: the switch with the help button at the end of its line, the bundle's
// and the publishing button in one line, the banner's size and the notice line in the room
// below. Below a wide preview all six stand in a row.
void Serverbereich::anordnen(bool unterDerVorschau, int fensterbreite, int fensterhöhe) {
    const QRect vorschau = m_s.PicBereich->geometry();
    QCheckBox& schalter = *m_s.Serveransicht;
    QPushButton& paket = *m_s.ServerPaket;
    QPushButton& veröffentlichen = *m_s.Veröffentlichen;
    QPushButton& hilfe = *m_s.Hilfe;
    QLabel& größe = *m_s.Bildgröße;
    schalter.resize(schalter.sizeHint().width(), schalter.height());
    const int textzeile = größe.fontMetrics().height() + 4;
    if (unterDerVorschau) {
        const int y = vorschau.bottom() + Serverabstand / 2;
        schalter.move(vorschau.left(), y + (paket.height() - schalter.height()) / 2);
        knöpfeTeilen(paket, veröffentlichen, {schalter.geometry().right() + Serverabstand, y});
        größe.setGeometry(veröffentlichen.geometry().right() + Serverabstand,
                          y + (paket.height() - textzeile) / 2, Serverspaltenbreite, textzeile);
        hilfe.move(fensterbreite - Vorschaurand.width() - hilfe.width(),
                   y + (paket.height() - hilfe.height()) / 2);
        const int links = größe.geometry().right() + Serverabstand;
        m_s.Hinweis->setGeometry(links, y, hilfe.x() - Serverabstand / 2 - links, paket.height());
        return;
    }
    schalter.move(Serverspalte, vorschau.top());
    hilfe.move(Serverspalte + Serverspaltenbreite - hilfe.width(), vorschau.top());
    knöpfeTeilen(paket, veröffentlichen, {Serverspalte, schalter.geometry().bottom() + 4});
    größe.setGeometry(Serverspalte, paket.geometry().bottom() + 4, Serverspaltenbreite, textzeile);
    const int oben = größe.geometry().bottom() + 2;
    const int unten = std::max(fensterhöhe - 2, vorschau.bottom());
    m_s.Hinweis->setGeometry(Serverspalte, oben, Serverspaltenbreite, unten - oben);
}

// The notice line needs two lines of text.
int Serverbereich::höhe() const {
    const int textzeile = m_s.Bildgröße->fontMetrics().height() + 4;
    return m_s.PicBereich->y() + m_s.Serveransicht->height() + 4 + m_s.ServerPaket->height() + 4 +
           textzeile + 2 + 2 * textzeile + 2;
}

void Serverbereich::Veröffentlichen_Click() {
    QWidget* fenster = m_s.ServerPaket->window();
    if (auto* offen = fenster->findChild<Veroeffentlichungsdialog*>()) {
        offen->raise();
        offen->activateWindow();
        return;
    }
    if (!m_schlüsselbund) {
        m_systembund = SystemSchluesselbund();
        m_schlüsselbund = m_systembund.get();
    }
    // "DESIGN.txt.ziel" beside a design that has a file.
    const QString zieldatei =
        m_designdatei.isEmpty() ? QString() : m_designdatei + QStringLiteral(".ziel");
    auto* dialog = new Veroeffentlichungsdialog(
        [this] { return VeroeffentlichungsinhaltVon(m_felder, m_vorschau); }, *m_schlüsselbund,
        zieldatei, fenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &Veroeffentlichungsdialog::ergebnis, fenster,
                     [this](const QString& text) {
                         if (!text.endsWith(QStringLiteral(" …")))
                             m_s.Hinweis->setzen(Hinweisart::Adresse, text);
                     });
    if (fenster->isVisible()) dialog->show();
}

}  // namespace tafomat
