#include "publish/Hochladen.h"

#include <curl/curl.h>
#include <openssl/evp.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>

#include "files/DateienEinsetzen.h"
#include "files/RegularFile.h"

namespace tafomat {

namespace {

// No step may hang: a connection gets 20 s, an answer of the server 30 s, and a transfer that
// moves no byte for 30 s is given up.
constexpr long VerbindungsSekunden = 20;
constexpr long AntwortSekunden = 30;
constexpr long StillstandSekunden = 30;
constexpr std::size_t GrößteListe = 1 << 20;
constexpr std::size_t GrößteKnownHosts = 16 << 20;

constexpr std::string_view NeuEndung = ".tafomat-neu";
constexpr std::string_view AltEndung = ".tafomat-alt";

std::string base64(const unsigned char* daten, std::size_t länge) {
    std::string text(4 * ((länge + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), daten,
                                  static_cast<int>(länge));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

// The key type that the wire bytes begin with, "ssh-ed25519"; empty when they hold none.
std::string schlüsselart(std::string_view schlüssel) {
    if (schlüssel.size() < 4) return {};
    const std::size_t länge = (std::size_t(static_cast<unsigned char>(schlüssel[0])) << 24) |
                              (std::size_t(static_cast<unsigned char>(schlüssel[1])) << 16) |
                              (std::size_t(static_cast<unsigned char>(schlüssel[2])) << 8) |
                              std::size_t(static_cast<unsigned char>(schlüssel[3]));
    if (länge > 64 || länge + 4 > schlüssel.size()) return {};
    return std::string(schlüssel.substr(4, länge));
}

// The SFTP paths in curl's quote commands go in double quotes, so that blanks stay in them.
std::string inAnführung(const std::string& pfad) {
    std::string text = "\"";
    for (const char zeichen : pfad) {
        if (zeichen == '"' || zeichen == '\\') text += '\\';
        text += zeichen;
    }
    return text + "\"";
}

struct Listeneintrag {
    bool ordner;
};

// The folder's listing as ls -l prints it (FTP's LIST and curl's SFTP listing alike).
std::map<std::string, Listeneintrag> listeLesen(const std::string& liste) {
    std::map<std::string, Listeneintrag> einträge;
    std::size_t anfang = 0;
    while (anfang < liste.size()) {
        std::size_t ende = liste.find('\n', anfang);
        if (ende == std::string::npos) ende = liste.size();
        std::string zeile = liste.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (zeile.empty() || std::string_view("-dl").find(zeile.front()) == std::string_view::npos)
            continue;
        std::size_t stelle = 0;
        for (int feld = 0; feld < 8 && stelle != std::string::npos; ++feld) {
            stelle = zeile.find_first_not_of(' ', stelle);
            stelle = stelle == std::string::npos ? stelle : zeile.find(' ', stelle);
        }
        if (stelle == std::string::npos) continue;
        std::string name = zeile.substr(stelle + 1);
        if (zeile.front() == 'l') name = name.substr(0, name.find(" -> "));
        einträge[name] = {zeile.front() == 'd'};
    }
    return einträge;
}

class Sitzung {
  public:
    Sitzung(const Ziel& ziel, const Zugang& zugang, const std::atomic<bool>* abbrechen)
        : m_ziel(ziel), m_zugang(zugang), m_abbrechen(abbrechen), m_curl(curl_easy_init()) {}
    ~Sitzung() {
        if (m_curl) curl_easy_cleanup(m_curl);
    }
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;

    bool bereit() const { return m_curl != nullptr; }
    // From here on a cancel waits: the renames run to their end.
    void abbruchSperren() { m_abbrechen = nullptr; }

    // The folder's listing; nullopt when it could not be read (fehler() says why).
    std::optional<std::map<std::string, Listeneintrag>> auflisten() {
        std::string liste;
        vorbereiten(m_ziel.url());
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &sammeln);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &liste);
        if (!ausführen()) return std::nullopt;
        return listeLesen(liste);
    }

    bool hochladen(const std::string& name, std::string_view bytes, bool ordnerNeu) {
        Lesestand stand{bytes, 0};
        vorbereiten(m_ziel.url(name));
        curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &liefern);
        curl_easy_setopt(m_curl, CURLOPT_READDATA, &stand);
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
        curl_easy_setopt(m_curl, CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
        curl_easy_setopt(m_curl, CURLOPT_NEW_FILE_PERMS, 0644L);
        curl_easy_setopt(m_curl, CURLOPT_NEW_DIRECTORY_PERMS, 0755L);
        curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &fortschritt);
        curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
        // Servers' umasks differ: the rights are set, not left to them.
        std::vector<std::string> nachher{rechte(name, "644")};
        if (ordnerNeu && sftp()) nachher.push_back(rechte({}, "755"));
        Befehlsliste liste(nachher);
        curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, liste.kopf);
        if (!ausführen()) return false;
        // An FTP server names a folder by its path from the login folder, not as "."
        if (!ordnerNeu || sftp()) return true;
        Ziel anmeldeordner = m_ziel;
        anmeldeordner.ordner.clear();
        std::string ordner = m_ziel.ordner;
        if (!ordner.empty()) ordner.pop_back();
        return befehle({"SITE CHMOD 755 " + ordner}, anmeldeordner.url());
    }

