#include "platform/Dateien.h"

#include <QFile>
#include <QSaveFile>

namespace tafomat {

bool DateiSchreiben(const QString& pfad, std::string_view bytes) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    const auto länge = static_cast<qint64>(bytes.size());
    // A short write can stay in the buffer until commit, which does not report it: flush
    // first, so that a full disk cancels instead of replacing the file with a cut one.
    if (datei.write(bytes.data(), länge) != länge || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

std::optional<std::string> DateiLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError) return std::nullopt;
    return inhalt.toStdString();
}

}  // namespace tafomat
