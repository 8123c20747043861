#pragma once

#include <QString>

#include "bundle/Paket.h"

namespace tafomat {

// The window's message about a bundle written into the folder, or why it was not, in German.
QString ServerPaketMeldung(const ServerPaket& paket, const QString& ordner,
                           const QString& bildpfad);

}  // namespace tafomat
