#include "app/Veroeffentlichen.h"

#include <QDir>
#include <QFile>

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/Export.h"
#include "files/RegularFile.h"
#include "platform/QtText.h"
#include "publish/Abruf.h"
#include "publish/Hochladen.h"
#include "publish/Pruefung.h"
#include "publish/Ziel.h"

namespace tafomat {

namespace {

constexpr std::size_t GrößteNetrc = 1 << 20;

void melden(const std::string& text) {
    std::fprintf(stderr, "tafomat: %s\n", text.c_str());
}

int eingabefehler(const std::string& text) {
    melden(text);
    return ExitFehlerEingabe;
}

std::string pfad(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

std::string heimdatei(const char* name) {
    return pfad(QDir::home().filePath(QString::fromLatin1(name)));
}

// "Usage: tafomat publish DESIGN.txt --to URL [--url ADDRESS] ..."
QString aufruf(const char* befehl, const QList<QCommandLineOption>& optionen) {
    QString zeile = QStringLiteral("Usage: tafomat %1 DESIGN.txt").arg(QLatin1String(befehl));
    for (const QCommandLineOption& option : optionen)
        zeile += QStringLiteral(" [--%1 %2]").arg(option.names().constFirst(), option.valueName());
    return zeile;
}

struct Optionen {
    QCommandLineOption ziel{QStringLiteral("to"),
                            QStringLiteral("Upload to sftp://USER@HOST[:PORT]/FOLDER/, "
                                           "ftps://... (explicit TLS) or ftp://..."),
                            QStringLiteral("URL")};
    QCommandLineOption adresse{QStringLiteral("url"),
                               QStringLiteral("The banner's public address, to check."),
                               QStringLiteral("ADDRESS")};
    QCommandLineOption netrc{QStringLiteral("netrc"),
                             QStringLiteral("The netrc file with the password (~/.netrc)."),
                             QStringLiteral("FILE")};
    QCommandLineOption schlüssel{QStringLiteral("key"),
                                 QStringLiteral("SFTP: the private key; KEY.pub beside it."),
                                 QStringLiteral("FILE")};
    QCommandLineOption knownHosts{QStringLiteral("known-hosts"),
                                  QStringLiteral("SFTP: the known host keys (~/.ssh/known_hosts)."),
                                  QStringLiteral("FILE")};
    QCommandLineOption annehmen{
        QStringLiteral("accept-host-key"),
        QStringLiteral("SFTP: accept the host key of this fingerprint and add it."),
        QStringLiteral("SHA256:...")};
    QCommandLineOption cacert{QStringLiteral("cacert"),
                              QStringLiteral("Certificate authorities besides the system's."),
                              QStringLiteral("FILE")};
    QCommandLineOption art{QStringLiteral("type"),
                           QStringLiteral("Picture type the script sends: jpeg, png or gif."),
                           QStringLiteral("TYPE"), QStringLiteral("jpeg")};
    QCommandLineOption qualität{QStringLiteral("quality"),
                                QStringLiteral("Quality (jpeg 0-100) or compression (png 0-9)."),
                                QStringLiteral("Q")};
};

// The design file, after the options are parsed; nullopt after the message.
std::optional<QString> lesen(QCommandLineParser& parser, const QStringList& argumente,
                             const char* befehl, const QList<QCommandLineOption>& optionen) {
    parser.addOptions(optionen);
    parser.clearPositionalArguments();
    parser.addPositionalArgument(QLatin1String(befehl), QStringLiteral("The command."));
    parser.addPositionalArgument(QStringLiteral("DESIGN.txt"),
                                 QStringLiteral("The settings file of the design."));
    const QString zeile = aufruf(befehl, optionen);
    if (!parser.parse(argumente)) {
        eingabefehler(parser.errorText().toStdString());
        std::fprintf(stderr, "%s\n", zeile.toLocal8Bit().constData());
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.positionalArguments().size() != 2) {
        eingabefehler(std::string(befehl) + " takes exactly one design file");
        std::fprintf(stderr, "%s\n", zeile.toLocal8Bit().constData());
        return std::nullopt;
    }
    return parser.positionalArguments().at(1);
}

Exportauftrag auftragFür(const QString& design, const QCommandLineParser& parser,
                         const Optionen& o) {
    Exportauftrag auftrag;
    auftrag.design = design;
    auftrag.art = parser.value(o.art);
    if (parser.isSet(o.qualität)) auftrag.qualität = parser.value(o.qualität);
    return auftrag;
}

std::optional<std::string> adresseLesen(const QCommandLineParser& parser, const Optionen& o) {
    const std::string adresse = parser.value(o.adresse).toStdString();
    if (adresse.starts_with("http://") || adresse.starts_with("https://")) return adresse;
    eingabefehler("--url: " + adresse + " is no http:// or https:// address");
    return std::nullopt;
}

bool dateiLesbar(const std::string& datei, std::size_t größte, std::string* inhalt = nullptr) {
    FileContent gelesen = readRegularFile(datei, größte);
    if (gelesen.failure) return false;
    if (inhalt) *inhalt = std::move(gelesen.bytes);
    return true;
}

// Asks on the terminal without echo. Empty when the input is none.
std::optional<std::string> passwortFragen(const Ziel& ziel) {
    if (!::isatty(STDIN_FILENO)) return std::nullopt;
    // The echo goes off before the prompt shows: nothing typed after it may be echoed or lost.
    termios alt{};
    const bool still = ::tcgetattr(STDIN_FILENO, &alt) == 0;
    if (still) {
        termios neu = alt;
        neu.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &neu);
    }
    std::fprintf(stderr, "Password for %s@%s: ", ziel.benutzer.c_str(), ziel.host.c_str());
    std::fflush(stderr);
    std::string passwort;
    for (int zeichen; (zeichen = std::fgetc(stdin)) != EOF && zeichen != '\n';)
        passwort += static_cast<char>(zeichen);
    if (still) ::tcsetattr(STDIN_FILENO, TCSANOW, &alt);
    std::fputc('\n', stderr);
    return passwort;
}

// The key's two files must be a key, checked before any connection.
std::optional<std::string> schlüsselPrüfen(const std::string& datei) {
    std::string privat;
    std::string öffentlich;
    if (!dateiLesbar(datei, 1 << 20, &privat)) return datei + " cannot be read";
    if (privat.find("-----BEGIN ") == std::string::npos ||
        privat.find("PRIVATE KEY-----") == std::string::npos)
        return datei + " is no private key";
    if (!dateiLesbar(datei + ".pub", 1 << 20, &öffentlich))
        return datei + ".pub, the public key beside it, cannot be read";
    if (!öffentlich.starts_with("ssh-") && !öffentlich.starts_with("ecdsa-"))
        return datei + ".pub is no public key";
    return std::nullopt;
}

// Everything about the login and the server's proof that can be decided before connecting;
// the password itself is asked for last.
class Anmeldung {
  public:
    Anmeldung(const QCommandLineParser& parser, const Optionen& o, const Ziel& ziel)
        : m_parser(parser), m_o(o), m_ziel(ziel) {}

