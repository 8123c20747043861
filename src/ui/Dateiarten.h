#pragma once

#include <QFileInfo>
#include <QString>

namespace tafomat {

// Photos are often named .JPG or .jpeg; the picture is read by its content anyway.
inline bool istJpegName(const QString& pfad) {
    return pfad.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           pfad.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

// A name that the settings reader opens as it is, without appending ".txt": one that ends in
// exactly ".txt", and a file that exists under a name ending in ".txt" in any letter case.
inline bool istEinstellungenName(const QString& pfad) {
    if (pfad.endsWith(QLatin1String(".txt"))) return true;
    const QFileInfo datei(pfad);
    return pfad.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) && datei.exists() &&
           !datei.isDir();
}

}  // namespace tafomat