    // The protocol's own commands, run in the folder (or the one at `url`); true when all
    // succeeded.
    bool befehle(const std::vector<std::string>& befehle, const std::string& url = {}) {
        vorbereiten(url.empty() ? m_ziel.url() : url);
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        Befehlsliste liste(befehle);
        curl_easy_setopt(m_curl, CURLOPT_POSTQUOTE, liste.kopf);
        return ausführen();
    }

    std::string umbenennen(const std::string& von, const std::string& nach) const {
        if (sftp()) return "rename " + pfad(von) + " " + pfad(nach);
        return "RNFR " + von + "\nRNTO " + nach;
    }
    std::string löschen(const std::string& name) const {
        return sftp() ? "rm " + pfad(name) : "DELE " + name;
    }

    bool sftp() const { return m_ziel.protokoll == Protokoll::Sftp; }
    CURLcode code() const { return m_code; }
    const std::string& fehler() const { return m_fehler; }
    const std::optional<std::string>& fingerabdruck() const { return m_fingerabdruck; }
    bool schlüsselGeändert() const { return m_schlüsselGeändert; }
    const std::string& schlüsselfehler() const { return m_schlüsselfehler; }

  private:
    struct Lesestand {
        std::string_view bytes;
        std::size_t stelle;
    };

    // A curl_slist of the commands; an FTP rename's two commands are two entries.
    struct Befehlsliste {
        explicit Befehlsliste(const std::vector<std::string>& befehle) {
            for (const std::string& befehl : befehle) {
                std::size_t anfang = 0;
                while (anfang <= befehl.size()) {
                    const std::size_t ende = std::min(befehl.find('\n', anfang), befehl.size());
                    kopf = curl_slist_append(kopf, befehl.substr(anfang, ende - anfang).c_str());
                    anfang = ende + 1;
                }
            }
        }
        ~Befehlsliste() { curl_slist_free_all(kopf); }
        Befehlsliste(const Befehlsliste&) = delete;
        Befehlsliste& operator=(const Befehlsliste&) = delete;
        curl_slist* kopf = nullptr;
    };

    std::string pfad(const std::string& name) const {
        return inAnführung(m_ziel.befehlspfad(name));
    }

    // An empty name: SFTP's folder itself.
    std::string rechte(const std::string& name, const char* modus) const {
        if (sftp())
            return std::string("chmod ") + modus + " " +
                   (name.empty() ? inAnführung(m_ziel.ordner.empty() ? "." : m_ziel.ordner)
                                 : pfad(name));
        return std::string("SITE CHMOD ") + modus + " " + name;
    }

