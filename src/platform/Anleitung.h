#pragma once

#include <QString>

#include <optional>

namespace tafomat {

// The German guide "anleitung.md": next to the program, as the build folder holds it, or in
// "share/tafomat" beside the folder of the program, as the package installs it. nullopt where
// neither holds it.
[[nodiscard]] std::optional<QString> AnleitungSuchen(const QString& programmordner);

}  // namespace tafomat
