#pragma once

#include <string>
#include <string_view>

#include "template/Surface.h"

namespace tafomat {

// The #-commands that the editing aids write.
std::string Farbbefehl(Farbwert farbe);            // "#F" rrr ggg bbb, 11 characters
std::string Positionsbefehl(double x, double y);   // "#X" xxx "#Y" yyy, magnitudes
std::string Größenbefehl(std::string_view größe);  // "#G" with one "0" before a short size

}  // namespace tafomat
