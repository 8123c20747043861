#pragma once

#include <memory>

#include "bundle/Paket.h"
#include "model/Felder.h"
#include "publish/Pruefung.h"
#include "render/GdSurface.h"

namespace tafomat {

// What the publish dialog uploads and checks, made in the window's thread from its design.
struct Veroeffentlichungsinhalt {
    ServerPaket paket;
    Erwartung erwartung;  // its banner() is called in the window's thread only
};

// The design's bundle and what its script sends, as "Server-Paket speichern" and the server view
// make them; nullptr where the design gives no script or no bundle.
std::unique_ptr<Veroeffentlichungsinhalt> VeroeffentlichungsinhaltVon(const Felder& felder,
                                                                      const GdSurface& vorschau);

}  // namespace tafomat
