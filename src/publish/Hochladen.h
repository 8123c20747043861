#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "publish/Ziel.h"

namespace tafomat {

// What logs a user in and what the server must prove. The password lives only here, in
// memory: it is handed to curl and never written, printed or logged.
struct Zugang {
    std::optional<std::string> passwort;
    std::optional<std::string> schlüssel;  // a private key file; the public key beside it, .pub
    std::string knownHosts;                // the SFTP server's key must be listed here
    std::optional<std::string> annehmen;   // "SHA256:…": that host key is accepted and added
    std::optional<std::string> cacert;     // FTPS: authorities besides the system's
};

// A file to publish: its name in the folder and its bytes.
struct Hochladedatei {
    std::string name;
    std::string_view bytes;
};

struct Hochladebericht {
    bool erfolg = false;
    std::string meldung;  // English, one sentence or two
    // SFTP: the host key that was not accepted, "SHA256:…"
    std::optional<std::string> fingerabdruck;
};

// Uploads the files into the target's folder, in binary, each readable by the web server (files
// 644, a folder made 755). Every file goes to a temporary name first; only when all are there do
// they take their names, in the order given (the script last, so that a failure before it
// leaves the previous banner working). The temporaries are removed in any case. `abbrechen`,
// when set before the first rename, stops with nothing changed; once renaming began, the
// renames are finished. Each network step has its time limit.
Hochladebericht Hochladen(const Ziel& ziel, const Zugang& zugang,
                          const std::vector<Hochladedatei>& dateien,
                          const std::atomic<bool>* abbrechen = nullptr);

// "SHA256:…" as OpenSSH prints a host key's fingerprint, of the key's wire bytes.
std::string Fingerabdruck(std::string_view schlüssel);

}  // namespace tafomat
