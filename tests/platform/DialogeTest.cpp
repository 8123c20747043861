#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Dialoge.h"

namespace tafomat {
namespace {

QStringList knopftexte(const QList<QAbstractButton*>& knöpfe) {
    QStringList texte;
    for (const QAbstractButton* knopf : knöpfe) texte.append(knopf->text());
    texte.sort();
    return texte;
}

TEST(Dialoge, TheStandardDialogsSpeakGerman) {
    QTranslator deutsch;
    ASSERT_TRUE(DeutscheStandardtexteLaden(deutsch));
    ASSERT_TRUE(QCoreApplication::installTranslator(&deutsch));

    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Tafomat"), QString(),
        QMessageBox::Ok | QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    EXPECT_EQ(knopftexte(box.buttons()),
              QStringList({QStringLiteral("Abbrechen"), QStringLiteral("OK"),
                           QStringLiteral("Speichern"), QStringLiteral("Verwerfen")}));

    const std::pair<QFileDialog::AcceptMode, const char*> arten[] = {
        {QFileDialog::AcceptOpen, "Öffnen"}, {QFileDialog::AcceptSave, "Speichern unter"}};
    for (const auto& [art, titel] : arten) {
        SCOPED_TRACE(titel);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(art);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(titel));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
                  QStringLiteral("Datei&name:"));
        EXPECT_TRUE(knopftexte(dialog.findChildren<QAbstractButton*>())
                        .contains(QStringLiteral("Abbrechen")));
    }
    QCoreApplication::removeTranslator(&deutsch);
}

// A pattern lists the files of its extension in any letter case; the picture dialog's
// "*.jpg" lists ".jpeg" files too.
TEST(Dialoge, APatternListsItsExtensionInAnyCase) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg", "e.png", "f.jpg.txt", "g.php",
                             "h.PHP", "jpg", "Tafomat.txt"}) {
        QFile datei(ordner.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    const std::pair<const char*, QStringList> fälle[] = {
        {"*.jpg", {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg"}},
        {"*.php", {"g.php", "h.PHP"}},
    };
    for (const auto& [muster, erwartet] : fälle) {
        SCOPED_TRACE(muster);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        DateiDialogVorbereiten(dialog, QString::fromLatin1(muster));
        dialog.setDirectory(ordner.path());
        auto* modell = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(modell, nullptr);
        const QModelIndex wurzel = modell->index(ordner.path());
        QStringList gezeigt;
        // The model reads the folder in the background.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                gezeigt.clear();
                for (int zeile = 0; zeile < modell->rowCount(wurzel); ++zeile)
                    gezeigt.append(modell->index(zeile, 0, wurzel).data().toString());
                return gezeigt.size() >= erwartet.size();
            },
            5000));
        gezeigt.sort();
        EXPECT_EQ(gezeigt, erwartet);
    }
}

}  // namespace
}  // namespace tafomat
