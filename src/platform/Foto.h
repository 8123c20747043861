#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace tafomat {

// The most pixels a photo keeps once read: a larger one is scaled down while it is read, so
// that a 50-megapixel photo needs no more memory than a 16-megapixel one. A banner is a small
// part of it, so nothing it shows is lost.
inline constexpr qint64 GrößteFotofläche = 4096LL * 4096;

// A forum's banner: at most this wide and high.
inline constexpr QSize GrößtesBanner(500, 150);

// Any picture Qt reads (JPEG, PNG, WebP, BMP, GIF), turned as its EXIF orientation says and
// scaled while reading to at most GrößteFotofläche pixels; nullopt when it cannot be read.
std::optional<QImage> FotoLesen(const QString& pfad);

// Whether the file is a JPEG picture, and one no larger than a banner, read from its header alone.
bool istJpeg(const QString& pfad);
bool istBannerJpeg(const QString& pfad);

// What the crop dialog chose: a part of the photo, in the photo's pixels as FotoLesen gives
// them, scaled to the banner's size and written with this JPEG quality.
struct Zuschnitt {
    QRect ausschnitt;
    QSize größe;
    int qualität = 85;
};

// The part of the photo scaled smoothly to the banner's size, on white where the photo is
// transparent.
QImage BannerMachen(const QImage& foto, const Zuschnitt& zuschnitt);

// Writes the picture as JPEG all or nothing: a file of that name stays as it was when the
// writing fails. False on failure.
bool JpegSchreiben(const QImage& bild, int qualität, const QString& pfad);

}  // namespace tafomat