    std::optional<std::string> prüfen() {
        if (const auto fehler = netrcLesen()) return fehler;
        m_zugang.knownHosts = m_parser.isSet(m_o.knownHosts) ? pfad(m_parser.value(m_o.knownHosts))
                                                             : heimdatei(".ssh/known_hosts");
        if (m_parser.isSet(m_o.annehmen)) {
            m_zugang.annehmen = m_parser.value(m_o.annehmen).toStdString();
            if (!m_zugang.annehmen->starts_with("SHA256:") || m_zugang.annehmen->size() != 50)
                return "--accept-host-key: " + *m_zugang.annehmen +
                       " is no fingerprint SHA256:... as the refusal printed it";
        }
        if (m_parser.isSet(m_o.schlüssel)) {
            if (m_ziel.protokoll != Protokoll::Sftp) return "--key: only SFTP logs in by a key";
            m_zugang.schlüssel = pfad(m_parser.value(m_o.schlüssel));
            if (const auto fehler = schlüsselPrüfen(*m_zugang.schlüssel))
                return "--key: " + *fehler;
        }
        if (m_parser.isSet(m_o.cacert)) {
            m_zugang.cacert = pfad(m_parser.value(m_o.cacert));
            if (!dateiLesbar(*m_zugang.cacert, 16 << 20))
                return "--cacert: " + *m_zugang.cacert + " cannot be read";
        }
        if (!m_zugang.passwort && !ohnePasswortMöglich() && !::isatty(STDIN_FILENO))
            return "no password for " + m_ziel.benutzer + "@" + m_ziel.host +
                   ": put it into ~/.netrc (or --netrc FILE), or run on a terminal";
        return std::nullopt;
    }

    // The prompt, where no file gave the password and a terminal is there.
    Zugang& zugang() {
        if (!m_zugang.passwort && !ohnePasswortMöglich())
            m_zugang.passwort = passwortFragen(m_ziel);
        return m_zugang;
    }

  private:
    bool ohnePasswortMöglich() const {
        return m_ziel.protokoll == Protokoll::Sftp &&
               (m_zugang.schlüssel || !qEnvironmentVariableIsEmpty("SSH_AUTH_SOCK"));
    }

