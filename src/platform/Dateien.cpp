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

FileContent DateiLesen(const QString& pfad, std::size_t höchstens) {
    return readRegularFile(QFile::encodeName(pfad).toStdString(), höchstens);
}

}  // namespace tafomat
