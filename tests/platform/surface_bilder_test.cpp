// Damaged and oversized background pictures: refused or shown, never a crash, within a second.
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/QtSurface.h"
#include "platform/QtText.h"

namespace tafomat {
namespace {

QByteArray jpeg(QSize groesse) {
    QImage bild(groesse, QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "JPEG", 90);
    return bytes;
}

// A small JPEG whose frame header claims 20000 x 20000 pixels.
QByteArray riesenJpeg() {
    QByteArray bytes = jpeg(QSize(16, 16));
    const int rahmen = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (rahmen < 0) return {};
    for (const int stelle : {rahmen + 5, rahmen + 7}) {  // height, then width, big-endian
        bytes[stelle] = static_cast<char>(20000 >> 8);
        bytes[stelle + 1] = static_cast<char>(20000 & 0xFF);
    }
    return bytes;
}

QByteArray pngBytes() {
    QImage bild(30, 20, QImage::Format_RGB32);
    bild.fill(Qt::red);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return bytes;
}

struct Bilddatei {
    const char* name;
    QByteArray inhalt;
    bool angenommen;  // false: refused, the preview unchanged
    QSize groesse;    // when taken
};

class Bilder : public ::testing::TestWithParam<Bilddatei> {};

TEST_P(Bilder, AreRefusedOrShownWithinASecond) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("bild.jpg"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(GetParam().inhalt);
    datei.close();

    QtSurface flaeche;
    const QImage vorher = flaeche.image();
    QElapsedTimer uhr;
    uhr.start();
    const bool geladen = flaeche.loadBackground(toCp1252(pfad));
    flaeche.clear();
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_EQ(geladen, GetParam().angenommen);
    if (geladen) {
        EXPECT_EQ(flaeche.image().size(), GetParam().groesse);
    } else {
        EXPECT_EQ(flaeche.image(), vorher);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hintergrund, Bilder,
    ::testing::Values(
        // libjpeg draws what arrived and fills the rest: the picture still has its size.
        Bilddatei{"TruncatedJpeg", jpeg(QSize(200, 100)).left(jpeg(QSize(200, 100)).size() / 2),
                  true, QSize(200, 100)},
        Bilddatei{"JpegCutInItsHeader", jpeg(QSize(200, 100)).left(40), false, {}},
        Bilddatei{"PngNamedJpg", pngBytes(), false, {}},
        Bilddatei{"ZeroBytes", QByteArray(), false, {}},
        Bilddatei{"TwentyThousandSquare", riesenJpeg(), false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tafomat
