#include "ui/MainWindow.h"

#include "template/BildZeichnen.h"

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
    verdrahten();
    fenstergrößeAnpassen();
    Form_Load();
}

void MainWindow::BildZeichnen() {
    ++m_neuzeichnungen;
    EingabenMelden(tafomat::BildZeichnen(m_felder, m_vorschau, m_uhr));
    ServeransichtAktualisieren();
}

}  // namespace tafomat