    static size_t sammeln(char* daten, size_t größe, size_t anzahl, void* ziel) {
        auto& text = *static_cast<std::string*>(ziel);
        if (text.size() + größe * anzahl > GrößteListe) return 0;
        text.append(daten, größe * anzahl);
        return größe * anzahl;
    }

    static size_t liefern(char* puffer, size_t größe, size_t anzahl, void* quelle) {
        auto& stand = *static_cast<Lesestand*>(quelle);
        const std::size_t n = std::min(größe * anzahl, stand.bytes.size() - stand.stelle);
        std::copy_n(stand.bytes.data() + stand.stelle, n, puffer);
        stand.stelle += n;
        return n;
    }

    static int fortschritt(void* sitzung, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        const auto* abbrechen = static_cast<Sitzung*>(sitzung)->m_abbrechen;
        return abbrechen && abbrechen->load() ? 1 : 0;
    }

    static int hostschlüssel(CURL*, const curl_khkey*, const curl_khkey* gefunden,
                             curl_khmatch treffer, void* sitzung) {
        return static_cast<Sitzung*>(sitzung)->hostschlüsselPrüfen(gefunden, treffer);
    }

    int hostschlüsselPrüfen(const curl_khkey* gefunden, curl_khmatch treffer) {
        if (treffer == CURLKHMATCH_OK) return CURLKHSTAT_FINE;
        const std::string_view schlüssel(gefunden->key, gefunden->len);
        const std::string abdruck = Fingerabdruck(schlüssel);
        if (m_zugang.annehmen && *m_zugang.annehmen == abdruck) {
            if (eintragen(schlüssel)) return CURLKHSTAT_FINE;
            return CURLKHSTAT_REJECT;
        }
        m_fingerabdruck = schlüsselart(schlüssel) + " " + abdruck;
        m_schlüsselGeändert = treffer == CURLKHMATCH_MISMATCH;
        return CURLKHSTAT_REJECT;
    }

    // Adds the accepted key to the known-hosts file, all or nothing: the file is written anew
    // beside the old one and takes its name.
    bool eintragen(std::string_view schlüssel) {
        const std::string& datei = m_zugang.knownHosts;
        const std::size_t schnitt = datei.rfind('/');
        const std::string ordner = schnitt == std::string::npos ? "." : datei.substr(0, schnitt);
        const std::string name = schnitt == std::string::npos ? datei : datei.substr(schnitt + 1);
        FileContent alt = readRegularFile(datei, GrößteKnownHosts);
        if (alt.failure && *alt.failure != ReadFailure::Missing) {
            m_schlüsselfehler = datei + " cannot be read";
            return false;
        }
        if (alt.failure) ::mkdir(ordner.c_str(), 0700);
        std::string inhalt = alt.failure ? std::string() : alt.bytes;
        if (!inhalt.empty() && inhalt.back() != '\n') inhalt += '\n';
        const std::string host = m_ziel.port == 22
                                     ? m_ziel.host
                                     : "[" + m_ziel.host + "]:" + std::to_string(m_ziel.port);
        inhalt +=
            host + " " + schlüsselart(schlüssel) + " " +
            base64(reinterpret_cast<const unsigned char*>(schlüssel.data()), schlüssel.size()) +
            "\n";
        if (const auto fehler = DateienEinsetzen(ordner, {{name, inhalt}})) {
            m_schlüsselfehler = datei + " cannot be written (" +
                                std::string(std::strerror(fehler->fehlernummer)) + ")";
            return false;
        }
        return true;
    }

