#pragma once

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tafomat {

// What an address answered, as a forum's visitor would get it, asked without any cache.
struct Abruf {
    std::optional<std::string> fehler;  // it could not be fetched: why (English)
    int status = 0;
    std::map<std::string, std::string> kopf;  // the last answer's header names in lower case
    std::string inhalt;
    std::vector<std::string> umleitungen;  // the addresses redirected to, in order
};

// The most a banner may weigh here: a 4096 × 4096 png of a photo stays below it.
inline constexpr std::size_t GrößteAntwort = 64u << 20;
// No forum follows more.
inline constexpr int MeisteUmleitungen = 5;

// Fetches the address (http or https), with "Cache-Control: no-cache", following at most five
// redirects, within a time limit and reading at most GrößteAntwort bytes. `cacert` adds
// authorities for https. `abbrechen`, once set, ends the fetch.
Abruf Abrufen(const std::string& adresse, const std::optional<std::string>& cacert,
              const std::atomic<bool>* abbrechen = nullptr);

}  // namespace tafomat
