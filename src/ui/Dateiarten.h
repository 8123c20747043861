#pragma once

#include <QString>

namespace tafomat {

// Photos are often named .JPG or .jpeg; the picture is read by its content anyway.
inline bool istJpegName(const QString& pfad) {
    return pfad.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           pfad.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

// Pictures that the crop dialog turns into a banner, by the names they commonly have.
inline bool istBildName(const QString& pfad) {
    for (const char* endung : {".png", ".webp", ".bmp", ".gif"}) {
        if (pfad.endsWith(QLatin1String(endung), Qt::CaseInsensitive)) return true;
    }
    return istJpegName(pfad);
}

}  // namespace tafomat
