#include <QApplication>

#include "platform/Dialoge.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tafomat"));
    tafomat::QtDialoge dialoge;
    const tafomat::QtSchriftartenliste schriftarten;
    const tafomat::SystemUhr uhr;
    tafomat::MainWindow fenster(dialoge, schriftarten, uhr);
    return QApplication::exec();
}
