#include "platform/Dialoge.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "platform/Zuschnittdialog.h"

namespace tafomat {

namespace {

// "jpg" as "[jJ][pP][gG]": the file system's names keep their letter case.
QString inJederSchreibung(const QString& endung) {
    QString muster;
    for (const QChar zeichen : endung) {
        const QChar klein = zeichen.toLower();
        const QChar groß = zeichen.toUpper();
        muster += klein == groß ? QString(zeichen) : QStringLiteral("[%1%2]").arg(klein, groß);
    }
    return muster;
}

QString filter(const QString& art, const QStringList& endungen) {
    QStringList namensmuster;
    for (const QString& e : endungen)
        namensmuster.append(QStringLiteral("*.") + inJederSchreibung(e));
    return QStringLiteral("%1 (%2)").arg(art, namensmuster.join(QLatin1Char(' ')));
}

// "*.php" becomes "PHP-Dateien (*.[pP][hH][pP])". The picture dialog's "*.jpg" lists every
// picture that can become a banner first, JPEG pictures alone second.
QStringList namensfilter(const QString& muster) {
    if (!muster.startsWith(QLatin1String("*."))) return {muster};
    const QString endung = muster.mid(2);
    if (endung.compare(QLatin1String("jpg"), Qt::CaseInsensitive) != 0)
        return {filter(endung.toUpper() + QStringLiteral("-Dateien"), {endung})};
    const QStringList jpeg{endung, QStringLiteral("jpeg")};
    return {filter(QStringLiteral("Bilder"),
                   jpeg + QStringList{QStringLiteral("png"), QStringLiteral("webp"),
                                      QStringLiteral("bmp"), QStringLiteral("gif")}),
            filter(QStringLiteral("JPEG-Bilder"), jpeg)};
}

[[nodiscard]] std::optional<QString> gewählterPfad(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString pfad = dialog.selectedFiles().constFirst();
    if (pfad.isEmpty()) return std::nullopt;
    return pfad;
}

}  // namespace

Antwort Dialoge::Frage(const QString&) {
    return Antwort::Abbrechen;
}

std::optional<QString> Dialoge::OrdnerDialog(const QString&) {
    return std::nullopt;
}

void Dialoge::Über(const QString& text) {
    Meldung(text);
}

std::optional<Zuschnittwahl> Dialoge::BildZuschneiden(const QImage&, bool unverändertErlaubt) {
    if (!unverändertErlaubt) return std::nullopt;
    return Zuschnittwahl{true, {}};
}

void DateiDialogVorbereiten(QFileDialog& dialog, const QString& vorgabe) {
    if (vorgabe.contains(QLatin1Char('*'))) {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(namensfilter(vorgabe));
    } else {
        dialog.selectFile(vorgabe);
    }
}

std::optional<DateiWahl> QtDialoge::DateiDialogÖffnen(const QString& vorgabe) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    DateiDialogVorbereiten(dialog, vorgabe);
    const std::optional<QString> pfad = gewählterPfad(dialog);
    if (!pfad) return std::nullopt;
    return DateiWahl{*pfad, QFileInfo(*pfad).fileName()};
}

std::optional<QString> QtDialoge::DateiDialogSpeichern(const QString& vorgabe) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    DateiDialogVorbereiten(dialog, vorgabe);
    return gewählterPfad(dialog);
}

void QtDialoge::Meldung(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tafomat"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

Antwort QtDialoge::Frage(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tafomat"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.button(QMessageBox::Save)->setText(QStringLiteral("Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Antwort::Speichern;
        case QMessageBox::Discard:
            return Antwort::Verwerfen;
        default:
            return Antwort::Abbrechen;
    }
}

bool DeutscheStandardtexteLaden(QTranslator& übersetzer) {
    return übersetzer.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::optional<QString> QtDialoge::OrdnerDialog(const QString& titel) {
    const QString ordner = QFileDialog::getExistingDirectory(QApplication::activeWindow(), titel);
    if (ordner.isEmpty()) return std::nullopt;
    return ordner;
}

void QtDialoge::Über(const QString& text) {
    QMessageBox::about(QApplication::activeWindow(), QStringLiteral("Über Tafomat"), text);
}

std::optional<Zuschnittwahl> QtDialoge::BildZuschneiden(const QImage& foto,
                                                        bool unverändertErlaubt) {
    Zuschnittdialog dialog(foto, unverändertErlaubt, QApplication::activeWindow());
    const int ergebnis = dialog.exec();
    if (ergebnis == Zuschnittdialog::Unverändert) return Zuschnittwahl{true, {}};
    if (ergebnis != QDialog::Accepted) return std::nullopt;
    return Zuschnittwahl{false, dialog.zuschnitt()};
}

}  // namespace tafomat
