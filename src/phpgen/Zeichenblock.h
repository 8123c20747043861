#pragma once

#include <string>

#include "phpgen/Zeichenplan.h"

namespace tafomat {

// The script's drawing block: each statement of the plan as a line ended by CR LF, and an empty
// line after the drawing calls of each run. The font file is named after the font.
std::string Zeichenblock(const Zeichenplan& plan, const std::string& schriftname);

}  // namespace tafomat
