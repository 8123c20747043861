#include "ui/Fensterstart.h"

#include <QApplication>
#include <QTranslator>

#include "platform/Dialoge.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "ui/EinstellungenDatei.h"
#include "ui/MainWindow.h"

namespace tafomat {

int FensterStarten(int& argc, char** argv,
                   const std::function<Fensterauftrag(const QStringList&)>& befehlszeile) {
    QApplication app(argc, argv);
    const Fensterauftrag auftrag = befehlszeile(QApplication::arguments());
    if (auftrag.status) return *auftrag.status;
    QTranslator deutsch;
    if (DeutscheStandardtexteLaden(deutsch)) QApplication::installTranslator(&deutsch);
    QtDialoge dialoge;
    const QtSchriftartenliste schriftarten;
    const SystemUhr uhr;
    MainWindow fenster(dialoge, schriftarten, uhr);
    if (auftrag.design) EinstellungenBeimStartÖffnen(fenster, dialoge, *auftrag.design);
    return QApplication::exec();
}

}  // namespace tafomat
