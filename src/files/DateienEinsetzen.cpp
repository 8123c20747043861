#include "files/DateienEinsetzen.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tafomat {

namespace {

struct Platz {
    std::string neu;   // the temporary file; after a swap it holds the old file
    std::string ziel;  // the file's own name
    enum class Art { Offen, Getauscht, Neu, Ersetzt } art = Art::Offen;
};

int fehlerOder(int ersatz) {
    return errno != 0 ? errno : ersatz;
}

[[nodiscard]] bool allesSchreiben(int datei, std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t geschrieben = ::write(datei, bytes.data(), bytes.size());
        if (geschrieben < 0 && errno == EINTR) continue;
        if (geschrieben <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(geschrieben));
    }
    return true;
}

// A temporary file of its own in the folder, with the bytes; 0 or errno.
int temporärSchreiben(const std::string& ordner, std::string_view bytes, std::string& name) {
    name = ordner + "/.tafomat-XXXXXX";
    const int datei = ::mkstemp(name.data());
    if (datei < 0) {
        name.clear();
        return errno;
    }
    int fehler = 0;
    if (!allesSchreiben(datei, bytes)) fehler = fehlerOder(ENOSPC);
    if (fehler == 0 && ::fchmod(datei, 0644) != 0) fehler = errno;
    if (::close(datei) != 0 && fehler == 0) fehler = errno;
    return fehler;
}

bool istOrdner(const std::string& pfad) {
    struct stat angaben {};
    return ::lstat(pfad.c_str(), &angaben) == 0 && S_ISDIR(angaben.st_mode);
}

// The new file takes its name; the old one, if any, the temporary name, so that it can return.
// A file system that cannot swap two names replaces the old file at once.
int einsetzen(Platz& platz) {
    if (::renameat2(AT_FDCWD, platz.neu.c_str(), AT_FDCWD, platz.ziel.c_str(), RENAME_EXCHANGE) ==
        0) {
        platz.art = Platz::Art::Getauscht;
        return 0;
    }
    const Platz::Art art = errno == ENOENT ? Platz::Art::Neu : Platz::Art::Ersetzt;
    if (art == Platz::Art::Ersetzt && errno != EINVAL && errno != ENOSYS) return errno;
    if (::rename(platz.neu.c_str(), platz.ziel.c_str()) != 0) return errno;
    platz.art = art;
    return 0;
}

void zurücknehmen(const Platz& platz) {
    if (platz.art == Platz::Art::Getauscht)
        ::renameat2(AT_FDCWD, platz.neu.c_str(), AT_FDCWD, platz.ziel.c_str(), RENAME_EXCHANGE);
    else if (platz.art == Platz::Art::Neu)
        ::rename(platz.ziel.c_str(), platz.neu.c_str());
}

// After a swap the temporary names hold the old files, after a failure the new ones.
void aufräumen(const std::vector<Platz>& plätze) {
    for (const Platz& platz : plätze)
        if (!platz.neu.empty()) ::unlink(platz.neu.c_str());
}

}  // namespace

std::optional<Einsetzfehler> DateienEinsetzen(const std::string& ordner,
                                              const std::vector<Neudatei>& dateien) {
    std::vector<Platz> plätze;
    const auto scheitern = [&](std::size_t datei, int fehler) {
        for (std::size_t i = plätze.size(); i-- > 0;) {
            zurücknehmen(plätze[i]);
            plätze[i].art = Platz::Art::Offen;
        }
        aufräumen(plätze);
        return Einsetzfehler{datei, fehler};
    };
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        plätze.push_back({{}, ordner + "/" + std::string(dateien[i].name)});
        if (istOrdner(plätze.back().ziel)) return scheitern(i, EISDIR);
        if (const int fehler = temporärSchreiben(ordner, dateien[i].bytes, plätze.back().neu))
            return scheitern(i, fehler);
    }
    for (std::size_t i = 0; i < plätze.size(); ++i)
        if (const int fehler = einsetzen(plätze[i])) return scheitern(i, fehler);
    aufräumen(plätze);
    return std::nullopt;
}

}  // namespace tafomat
