// The banner's size as the forum sees it, kept beside the server view's controls.
#include "ui/Bildgroesse.h"

#include <QLocale>

#include "platform/QtText.h"
#include "render/Sendegroesse.h"
#include "ui/MainWindow.h"

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

// Without a script there is no banner to measure, nor with a type or quality no script takes.
void MainWindow::BildgrößeZeigen() {
    const Bild& hintergrund = m_vorschau.hintergrund();
    if (!BildgrößeMessbar(hintergrund)) {
        m_s.Bildgröße->setText(toQString(Pixelgröße(hintergrund.breite(), hintergrund.höhe())) +
                               QStringLiteral(" (KB nicht gemessen)"));
        return;
    }
    const std::optional<Bildausgabe> ausgabe = BildausgabeLesen(m_felder);
    if (!m_serverGezeichnet || !ausgabe) {
        m_s.Bildgröße->clear();
        return;
    }
    m_s.Bildgröße->setText(toQString(Sendegröße(m_serverBild.bild(), *ausgabe)));
}

}  // namespace tafomat
