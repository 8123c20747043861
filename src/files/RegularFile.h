#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tafomat {

enum class ReadFailure {
    Missing,     // no file of that name
    NotRegular,  // a folder, pipe, device or socket
    Unreadable,  // opening or reading failed
    TooLarge,    // more bytes than the caller takes
};

struct FileContent {
    std::string bytes;  // the whole file when failure is empty
    std::optional<ReadFailure> failure;
};

// Reads a regular file of at most maxBytes bytes. The path is given as the file system takes
// it (UTF-8 on Linux). Anything but a regular file is refused without waiting on it, since a
// pipe or a terminal would block and a device could deliver bytes without end; a file larger
// than maxBytes is refused before a byte is read.
[[nodiscard]] FileContent readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace tafomat
