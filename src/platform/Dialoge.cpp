#include "platform/Dialoge.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tafomat {

namespace {

struct Vorbelegung {
    QString name;
    QString muster;
};

Vorbelegung vorbelegung(const QString& vorgabe) {
    if (vorgabe.contains(QLatin1Char('*'))) return {QString(), vorgabe};
    return {vorgabe, QString()};
}

}  // namespace

std::optional<DateiWahl> QtDialoge::DateiDialogÖffnen(const QString& vorgabe) {
    const auto [name, muster] = vorbelegung(vorgabe);
    const QString pfad =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), name, muster);
    if (pfad.isEmpty()) return std::nullopt;
    return DateiWahl{pfad, QFileInfo(pfad).fileName()};
}

std::optional<QString> QtDialoge::DateiDialogSpeichern(const QString& vorgabe) {
    const auto [name, muster] = vorbelegung(vorgabe);
    const QString pfad =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), name, muster);
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

void QtDialoge::Meldung(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tafomat"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace tafomat
