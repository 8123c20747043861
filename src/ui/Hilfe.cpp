// MainWindow's help: F1 opens the German guide in a window of the program, "?" tells what the
// program is and where the guide lies.
#include <QCoreApplication>

#include "platform/Anleitung.h"
#include "ui/Anleitungsfenster.h"
#include "ui/Dateimeldungen.h"
#include "ui/MainWindow.h"

namespace tafomat {

namespace {

[[nodiscard]] std::optional<QString> anleitung() {
    return AnleitungSuchen(QCoreApplication::applicationDirPath());
}

const QString KeineAnleitung = QStringLiteral(
    "Die Anleitung (anleitung.md) liegt nicht bei diesem Programm. Sie steht auch im Quelltext "
    "von Tafomat unter docs/anleitung.md.");

}  // namespace

// One guide window, read afresh at each F1, so that it shows the guide as it lies now.
void MainWindow::Anleitung_Öffnen() {
    const std::optional<QString> pfad = anleitung();
    if (!pfad) {
        m_dialoge.Meldung(KeineAnleitung);
        return;
    }
    auto* fenster = findChild<Anleitungsfenster*>(QStringLiteral("Anleitung"));
    if (!fenster) fenster = new Anleitungsfenster(this);
    if (!fenster->laden(*pfad)) {
        m_dialoge.Meldung(QStringLiteral("Die Anleitung [%1] lässt sich nicht lesen.")
                              .arg(shortenMiddle(*pfad, 80)));
        return;
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void MainWindow::Hilfe_Click() {
    const std::optional<QString> pfad = anleitung();
    const QString wo =
        pfad ? QStringLiteral("Die Anleitung liegt in [%1]; die Taste F1 öffnet sie.").arg(*pfad)
             : KeineAnleitung;
    m_dialoge.Über(
        QStringLiteral("Tafomat %1\n\nGestaltet Banner für die Signatur im Forum und schreibt das "
                       "Php-Programm, das sie auf dem Server mit GD zeichnet.\n\nCopyright (c) "
                       "2026 The Tafomat developers. Freie Software unter der MIT-Lizenz: Sie "
                       "dürfen sie benutzen, weitergeben und ändern.\n\n%2")
            .arg(QStringLiteral(TAFOMAT_VERSION), wo));
}

}  // namespace tafomat
