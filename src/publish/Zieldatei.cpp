#include "publish/Zieldatei.h"

#include <array>
#include <charconv>
#include <map>

namespace tafomat {

namespace {

constexpr std::array<std::pair<Protokoll, std::string_view>, 3> Protokollnamen{{
    {Protokoll::Sftp, "sftp"},
    {Protokoll::Ftps, "ftps"},
    {Protokoll::Ftp, "ftp"},
}};

std::optional<Protokoll> protokollVon(std::string_view name) {
    for (const auto& [protokoll, eigenerName] : Protokollnamen)
        if (eigenerName == name) return protokoll;
    return std::nullopt;
}

std::string_view nameVon(Protokoll protokoll) {
    for (const auto& [eigenes, name] : Protokollnamen)
        if (eigenes == protokoll) return name;
    return "sftp";
}

std::optional<int> portVon(std::string_view text) {
    int port = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (fehler != std::errc() || ende != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

}  // namespace

std::optional<std::string> ZieldateiText(const Zielangaben& angaben) {
    const Ziel& z = angaben.ziel;
    const std::array<std::pair<std::string_view, std::string>, 6> zeilen{{
        {"protokoll", std::string(nameVon(z.protokoll))},
        {"host", z.host},
        {"port", std::to_string(z.port)},
        {"benutzer", z.benutzer},
        {"ordner", z.ordner},
        {"adresse", angaben.adresse},
    }};
    std::string text;
    for (const auto& [name, wert] : zeilen) {
        if (wert.find_first_of("\r\n") != std::string::npos) return std::nullopt;
        text += std::string(name) + "=" + wert + "\n";
    }
    return text;
}

std::optional<Zielangaben> ZieldateiLesen(std::string_view text) {
    std::map<std::string, std::string, std::less<>> werte;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        const std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos) return std::nullopt;
        if (!werte.emplace(zeile.substr(0, gleich), zeile.substr(gleich + 1)).second)
            return std::nullopt;
    }
    if (werte.size() != 6 || !werte.contains("host") || !werte.contains("benutzer") ||
        !werte.contains("ordner") || !werte.contains("adresse"))
        return std::nullopt;
    const auto protokoll = protokollVon(werte["protokoll"]);
    const auto port = portVon(werte["port"]);
    if (!protokoll || !port || werte["host"].empty()) return std::nullopt;
    return Zielangaben{Ziel{*protokoll, werte["benutzer"], werte["host"], *port, werte["ordner"]},
                       werte["adresse"]};
}

std::string ServerOhneBenutzer(const Ziel& ziel) {
    std::string text = ziel.anzeige();
    const std::size_t nachSchema = text.find("://") + 3;
    text.erase(nachSchema, ziel.benutzer.size() + 1);
    return text;
}

}  // namespace tafomat
