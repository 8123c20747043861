#include "platform/Dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "settings/Einstellungen.h"

namespace tafomat {

namespace {

// Told apart after the failure by what the path is, since the save file's own error is one for
// all of them.
WriteFailure grundVon(const QString& pfad, const QString& systemtext) {
    const QFileInfo datei(pfad);
    const QString ordner = datei.absolutePath();
    const QFileInfo ordnerInfo(ordner);
    using Reason = WriteFailure::Reason;
    if (datei.isDir()) return {Reason::IsFolder, ordner, {}};
    if (!ordnerInfo.isDir()) return {Reason::FolderMissing, ordner, {}};
    const QByteArray name = QFile::encodeName(ordner);
    if (::access(name.constData(), W_OK | X_OK) != 0 || (datei.exists() && !datei.isWritable()))
        return {Reason::NoAccess, ordner, {}};
    return {Reason::WriteError, ordner, systemtext};
}

}  // namespace

std::optional<WriteFailure> saveFile(const QString& pfad, std::string_view bytes) {
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

bool writeFile(const QString& pfad, std::string_view bytes) {
    return !saveFile(pfad, bytes);
}

FileContent readFile(const QString& pfad, std::size_t höchstens) {
    return readRegularFile(QFile::encodeName(pfad).toStdString(), höchstens);
}

bool istEinstellungenName(const QString& pfad) {
    if (pfad.endsWith(QLatin1String(".txt"))) return true;
    const QFileInfo datei(pfad);
    return pfad.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) && datei.exists() &&
           !datei.isDir();
}

QString Einstellungsdatei(const QString& pfad) {
    // The name rule looks only at the ASCII ending, so the UTF-8 path passes unchanged.
    return istEinstellungenName(pfad)
               ? pfad
               : QString::fromStdString(EinstellungenDateiname(pfad.toStdString()));
}

}  // namespace tafomat
