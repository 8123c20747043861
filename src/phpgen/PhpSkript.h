#pragma once

#include <optional>
#include <string>

#include "model/Felder.h"
#include "model/Zahlen.h"
#include "phpgen/ServerWerte.h"
#include "template/Surface.h"

namespace tafomat {

// The whole script, lines ended by CR LF, "?>" last without a line break. nullopt when an
// input cannot be read, the output type or quality cannot go into a script (Bildausgabe.h),
// or the compilation fails.
[[nodiscard]] std::optional<std::string> PhpSkript(const Felder& felder, const Surface& fläche);

// The chosen file name with ".php" appended unless it already ends in exactly ".php".
std::string PhpDateiname(std::string pfad);

}  // namespace tafomat