    std::optional<std::string> netrcLesen() {
        const bool genannt = m_parser.isSet(m_o.netrc);
        const std::string datei = genannt ? pfad(m_parser.value(m_o.netrc)) : heimdatei(".netrc");
        std::string inhalt;
        if (!dateiLesbar(datei, GrößteNetrc, &inhalt))
            return genannt ? std::optional("--netrc: " + datei + " cannot be read") : std::nullopt;
        m_zugang.passwort = NetrcPasswort(inhalt, m_ziel.host, m_ziel.benutzer);
        std::fill(inhalt.begin(), inhalt.end(), '\0');
        if (genannt && !m_zugang.passwort)
            return "--netrc: " + datei + " has no password for machine " + m_ziel.host + " login " +
                   m_ziel.benutzer;
        return std::nullopt;
    }

    const QCommandLineParser& m_parser;
    const Optionen& m_o;
    const Ziel& m_ziel;
    Zugang m_zugang;
};

int adresseprüfen(const Entwurf& entwurf, const std::string& adresse,
                  const std::optional<std::string>& cacert) {
    const Prüfergebnis ergebnis =
        AbrufPrüfen(Abrufen(adresse, cacert), DesignErwartung(entwurf.felder, entwurf.vorschau));
    std::printf("%s: %s\n", adresse.c_str(), ergebnis.zeile.c_str());
    return ergebnis.status;
}

int hochladen(const Entwurf& entwurf, const Ziel& ziel, Anmeldung& anmeldung) {
    // The picture and the font first, the script last: until the script takes its name, the
    // previous banner stays whole.
    const std::vector<Hochladedatei> dateien{
        {entwurf.paket.bild.name, entwurf.paket.bild.bytes},
        {entwurf.paket.schrift.name, entwurf.paket.schrift.bytes},
        {entwurf.paket.skript.name, entwurf.paket.skript.bytes}};
    Zugang& zugang = anmeldung.zugang();
    const Hochladebericht bericht = Hochladen(ziel, zugang, dateien);
    if (zugang.passwort) std::fill(zugang.passwort->begin(), zugang.passwort->end(), '\0');
    if (!bericht.erfolg) {
        melden(bericht.meldung);
        return ExitFehlerSchreiben;
    }
    std::printf("%s\n", bericht.meldung.c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace

int Veröffentlichen(QCommandLineParser& parser, const QStringList& argumente) {
    const Optionen o;
    const auto design = lesen(parser, argumente, "publish",
                              {o.ziel, o.adresse, o.netrc, o.schlüssel, o.knownHosts, o.annehmen,
                               o.cacert, o.art, o.qualität});
    if (!design) return ExitFehlerEingabe;
    if (!parser.isSet(o.ziel)) return eingabefehler("publish: --to URL names no target");
    const auto gelesen = ZielLesen(parser.value(o.ziel).toStdString());
    if (const auto* fehler = std::get_if<std::string>(&gelesen))
        return eingabefehler("--to: " + *fehler);
    const Ziel ziel = std::get<Ziel>(gelesen);
    std::optional<std::string> adresse;
    if (parser.isSet(o.adresse) && !(adresse = adresseLesen(parser, o))) return ExitFehlerEingabe;
    Anmeldung anmeldung(parser, o, ziel);
    if (const auto fehler = anmeldung.prüfen()) return eingabefehler(*fehler);
    if (ziel.protokoll == Protokoll::Ftp)
        melden(
            "warning: ftp:// sends the password unencrypted; use ftps:// or sftp:// where the "
            "host offers it");
    Exportauftrag auftrag = auftragFür(*design, parser, o);
    const std::optional<std::string> cacert =
        parser.isSet(o.cacert) ? std::optional(pfad(parser.value(o.cacert))) : std::nullopt;
    auftrag.weiter = [&](const Entwurf& entwurf) {
        if (const int status = hochladen(entwurf, ziel, anmeldung)) return status;
        return adresse ? adresseprüfen(entwurf, *adresse, cacert) : 0;
    };
    return Exportieren(auftrag);
}

int Prüfen(QCommandLineParser& parser, const QStringList& argumente) {
    const Optionen o;
    const auto design = lesen(parser, argumente, "check", {o.adresse, o.cacert, o.art, o.qualität});
    if (!design) return ExitFehlerEingabe;
    if (!parser.isSet(o.adresse)) return eingabefehler("check: --url ADDRESS names no address");
    const std::optional<std::string> adresse = adresseLesen(parser, o);
    if (!adresse) return ExitFehlerEingabe;
    std::optional<std::string> cacert;
    if (parser.isSet(o.cacert)) {
        cacert = pfad(parser.value(o.cacert));
        if (!dateiLesbar(*cacert, 16 << 20))
            return eingabefehler("--cacert: " + *cacert + " cannot be read");
    }
    Exportauftrag auftrag = auftragFür(*design, parser, o);
    auftrag.weiter = [&](const Entwurf& entwurf) {
        return adresseprüfen(entwurf, *adresse, cacert);
    };
    return Exportieren(auftrag);
}

}  // namespace tafomat
