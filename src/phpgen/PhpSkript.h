#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "preview/Surface.h"

namespace tafomat {

// The drawing block: the template compiled into colour and text-drawing statements, measured
// on the surface, for its font. Each #G leaves its size on the surface; the caller restores the
// base size. A size the surface refuses ends the compilation: nullopt.
std::optional<std::string> ZeichenblockÜbersetzen(const Felder& felder, Surface& flaeche);

// The whole script, lines ended by CR LF, "?>" last without a line break. nullopt when an
// input cannot be read, the output type or quality cannot go into a script, or the
// compilation fails. Leaves the surface's font size as ZeichenblockÜbersetzen does.
std::optional<std::string> PhpSkript(const Felder& felder, Surface& flaeche);

// The chosen file name with ".php" appended unless it already ends in exactly ".php".
std::string PhpDateiname(std::string pfad);

}  // namespace tafomat
