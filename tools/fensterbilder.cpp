// Draws the window's pictures for the README and the guide: the window right after start-up and
// its preview row with the server view switched on, and saves the start design beside them, so
// that tools/docs-pictures can draw its banner as the server does. Writes into the folder given.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

#include "platform/Dialoge.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: tafomat_fensterbilder FOLDER\n", stderr);
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[1]));
    tafomat::QtDialoge dialoge;
    const tafomat::QtSchriftartenliste schriftarten;
    const tafomat::SystemUhr uhr;
    tafomat::MainWindow fenster(dialoge, schriftarten, uhr);
    bool geschrieben =
        fenster.grab().save(ordner.filePath(QStringLiteral("tafomat-fenster.png"))) &&
        fenster.EinstellungenSchreiben(ordner.filePath(QStringLiteral("tafomat-start.txt")));
    fenster.findChild<QAbstractButton*>(QStringLiteral("Serveransicht"))->click();
    const QRect vorschaureihe(0, 290, fenster.width(), 90);
    geschrieben =
        geschrieben && fenster.grab(vorschaureihe)
                           .save(ordner.filePath(QStringLiteral("tafomat-serveransicht.png")));
    return geschrieben ? 0 : 1;
}
