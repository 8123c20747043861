#include <QApplication>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <string_view>

#include "app/Befehlszeile.h"
#include "platform/Dialoge.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "ui/EinstellungenDatei.h"
#include "ui/MainWindow.h"

namespace {

// On the command line only the program's own messages reach standard error, not the
// platform's notes about its environment.
void nurSchwereMeldungen(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) qt_message_output(art, ort, text);
}

// Qt's own answer to a missing display is an abort with advice to reinstall. The platforms
// that need one are the default (X11 or Wayland) and those two named; one given with -platform
// is left to Qt.
bool ohneBildschirm(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform")
            return false;
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    const bool braucht =
        plattform.isEmpty() || plattform.startsWith("xcb") || plattform.startsWith("wayland");
    return braucht && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file size limit then fails like one on a full disk, and is reported,
    // instead of ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Work on the command line needs no screen.
    const bool mitFenster = !tafomat::ohneFenster(argc, argv);
    if (!mitFenster) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(nurSchwereMeldungen);
    } else if (ohneBildschirm(argc, argv)) {
        std::fputs(
            "Tafomat: Kein Bildschirm gefunden; das Fenster braucht einen, "
            "\"tafomat export\" arbeitet ohne.\n"
            "Tafomat: no display found; the window needs one, "
            "\"tafomat export\" works without.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tafomat"));
    QApplication::setApplicationVersion(QStringLiteral(TAFOMAT_VERSION));
    const tafomat::Befehl befehl = tafomat::Befehlszeile(QApplication::arguments(), mitFenster);
    if (befehl.status) return *befehl.status;
    QTranslator deutsch;
    if (tafomat::DeutscheStandardtexteLaden(deutsch)) QApplication::installTranslator(&deutsch);
    tafomat::QtDialoge dialoge;
    const tafomat::QtSchriftartenliste schriftarten;
    const tafomat::SystemUhr uhr;
    tafomat::MainWindow fenster(dialoge, schriftarten, uhr);
    if (befehl.design) tafomat::EinstellungenBeimStartÖffnen(fenster, dialoge, *befehl.design);
    return QApplication::exec();
}
