#include "ui/MainWindow.h"

#include "template/BildZeichnen.h"
#include "ui/Vorlagenerklaerung.h"
#include "ui/Zugaenglichkeit.h"

namespace tafomat {

MainWindow::MainWindow(Dialoge& dialoge, const Schriftartenliste& schriftarten, const Uhr& uhr,
                       QWidget* parent)
    : QWidget(parent),
      m_dialoge(dialoge),
      m_schriftarten(schriftarten),
      m_uhr(uhr),
      m_s(SteuerelementeAnlegen(
          this,
          [this]() -> const QImage& {
              return m_s.Serveransicht && m_s.Serveransicht->isChecked() ? m_server.ansicht()
                                                                         : m_vorschau.ansicht();
          },
          [this]() -> const QImage& { return m_palette.image(); })),
      m_felder(m_s),
      m_meldungen(m_s, m_felder, m_vorschau, m_dialoge),
      m_server(m_s, m_felder, m_vorschau, m_uhr, m_dialoge, m_meldungen,
               [this] { return PhpQuelltextErstellen(); }),
      m_hilfen(*m_s.Txt, m_felder) {
    setObjectName(QStringLiteral("Tafomat"));
    setWindowTitle(QStringLiteral("Tafomat fügt mit Php einen Texte und Daten in ein JPEG-Bild"));
    setWindowIcon(QIcon(QStringLiteral(":/fenster.png")));
    setAcceptDrops(true);
    // Before the wiring: colouring the template at once is no change of its text.
    new Vorlagenerklärung(*m_s.Txt, *m_s.Hinweis, this);
    verdrahten();
    ZugänglichMachen(m_s, *this);
    fenstergrößeAnpassen();
    Form_Load();
}

void MainWindow::BildZeichnen() {
    m_meldungen.EingabenMelden(tafomat::BildZeichnen(m_felder, m_vorschau, m_uhr));
    m_server.aktualisieren(isVisible());
    emit m_neuzeichnung.gezeichnet();
}

}  // namespace tafomat
