#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <string_view>

#include "app/Befehlszeile.h"
#include "ui/Fensterstart.h"

namespace {

// On the command line only the program's own messages reach standard error, not Qt's notes
// about its environment.
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
    QCoreApplication::setApplicationName(QStringLiteral("Tafomat"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAFOMAT_VERSION));
    // Work on the command line needs no screen and no widget.
    if (tafomat::ohneFenster(argc, argv)) {
        qInstallMessageHandler(nurSchwereMeldungen);
        const QCoreApplication app(argc, argv);
        return tafomat::BefehlAusführen(QCoreApplication::arguments());
    }
    if (ohneBildschirm(argc, argv)) {
        std::fputs(
            "Tafomat: Kein Bildschirm gefunden; das Fenster braucht einen, "
            "\"tafomat export\" arbeitet ohne.\n"
            "Tafomat: no display found; the window needs one, "
            "\"tafomat export\" works without.\n",
            stderr);
        return 1;
    }
    return tafomat::FensterStarten(argc, argv, [](const QStringList& argumente) {
        return tafomat::Befehlszeile(argumente, true);
    });
}
