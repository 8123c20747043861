#include "files/RegularFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tafomat {

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

ReadFailure openFailure(int error) {
    return error == ENOENT || error == ENOTDIR ? ReadFailure::Missing : ReadFailure::Unreadable;
}

// Reads up to maxBytes + 1 bytes, so that a file that grew after the size check still counts
// as too large instead of being cut.
FileContent readAll(int fd, std::size_t expected, std::size_t maxBytes) {
    FileContent content;
    content.bytes.resize(expected + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == content.bytes.size()) {
            if (done > maxBytes) return {{}, ReadFailure::TooLarge};
            content.bytes.resize(std::min(maxBytes + 1, done * 2 + 4096));
        }
        const ssize_t got = ::read(fd, content.bytes.data() + done, content.bytes.size() - done);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return {{}, ReadFailure::Unreadable};
        }
        done += static_cast<std::size_t>(got);
    }
    if (done > maxBytes) return {{}, ReadFailure::TooLarge};
    content.bytes.resize(done);
    return content;
}

}  // namespace

FileContent readRegularFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a pipe that no one writes to would otherwise wait forever.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return {{}, openFailure(errno)};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return {{}, ReadFailure::Unreadable};
    if (!S_ISREG(info.st_mode)) return {{}, ReadFailure::NotRegular};
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes)
        return {{}, ReadFailure::TooLarge};
    return readAll(fd.get(), static_cast<std::size_t>(info.st_size), maxBytes);
}

}  // namespace tafomat
