#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "bundle/Paket.h"
#include "model/Felder.h"
#include "model/Zahlen.h"
#include "render/GdSurface.h"

namespace tafomat {

// A design read and checked as export reads it, with the bundle the server needs.
struct Entwurf {
    const Felder& felder;
    const GdSurface& vorschau;  // with its background decoded
    const ServerPaket& paket;
};

// What `tafomat export` is asked to do.
struct Exportauftrag {
    QString design;
    std::optional<QString> php;
    std::optional<QString> vorschau;
    std::optional<QString> serveransicht;  // the banner as the server sends it, as PNG
    std::optional<QString> paket;          // the folder of the server bundle
    bool info = false;  // print the banner's size as the server sends it that day
    QString art = QStringLiteral("jpeg");
    std::optional<QString> qualität;
    std::optional<Tageszahl> heute;
    // publish and check: instead of writing files, the design is handed on; the result is the
    // exit status.
    std::function<int(const Entwurf&)> weiter;

    // Whether any output is asked for; every output option belongs here.
    bool hatAusgabe() const { return php || vorschau || serveransicht || paket || info; }
};

inline constexpr int ExitFehlerEingabe = 2;
inline constexpr int ExitFehlerSchreiben = 1;

// Reads the design as the window's open button does, then writes the script and the preview
// as the window would. Messages go to standard error; the result is the exit status.
[[nodiscard]] int Exportieren(const Exportauftrag& auftrag);

}  // namespace tafomat
