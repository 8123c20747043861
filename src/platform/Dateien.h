#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tafomat {

// Creates or replaces the file with the bytes. The old file stays untouched unless the whole
// new content was written; the file is closed in every case.
bool DateiSchreiben(const QString& pfad, std::string_view bytes);

// The whole content of the file, or nullopt when it cannot be read.
std::optional<std::string> DateiLesen(const QString& pfad);

}  // namespace tafomat
