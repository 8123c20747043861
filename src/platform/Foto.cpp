#include "platform/Foto.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace tafomat {

namespace {

// The scaled photo itself stays under GrößteFotofläche; the decoder's own buffers for a large
// photo need more than Qt's default of 128 MB.
constexpr int Speichergrenze = 1024;

QSize gelesenGröße(QSize gespeichert) {
    const qint64 fläche = qint64(gespeichert.width()) * gespeichert.height();
    if (fläche <= GrößteFotofläche) return gespeichert;
    const double faktor = std::sqrt(double(GrößteFotofläche) / double(fläche));
    return QSize(std::max(1, int(gespeichert.width() * faktor)),
                 std::max(1, int(gespeichert.height() * faktor)));
}

}  // namespace

std::optional<QImage> FotoLesen(const QString& pfad) {
    QImageReader leser(pfad);
    leser.setAllocationLimit(Speichergrenze);
    leser.setAutoTransform(true);
    const QSize gespeichert = leser.size();
    if (!gespeichert.isValid()) return std::nullopt;
    const QSize gelesen = gelesenGröße(gespeichert);
    if (gelesen != gespeichert) leser.setScaledSize(gelesen);
    QImage bild = leser.read();
    if (bild.isNull()) return std::nullopt;
    return bild;
}

bool istJpeg(const QString& pfad) {
    return QImageReader(pfad).format() == "jpeg";
}

bool istBannerJpeg(const QString& pfad) {
    QImageReader leser(pfad);
    if (leser.format() != "jpeg") return false;
    const QSize größe = leser.size();
    return größe.isValid() && größe.width() <= GrößtesBanner.width() &&
           größe.height() <= GrößtesBanner.height();
}

QImage BannerMachen(const QImage& foto, const Zuschnitt& zuschnitt) {
    const QImage teil = foto.copy(zuschnitt.ausschnitt);
    QImage banner(zuschnitt.größe, QImage::Format_RGB32);
    banner.fill(Qt::white);
    QPainter maler(&banner);
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRect(QPoint(0, 0), zuschnitt.größe),
                    teil.scaled(zuschnitt.größe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return banner;
}

bool JpegSchreiben(const QImage& bild, int qualität, const QString& pfad) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    QImageWriter schreiber(&datei, "jpeg");
    schreiber.setQuality(qualität);
    if (!schreiber.write(bild)) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

}  // namespace tafomat
