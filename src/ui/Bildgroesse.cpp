// The banner's size as the forum sees it, kept beside the server view's controls.
#include "ui/Bildgroesse.h"

#include <QLocale>

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

}  // namespace tafomat
