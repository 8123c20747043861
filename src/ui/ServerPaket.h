#pragma once

#include <QString>

#include "bundle/Paket.h"
#include "render/Schriftsuche.h"

namespace tafomat {

// The window's message about a bundle written into the folder, or why it was not, in German.
QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad);

// "Die Schriftart [schrift] ist installiert, kann aber nicht gezeichnet werden" and why, as a
// sentence without its end.
QString SchriftNichtZeichenbar(const QString& schrift, Schriftmangel mangel);

}  // namespace tafomat
