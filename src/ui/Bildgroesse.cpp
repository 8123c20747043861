// The banner's size as the forum sees it, kept beside the server view's controls.
#include "ui/Bildgroesse.h"

#include <QLocale>

#include "ui/Hinweiszeile.h"

namespace tafomat {

QLabel* BildgrößeAnlegen(QWidget* fenster) {
    auto* label = new QLabel(fenster);
    label->setObjectName(QStringLiteral("Bildgröße"));
    label->setToolTip(
        QStringLiteral("So groß sendet der Server das Bild heute: Breite und Höhe in Pixeln und "
                       "die Dateigröße in der gewählten Bildart und Qualität (1 KB = 1024 Byte). "
                       "Bei Bildern über %1 Pixeln misst erst \"tafomat export --info\" die "
                       "Dateigröße.")
            .arg(QLocale(QLocale::German).toString(GrößteMessfläche)));
    return label;
}

void BannergrößeMelden(Hinweiszeile& hinweis, const Bild& banner,
                       std::optional<std::size_t> bytes) {
    constexpr std::size_t GrößteBannerbytes = 100 * 1024;
    const bool zuGroß = banner.breite() > 500 || banner.höhe() > 150;
    const bool zuSchwer = bytes && *bytes > GrößteBannerbytes;
    if (!zuGroß && !zuSchwer) {
        hinweis.löschen(Hinweisart::Bannergröße);
        return;
    }
    const QString was =
        zuGroß ? QStringLiteral("mit %1 × %2 Pixeln").arg(banner.breite()).arg(banner.höhe())
               : QStringLiteral("mit %1 KB").arg((*bytes + 512) / 1024);
    hinweis.setzen(Hinweisart::Bannergröße,
                   QStringLiteral("Das Banner ist %1 größer, als Foren meist erlauben.").arg(was),
                   QStringLiteral("Das Banner ist %1 größer, als Foren meist erlauben (höchstens "
                                  "500 × 150 Pixel und 100 KB). „Hintergrundbild öffnen“ schneidet "
                                  "ein Foto zum Banner zu.")
                       .arg(was));
}

}  // namespace tafomat
