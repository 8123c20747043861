#include "ui/MainWindow.h"

#include "template/BildZeichnen.h"
#include "ui/Vorlagenerklaerung.h"
#include "ui/Zugaenglichkeit.h"

namespace tafomat {

MainWindow::MainWindow(Dialoge& dialoge, const Schriftartenliste& schriftarten, const Uhr& uhr,
                       QWidget* parent, Anzeige anzeige)
    : QWidget(parent),
      m_anzeige(anzeige),
      m_dialoge(dialoge),
      m_schriftarten(schriftarten),
      m_uhr(uhr),
      m_s(SteuerelementeAnlegen(
          this,
          [this]() -> const QImage& {
              return m_s.Serveransicht && m_s.Serveransicht->isChecked() ? m_serverAnsicht
                                                                         : m_vorschau.ansicht();
          },
          [this]() -> const QImage& { return m_palette.image(); })),
      m_felder(m_s) {
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
    ++m_neuzeichnungen;
    EingabenMelden(tafomat::BildZeichnen(m_felder, m_vorschau, m_uhr));
    ServeransichtAktualisieren();
}

}  // namespace tafomat
