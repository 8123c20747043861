#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

#include "render/RegularFile.h"

namespace tafomat {

// Creates or replaces the file with the bytes. The old file stays untouched unless the whole
// new content was written; the file is closed in every case.
bool DateiSchreiben(const QString& pfad, std::string_view bytes);

// The whole content of a regular file of at most höchstens bytes, or why not; pipes, devices
// and folders are refused at once, a larger file before it is read.
FileContent DateiLesen(const QString& pfad, std::size_t höchstens);

}  // namespace tafomat
