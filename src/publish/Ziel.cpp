#include "publish/Ziel.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace tafomat {

namespace {

struct Schema {
    std::string_view präfix;
    Protokoll protokoll;
    int port;
};

constexpr Schema Schemata[] = {{"sftp://", Protokoll::Sftp, 22},
                               {"ftps://", Protokoll::Ftps, 21},
                               {"ftp://", Protokoll::Ftp, 21}};

std::string_view präfixVon(Protokoll protokoll) {
    for (const Schema& schema : Schemata)
        if (schema.protokoll == protokoll) return schema.präfix;
    return {};
}

int hexwert(char zeichen) {
    if (zeichen >= '0' && zeichen <= '9') return zeichen - '0';
    if (zeichen >= 'a' && zeichen <= 'f') return zeichen - 'a' + 10;
    if (zeichen >= 'A' && zeichen <= 'F') return zeichen - 'A' + 10;
    return -1;
}

// Percent escapes decoded; nullopt for a broken escape or a control character, which no
// server's file name should hold and a command line could not carry.
std::optional<std::string> entschlüsselt(std::string_view text) {
    std::string ergebnis;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char zeichen = text[i];
        if (zeichen == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int hoch = hexwert(text[i + 1]);
            const int tief = hexwert(text[i + 2]);
            if (hoch < 0 || tief < 0) return std::nullopt;
            zeichen = static_cast<char>(hoch * 16 + tief);
            i += 2;
        }
        if (static_cast<unsigned char>(zeichen) < 0x20 || zeichen == 0x7F) return std::nullopt;
        ergebnis += zeichen;
    }
    return ergebnis;
}

std::string verschlüsselt(std::string_view text) {
    static const char ziffern[] = "0123456789ABCDEF";
    std::string ergebnis;
    for (const char zeichen : text) {
        const auto code = static_cast<unsigned char>(zeichen);
        if (std::isalnum(code) || std::string_view("-._~/").find(zeichen) != std::string_view::npos)
            ergebnis += zeichen;
        else
            ergebnis += {'%', ziffern[code >> 4], ziffern[code & 15]};
    }
    return ergebnis;
}

bool hatZurück(std::string_view ordner) {
    std::size_t anfang = 0;
    while (anfang <= ordner.size()) {
        const std::size_t ende = std::min(ordner.find('/', anfang), ordner.size());
        if (ordner.substr(anfang, ende - anfang) == "..") return true;
        anfang = ende + 1;
    }
    return false;
}

