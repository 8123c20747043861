#include "platform/Anleitung.h"

#include <QDir>
#include <QFileInfo>

namespace tafomat {

std::optional<QString> AnleitungSuchen(const QString& programmordner) {
    const QDir ordner(programmordner);
    for (const QString& ort :
         {QStringLiteral("anleitung.md"), QStringLiteral("../share/tafomat/anleitung.md")}) {
        const QFileInfo datei(ordner.filePath(ort));
        if (datei.isFile()) return datei.canonicalFilePath();
    }
    return std::nullopt;
}

}  // namespace tafomat