    void vorbereiten(const std::string& url) {
        curl_easy_reset(m_curl);
        curl_easy_setopt(m_curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, sftp() ? "sftp" : "ftp");
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_puffer);
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_ziel.benutzer.c_str());
        if (m_zugang.passwort)
            curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_zugang.passwort->c_str());
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, VerbindungsSekunden);
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, AntwortSekunden);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(m_curl, CURLOPT_LOW_SPEED_TIME, StillstandSekunden);
        if (sftp())
            sshEinstellen();
        else
            ftpEinstellen();
    }

    void sshEinstellen() {
        long arten = CURLSSH_AUTH_AGENT | CURLSSH_AUTH_PUBLICKEY;
        if (m_zugang.passwort) arten |= CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD;
        curl_easy_setopt(m_curl, CURLOPT_SSH_AUTH_TYPES, arten);
        if (m_zugang.schlüssel) {
            m_öffentlich = *m_zugang.schlüssel + ".pub";
            curl_easy_setopt(m_curl, CURLOPT_SSH_PRIVATE_KEYFILE, m_zugang.schlüssel->c_str());
            curl_easy_setopt(m_curl, CURLOPT_SSH_PUBLIC_KEYFILE, m_öffentlich.c_str());
        }
        curl_easy_setopt(m_curl, CURLOPT_SSH_KNOWNHOSTS, m_zugang.knownHosts.c_str());
        curl_easy_setopt(m_curl, CURLOPT_SSH_KEYFUNCTION, &hostschlüssel);
        curl_easy_setopt(m_curl, CURLOPT_SSH_KEYDATA, this);
    }

    // vsftpd, as hosts run it, wants each data connection to resume the control connection's
    // TLS session; with TLS 1.3, whose tickets come after the handshake, curl's second data
    // connection does not, and vsftpd refuses it. TLS 1.2 resumes by session id.
    void ftpEinstellen() {
        if (m_ziel.protokoll == Protokoll::Ftps) {
            curl_easy_setopt(m_curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
            curl_easy_setopt(m_curl, CURLOPT_SSLVERSION,
                             static_cast<long>(CURL_SSLVERSION_TLSv1_2) |
                                 static_cast<long>(CURL_SSLVERSION_MAX_TLSv1_2));
            if (m_zugang.cacert) curl_easy_setopt(m_curl, CURLOPT_CAINFO, m_zugang.cacert->c_str());
        }
        curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
        curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
    }

    bool ausführen() {
        m_puffer[0] = '\0';
        m_code = curl_easy_perform(m_curl);
        m_fehler = m_puffer[0] ? m_puffer : curl_easy_strerror(m_code);
        return m_code == CURLE_OK;
    }

    const Ziel& m_ziel;
    const Zugang& m_zugang;
    const std::atomic<bool>* m_abbrechen;
    CURL* m_curl;
    char m_puffer[CURL_ERROR_SIZE] = {};
    CURLcode m_code = CURLE_OK;
    std::string m_fehler;
    std::string m_öffentlich;
    std::optional<std::string> m_fingerabdruck;
    bool m_schlüsselGeändert = false;
    std::string m_schlüsselfehler;
};

std::string namensliste(const std::vector<std::string>& namen) {
    std::string text;
    for (const std::string& name : namen) text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "none" : text;
}

