#pragma once

#include <QString>

#include "platform/Dialoge.h"
#include "ui/MainWindow.h"

namespace tafomat {

// A design named when the program starts: read into the shown window as "Einstellungen
// öffnen" reads it. A file that cannot be read leaves the start design, and a message says
// why.
void EinstellungenBeimStartÖffnen(MainWindow& fenster, Dialoge& dialoge, const QString& pfad);

}  // namespace tafomat
