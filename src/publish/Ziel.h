#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tafomat {

// How the files travel: SFTP over SSH, FTP with explicit TLS on the FTP port, or plain FTP.
enum class Protokoll { Sftp, Ftps, Ftp };

// Where a banner is published: "sftp://USER@HOST[:PORT]/FOLDER/". The folder is kept as the
// server takes it (percent escapes decoded), ending in "/"; an FTP folder is relative to the
// login folder, an SFTP one absolute, or relative to the home where the address says "~/".
struct Ziel {
    Protokoll protokoll;
    std::string benutzer;
    std::string host;
    int port;
    std::string ordner;  // "" for the login folder or the home, else "www/banner/" or "/srv/"

    // "sftp://anna@example.org:2222/www/": as the user wrote it, without a password.
    std::string anzeige() const;
    // The address of a file in the folder as curl takes it ("" for the folder itself).
    std::string url(std::string_view datei = {}) const;
    // A file's path as the protocol's own commands name it: for FTP relative to the folder
    // (curl has changed into it), for SFTP the full path.
    std::string befehlspfad(std::string_view datei) const;
};

// The address read, or why it is none (English, for the command line).
std::variant<Ziel, std::string> ZielLesen(std::string_view adresse);

// The password that a netrc file gives for the host and user, as curl reads such a file
// ("machine HOST login USER password PW", or "default"). nullopt: no entry fits.
std::optional<std::string> NetrcPasswort(std::string_view netrc, std::string_view host,
                                         std::string_view benutzer);

}  // namespace tafomat