// Why nothing could be done at all: login, host key, certificate, connection.
Hochladebericht verbindungsfehler(const Sitzung& sitzung, const Ziel& ziel, const Zugang& zugang) {
    Hochladebericht bericht;
    const std::string wo = ziel.anzeige();
    if (sitzung.fingerabdruck()) {
        bericht.fingerabdruck =
            sitzung.fingerabdruck()->substr(sitzung.fingerabdruck()->find(' ') + 1);
        bericht.meldung =
            wo + ": the server's host key " + *sitzung.fingerabdruck() +
            (sitzung.schlüsselGeändert()
                 ? " is not the one " + zugang.knownHosts +
                       " holds for it: if the server's key was really changed, accept it with "
                 : " is not in " + zugang.knownHosts + "; if it is the server's, accept it with ") +
            "--accept-host-key " + *bericht.fingerabdruck + "; nothing was uploaded";
        return bericht;
    }
    if (!sitzung.schlüsselfehler().empty()) {
        bericht.meldung = wo + ": the host key cannot be added: " + sitzung.schlüsselfehler();
        return bericht;
    }
    switch (sitzung.code()) {
        case CURLE_LOGIN_DENIED:
            bericht.meldung = wo + ": the server refuses the login of " + ziel.benutzer +
                              " (wrong password or key?); nothing was uploaded";
            return bericht;
        case CURLE_PEER_FAILED_VERIFICATION:
            bericht.meldung = wo + ": the server's certificate cannot be verified (" +
                              sitzung.fehler() +
                              "); give its authority with --cacert FILE; nothing was uploaded";
            return bericht;
        case CURLE_USE_SSL_FAILED:
            bericht.meldung = wo + ": the server offers no TLS; nothing was uploaded";
            return bericht;
        case CURLE_OPERATION_TIMEDOUT:
            bericht.meldung = wo +
                              ": the server does not answer in time (its address and port, or a "
                              "firewall?); nothing was uploaded";
            return bericht;
        default:
            bericht.meldung = wo + ": " + sitzung.fehler() + "; nothing was uploaded";
            return bericht;
    }
}

bool ordnerFehlt(CURLcode code) {
    return code == CURLE_REMOTE_FILE_NOT_FOUND || code == CURLE_REMOTE_ACCESS_DENIED ||
           code == CURLE_FTP_COULDNT_RETR_FILE;
}

class Veröffentlichung {
  public:
    Veröffentlichung(const Ziel& ziel, const Zugang& zugang,
                     const std::vector<Hochladedatei>& dateien, const std::atomic<bool>* abbrechen)
        : m_ziel(ziel),
          m_zugang(zugang),
          m_dateien(dateien),
          m_abbrechen(abbrechen),
          m_sitzung(ziel, zugang, abbrechen) {}

    Hochladebericht ausführen() {
        if (!m_sitzung.bereit()) return {false, "curl cannot start", std::nullopt};
        const auto liste = m_sitzung.auflisten();
        if (!liste &&
            !(ordnerFehlt(m_sitzung.code()) && m_sitzung.fingerabdruck() == std::nullopt &&
              m_sitzung.code() != CURLE_LOGIN_DENIED))
            return verbindungsfehler(m_sitzung, m_ziel, m_zugang);
        m_liste = liste.value_or(std::map<std::string, Listeneintrag>{});
        m_ordnerNeu = !liste;
        if (const auto fehler = alleHochladen()) return *fehler;
        return alleEinsetzen();
    }

  private:
    std::optional<Hochladebericht> alleHochladen() {
        bool ordnerNeu = m_ordnerNeu;
        for (const Hochladedatei& datei : m_dateien) {
            if (m_abbrechen && m_abbrechen->load())
                return abbruch("cancelled; nothing changed on the server");
            const std::string neu = datei.name + std::string(NeuEndung);
            if (!m_sitzung.hochladen(neu, datei.bytes, ordnerNeu)) {
                m_hochgeladen.push_back(neu);
                if (m_sitzung.code() == CURLE_ABORTED_BY_CALLBACK)
                    return abbruch("cancelled; nothing changed on the server");
                const std::string grund =
                    m_sitzung.code() == CURLE_QUOTE_ERROR
                        ? "the server refuses to make it readable (" + m_sitzung.fehler() + ")"
                        : m_sitzung.fehler();
                return abbruch(datei.name + " cannot be uploaded: " + grund +
                               "; nothing changed on the server");
            }
            m_hochgeladen.push_back(neu);
            ordnerNeu = false;
        }
        return std::nullopt;
    }

    Hochladebericht abbruch(const std::string& text) {
        aufräumen();
        return {false, m_ziel.anzeige() + ": " + text, std::nullopt};
    }

