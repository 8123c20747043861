#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tafomat {

// A file to put into a folder: its name as the bytes the file system is to hold, and its content.
struct Neudatei {
    std::string_view name;
    std::string_view bytes;
};

struct Einsetzfehler {
    std::size_t datei;  // which of the files
    int fehlernummer;   // errno
};

// Writes the files into the folder (a path as the file system takes it) all or none: each goes
// to a temporary file there first, and only when all are written do they take their names, the
// old files held back until every new one is in place. When anything fails, the temporary files
// go and the files that were there stay as they were. A link under a name is replaced, not
// followed; a folder under a name is refused.
[[nodiscard]] std::optional<Einsetzfehler> DateienEinsetzen(const std::string& ordner,
                                                            const std::vector<Neudatei>& dateien);

}  // namespace tafomat
