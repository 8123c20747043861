#pragma once

#include <QString>

namespace tafomat {

// Photos are often named .JPG or .jpeg; the picture is read by its content anyway.
inline bool istJpegName(const QString& pfad) {
    return pfad.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           pfad.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

}  // namespace tafomat
