#include "platform/Dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace tafomat {

namespace {

// Told apart after the failure by what the path is, since the save file's own error is one for
// all of them.
Schreibfehler grundVon(const QString& pfad, const QString& systemtext) {
    const QFileInfo datei(pfad);
    const QString ordner = datei.absolutePath();
    const QFileInfo ordnerInfo(ordner);
    using Grund = Schreibfehler::Grund;
    if (datei.isDir()) return {Grund::IstOrdner, ordner, {}};
    if (!ordnerInfo.isDir()) return {Grund::OrdnerFehlt, ordner, {}};
    const QByteArray name = QFile::encodeName(ordner);
    if (::access(name.constData(), W_OK | X_OK) != 0 || (datei.exists() && !datei.isWritable()))
        return {Grund::KeinZugriff, ordner, {}};
    return {Grund::Schreiben, ordner, systemtext};
}

}  // namespace

std::optional<Schreibfehler> DateiSpeichern(const QString& pfad, std::string_view bytes) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return grundVon(pfad, datei.errorString());
    const auto länge = static_cast<qint64>(bytes.size());
    // A short write can stay in the buffer until commit, which does not report it: flush
    // first, so that a full disk cancels instead of replacing the file with a cut one.
    if (datei.write(bytes.data(), länge) != länge || !datei.flush()) {
        const QString systemtext = datei.errorString();
        datei.cancelWriting();
        return grundVon(pfad, systemtext);
    }
    if (!datei.commit()) return grundVon(pfad, datei.errorString());
    return std::nullopt;
}

bool DateiSchreiben(const QString& pfad, std::string_view bytes) {
    return !DateiSpeichern(pfad, bytes);
}

namespace {

std::string imOrdner(const QString& ordner, const std::string& name) {
    return QFile::encodeName(ordner).toStdString() + "/" + name;
}

bool allesSchreiben(int datei, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t geschrieben = ::write(datei, bytes.data(), bytes.size());
        if (geschrieben < 0 && errno == EINTR) continue;
        if (geschrieben <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(geschrieben));
    }
    return true;
}

}  // namespace

bool DateiInOrdnerSchreiben(const QString& ordner, const std::string& name,
                            std::string_view bytes) {
    const std::string ziel = imOrdner(ordner, name);
    std::string neu = ziel + ".tafomat-XXXXXX";
    const int datei = ::mkstemp(neu.data());
    if (datei < 0) return false;
    const bool geschrieben = allesSchreiben(datei, bytes) && ::fchmod(datei, 0644) == 0;
    // rename replaces the name itself, also a link, and never leaves half a file under it.
    if (::close(datei) == 0 && geschrieben && ::rename(neu.c_str(), ziel.c_str()) == 0) return true;
    ::unlink(neu.c_str());
    return false;
}

bool ImOrdnerVorhanden(const QString& ordner, const std::string& name) {
    struct stat angaben {};
    return ::lstat(imOrdner(ordner, name).c_str(), &angaben) == 0;
}

FileContent DateiLesen(const QString& pfad, std::size_t höchstens) {
    return readRegularFile(QFile::encodeName(pfad).toStdString(), höchstens);
}

}  // namespace tafomat
