#include "ui/Feldmarke.h"

namespace tafomat {

namespace {

constexpr double RotAnteil = 0.35;
const QColor Rot(220, 0, 0);

QColor mischen(const QColor& grund, const QColor& farbe, double anteil) {
    const auto mitte = [anteil](int a, int b) {
        return static_cast<int>(a * (1 - anteil) + b * anteil + 0.5);
    };
    return QColor(mitte(grund.red(), farbe.red()), mitte(grund.green(), farbe.green()),
                  mitte(grund.blue(), farbe.blue()));
}

}  // namespace

void feldMarkieren(QWidget* feld, bool unlesbar, const QString& grund, const QString& eigenerTipp) {
    if (unlesbar != istMarkiert(feld)) {
        QPalette palette;  // what is not set here comes from the window: unmarked, all of it
        if (unlesbar) {
            const QColor grund = feld->parentWidget()->palette().color(QPalette::Base);
            palette.setColor(QPalette::Base, mischen(grund, Rot, RotAnteil));
        }
        feld->setPalette(palette);
        feld->setProperty("unlesbar", unlesbar);
    }
    QStringList tipp;
    if (!grund.isEmpty()) tipp.append(grund);
    if (!eigenerTipp.isEmpty()) tipp.append(eigenerTipp);
    feld->setToolTip(tipp.join(QStringLiteral("\n\n")));
}

bool istMarkiert(const QWidget* feld) {
    return feld->property("unlesbar").toBool();
}

}  // namespace tafomat