std::optional<int> portLesen(std::string_view text) {
    int port = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (fehler != std::errc() || ende != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// "USER@HOST[:PORT]" into the target; an error text when it is not that.
std::optional<std::string> anmeldungLesen(std::string_view teil, Ziel& ziel) {
    const std::size_t at = teil.rfind('@');
    if (at == std::string_view::npos || at == 0)
        return "names no user: write USER@HOST, the password comes from --netrc or a prompt";
    const std::optional<std::string> benutzer = entschlüsselt(teil.substr(0, at));
    if (!benutzer) return "the user holds a broken escape or a control character";
    if (benutzer->find(':') != std::string::npos)
        return "the user holds a colon: a password never goes into the address, it comes from "
               "--netrc or a prompt";
    ziel.benutzer = *benutzer;
    std::string_view host = teil.substr(at + 1);
    if (const std::size_t doppelpunkt = host.rfind(':');
        doppelpunkt != std::string_view::npos && host.find(']', doppelpunkt) == host.npos) {
        const std::optional<int> port = portLesen(host.substr(doppelpunkt + 1));
        if (!port) return "the port is no number from 1 to 65535";
        ziel.port = *port;
        host = host.substr(0, doppelpunkt);
    }
    if (host.empty()) return "names no host";
    for (const char zeichen : host)
        if (!std::isalnum(static_cast<unsigned char>(zeichen)) &&
            std::string_view("-.:[]").find(zeichen) == std::string_view::npos)
            return "the host is no host name or address";
    ziel.host = host;
    return std::nullopt;
}

std::optional<std::string> ordnerLesen(std::string_view pfad, Ziel& ziel) {
    const std::optional<std::string> ordner = entschlüsselt(pfad);
    if (!ordner) return "the folder holds a broken escape or a control character";
    if (hatZurück(*ordner)) return "the folder holds \"..\"";
    std::string ergebnis = *ordner;
    if (ziel.protokoll == Protokoll::Sftp) {
        // "/~/www/" is the home's "www", which the SFTP server takes relative to the home.
        if (ergebnis == "~" || ergebnis.starts_with("~/"))
            ergebnis.erase(0, 2);
        else
            ergebnis.insert(0, "/");
    }
    if (!ergebnis.empty() && !ergebnis.ends_with('/')) ergebnis += '/';
    ziel.ordner = ergebnis;
    return std::nullopt;
}

std::string_view ohneLeer(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

std::vector<std::string_view> wörter(std::string_view text) {
    std::vector<std::string_view> ergebnis;
    for (text = ohneLeer(text); !text.empty(); text = ohneLeer(text)) {
        std::size_t ende = 0;
        while (ende < text.size() && !std::isspace(static_cast<unsigned char>(text[ende]))) ++ende;
        ergebnis.push_back(text.substr(0, ende));
        text.remove_prefix(ende);
    }
    return ergebnis;
}

}  // namespace

std::string Ziel::anzeige() const {
    std::string text = std::string(präfixVon(protokoll)) + benutzer + "@" + host;
    for (const Schema& schema : Schemata)
        if (schema.protokoll == protokoll && schema.port != port)
            text += ":" + std::to_string(port);
    if (protokoll == Protokoll::Sftp && !ordner.starts_with('/')) return text + "/~/" + ordner;
    return text + (ordner.starts_with('/') ? "" : "/") + ordner;
}

std::string Ziel::url(std::string_view datei) const {
    // curl's ftps:// is TLS from the first byte; the explicit TLS that hosts offer on the FTP
    // port is ftp:// with TLS required.
    const std::string_view schema = protokoll == Protokoll::Sftp ? "sftp://" : "ftp://";
    std::string pfad = ordner;
    if (protokoll == Protokoll::Sftp && !ordner.starts_with('/')) pfad.insert(0, "~/");
    return std::string(schema) + host + ":" + std::to_string(port) + "/" +
           verschlüsselt(pfad.starts_with('/') ? pfad.substr(1) : pfad) + verschlüsselt(datei);
}

std::string Ziel::befehlspfad(std::string_view datei) const {
    if (protokoll != Protokoll::Sftp) return std::string(datei);
    return ordner + std::string(datei);
}

std::variant<Ziel, std::string> ZielLesen(std::string_view adresse) {
    Ziel ziel{Protokoll::Sftp, {}, {}, 22, {}};
    bool erkannt = false;
    for (const Schema& schema : Schemata) {
        if (!adresse.starts_with(schema.präfix)) continue;
        ziel.protokoll = schema.protokoll;
        ziel.port = schema.port;
        adresse.remove_prefix(schema.präfix.size());
        erkannt = true;
        break;
    }
    if (!erkannt) return std::string("the address begins with none of sftp://, ftps://, ftp://");
    const std::size_t schrägstrich = std::min(adresse.find('/'), adresse.size());
    if (auto fehler = anmeldungLesen(adresse.substr(0, schrägstrich), ziel)) return *fehler;
    if (schrägstrich < adresse.size())
        if (auto fehler = ordnerLesen(adresse.substr(schrägstrich + 1), ziel)) return *fehler;
    if (ziel.protokoll == Protokoll::Sftp && schrägstrich >= adresse.size()) ziel.ordner = "";
    return ziel;
}

std::optional<std::string> NetrcPasswort(std::string_view netrc, std::string_view host,
                                         std::string_view benutzer) {
    const std::vector<std::string_view> teile = wörter(netrc);
    bool passt = false;
    std::optional<std::string_view> login;
    std::optional<std::string_view> passwort;
    const auto eintragPasst = [&] { return passt && passwort && (!login || *login == benutzer); };
    for (std::size_t i = 0; i < teile.size(); ++i) {
        const std::string_view wort = teile[i];
        if (wort == "machine" || wort == "default") {
            if (eintragPasst()) return std::string(*passwort);
            passt = wort == "default" || (i + 1 < teile.size() && teile[i + 1] == host);
            login.reset();
            passwort.reset();
            if (wort == "machine") ++i;
        } else if ((wort == "login" || wort == "password" || wort == "account") &&
                   i + 1 < teile.size()) {
            if (wort == "login") login = teile[i + 1];
            if (wort == "password") passwort = teile[i + 1];
            ++i;
        }
    }
    if (eintragPasst()) return std::string(*passwort);
    return std::nullopt;
}

}  // namespace tafomat
