#include "publish/Abruf.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>

namespace tafomat {

namespace {

constexpr long VerbindungsSekunden = 15;
constexpr long AbrufSekunden = 60;

struct Empfang {
    Abruf& abruf;
    const std::atomic<bool>* abbrechen;
    bool zuGroß = false;
};

int weiterMachen(void* empfang, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* abbrechen = static_cast<Empfang*>(empfang)->abbrechen;
    return abbrechen && abbrechen->load() ? 1 : 0;
}

size_t inhaltNehmen(char* daten, size_t größe, size_t anzahl, void* ziel) {
    auto& empfang = *static_cast<Empfang*>(ziel);
    if (empfang.abruf.inhalt.size() + größe * anzahl > GrößteAntwort) {
        empfang.zuGroß = true;
        return 0;
    }
    empfang.abruf.inhalt.append(daten, größe * anzahl);
    return größe * anzahl;
}

// A new status line begins the headers of a new answer (after a 100 Continue, say).
size_t kopfNehmen(char* daten, size_t größe, size_t anzahl, void* ziel) {
    auto& abruf = static_cast<Empfang*>(ziel)->abruf;
    std::string zeile(daten, größe * anzahl);
    while (!zeile.empty() && (zeile.back() == '\n' || zeile.back() == '\r')) zeile.pop_back();
    if (zeile.starts_with("HTTP/")) abruf.kopf.clear();
    const std::size_t doppelpunkt = zeile.find(':');
    if (doppelpunkt == std::string::npos) return größe * anzahl;
    std::string name = zeile.substr(0, doppelpunkt);
    std::ranges::transform(name, name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string wert = zeile.substr(doppelpunkt + 1);
    wert.erase(0, std::min(wert.find_first_not_of(" \t"), wert.size()));
    abruf.kopf[name] = wert;
    return größe * anzahl;
}

// One request, no redirect followed; the next address when the answer is a redirect.
std::optional<std::string> einmal(CURL* curl, const std::string& adresse,
                                  const std::optional<std::string>& cacert, Abruf& abruf,
                                  const std::atomic<bool>* abbrechen) {
    char puffer[CURL_ERROR_SIZE] = {};
    Empfang empfang{abruf, abbrechen};
    abruf.inhalt.clear();
    abruf.kopf.clear();
    curl_slist* kopfzeilen = curl_slist_append(nullptr, "Cache-Control: no-cache");
    kopfzeilen = curl_slist_append(kopfzeilen, "Pragma: no-cache");
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, adresse.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, puffer);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, kopfzeilen);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Tafomat");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, VerbindungsSekunden);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, AbrufSekunden);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(GrößteAntwort));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &inhaltNehmen);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &empfang);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &kopfNehmen);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &empfang);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &weiterMachen);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &empfang);
    if (cacert) curl_easy_setopt(curl, CURLOPT_CAINFO, cacert->c_str());
    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(kopfzeilen);
    if (empfang.zuGroß || code == CURLE_FILESIZE_EXCEEDED) {
        abruf.fehler = "it sends more than " + std::to_string(GrößteAntwort >> 20) + " MB";
        return std::nullopt;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        abruf.fehler = "cancelled";
        return std::nullopt;
    }
    if (code == CURLE_OPERATION_TIMEDOUT) {
        abruf.fehler = "the server does not answer in time";
        return std::nullopt;
    }
    if (code != CURLE_OK) {
        abruf.fehler = puffer[0] ? puffer : curl_easy_strerror(code);
        return std::nullopt;
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    abruf.status = static_cast<int>(status);
    char* weiter = nullptr;
    curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &weiter);
    if (status >= 300 && status < 400 && weiter) return std::string(weiter);
    return std::nullopt;
}

}  // namespace

Abruf Abrufen(const std::string& adresse, const std::optional<std::string>& cacert,
              const std::atomic<bool>* abbrechen) {
    Abruf abruf;
    CURL* curl = curl_easy_init();
    if (!curl) {
        abruf.fehler = "curl cannot start";
        return abruf;
    }
    std::optional<std::string> nächste = einmal(curl, adresse, cacert, abruf, abbrechen);
    while (nächste && !abruf.fehler) {
        abruf.umleitungen.push_back(*nächste);
        if (abruf.umleitungen.size() > MeisteUmleitungen) {
            abruf.fehler = "more than " + std::to_string(MeisteUmleitungen) + " redirects";
            break;
        }
        nächste = einmal(curl, *nächste, cacert, abruf, abbrechen);
    }
    curl_easy_cleanup(curl);
    return abruf;
}

}  // namespace tafomat
