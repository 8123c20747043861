#include <QApplication>
#include <QTranslator>

#include "app/Befehlszeile.h"
#include "platform/Dialoge.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "ui/MainWindow.h"

namespace {

// On the command line only the program's own messages reach standard error, not the
// platform's notes about its environment.
void nurSchwereMeldungen(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) qt_message_output(art, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
    // Work on the command line needs no screen.
    if (tafomat::ohneFenster(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(nurSchwereMeldungen);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tafomat"));
    QApplication::setApplicationVersion(QStringLiteral(TAFOMAT_VERSION));
    if (const int status = tafomat::Befehlszeile(QApplication::arguments()); status >= 0)
        return status;
    QTranslator deutsch;
    if (tafomat::DeutscheStandardtexteLaden(deutsch)) QApplication::installTranslator(&deutsch);
    tafomat::QtDialoge dialoge;
    const tafomat::QtSchriftartenliste schriftarten;
    const tafomat::SystemUhr uhr;
    tafomat::MainWindow fenster(dialoge, schriftarten, uhr);
    return QApplication::exec();
}