    // The temporaries that are left, each on its own so that one refused leaves the others.
    void aufräumen() {
        for (const std::string& name : m_hochgeladen) m_sitzung.befehle({m_sitzung.löschen(name)});
        m_hochgeladen.clear();
    }

    // Once the first file takes its name, a cancel would leave a mixed banner on the server: the
    // renames finish whatever the user asks.
    Hochladebericht alleEinsetzen() {
        m_sitzung.abbruchSperren();
        std::vector<std::string> eingesetzt;
        std::vector<std::string> übrig;
        for (const Hochladedatei& datei : m_dateien) übrig.push_back(datei.name);
        for (const Hochladedatei& datei : m_dateien) {
            if (const auto grund = einsetzen(datei.name)) {
                aufräumen();
                return {false,
                        m_ziel.anzeige() + ": " + datei.name + " cannot take its name (" + *grund +
                            "); new on the server: " + namensliste(eingesetzt) + "; as before: " +
                            namensliste(übrig) + ". The same command run again completes it.",
                        std::nullopt};
            }
            eingesetzt.push_back(datei.name);
            std::erase(übrig, datei.name);
            std::erase(m_hochgeladen, datei.name + std::string(NeuEndung));
        }
        return {true, "published " + namensliste(eingesetzt) + " to " + m_ziel.anzeige(),
                std::nullopt};
    }

    // FTP's rename replaces the file; SFTP version 3, as libssh2 speaks it, refuses to rename
    // onto an existing file, so the old file steps aside first and comes back if the rename
    // fails.
    // nullopt when the file took its name, else why not.
    std::optional<std::string> einsetzen(const std::string& name) {
        const std::string neu = name + std::string(NeuEndung);
        const auto vorhanden = m_liste.find(name);
        const bool beiseite =
            m_sitzung.sftp() && vorhanden != m_liste.end() && !vorhanden->second.ordner;
        if (!beiseite) return befehl(m_sitzung.umbenennen(neu, name));
        const std::string alt = name + std::string(AltEndung);
        if (m_liste.contains(alt)) m_sitzung.befehle({m_sitzung.löschen(alt)});
        if (auto grund = befehl(m_sitzung.umbenennen(name, alt))) return grund;
        if (auto grund = befehl(m_sitzung.umbenennen(neu, name))) {
            m_sitzung.befehle({m_sitzung.umbenennen(alt, name)});
            return grund;
        }
        m_sitzung.befehle({m_sitzung.löschen(alt)});
        return std::nullopt;
    }

    std::optional<std::string> befehl(const std::string& text) {
        if (m_sitzung.befehle({text})) return std::nullopt;
        return m_sitzung.fehler();
    }

    const Ziel& m_ziel;
    const Zugang& m_zugang;
    const std::vector<Hochladedatei>& m_dateien;
    const std::atomic<bool>* m_abbrechen;
    Sitzung m_sitzung;
    std::map<std::string, Listeneintrag> m_liste;
    bool m_ordnerNeu = false;
    std::vector<std::string> m_hochgeladen;  // temporaries on the server
};

}  // namespace

std::string Fingerabdruck(std::string_view schlüssel) {
    unsigned char summe[EVP_MAX_MD_SIZE];
    unsigned int länge = 0;
    EVP_Digest(schlüssel.data(), schlüssel.size(), summe, &länge, EVP_sha256(), nullptr);
    std::string text = base64(summe, länge);
    while (!text.empty() && text.back() == '=') text.pop_back();
    return "SHA256:" + text;
}

Hochladebericht Hochladen(const Ziel& ziel, const Zugang& zugang,
                          const std::vector<Hochladedatei>& dateien,
                          const std::atomic<bool>* abbrechen) {
    return Veröffentlichung(ziel, zugang, dateien, abbrechen).ausführen();
}

}  // namespace tafomat
