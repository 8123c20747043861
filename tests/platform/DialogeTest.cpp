// The desktop services as the window uses them: dialogs in German, files, fonts and the day.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
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

#include <cmath>

#include "model/Zahlen.h"
#include "platform/Dateien.h"
#include "platform/Dialoge.h"
#include "platform/QtText.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"
#include "render/Schriftsuche.h"

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
// "*.jpg" lists ".jpeg" files and the other pictures too.
TEST(Dialoge, APatternListsItsExtensionInAnyCase) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg", "e.png", "f.jpg.txt", "g.php",
                             "h.PHP", "jpg", "Tafomat.txt"}) {
        QFile datei(ordner.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    const std::pair<const char*, QStringList> fälle[] = {
        {"*.jpg", {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg", "e.png"}},
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

TEST(Dateien, WritingReplacesAndReadingGivesTheBytesBack) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("a.php"));
    const std::string bytes("<?php\r\n\xFC\0?>\r\n", 12);
    ASSERT_TRUE(writeFile(pfad, "alter, l\xE4ngerer Inhalt der Datei"));
    ASSERT_TRUE(writeFile(pfad, bytes));
    EXPECT_EQ(readFile(pfad, bytes.size()).bytes, bytes);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.php")});
}

TEST(Schriftartenliste, NamesTheDrawableFontsInWindows1252) {
    const QtSchriftartenliste liste;
    const std::optional<int> anzahl = liste.anzahl();
    ASSERT_TRUE(anzahl.has_value());
    QStringList namen;
    for (int i = 0; i < *anzahl; ++i) {
        const std::optional<QString> name = liste.name(i);
        ASSERT_TRUE(name.has_value());
        EXPECT_TRUE(fitsCp1252(*name));
        namen.append(*name);
    }
    EXPECT_TRUE(namen.contains(QStringLiteral("Liberation Sans")));
    // Each is a family that answers its own name with a file the preview can draw.
    for (const QString& name : namen) {
        EXPECT_FALSE(name.contains(u'[')) << name.toStdString();
        EXPECT_TRUE(schriftdateiSuchen(name.toStdString()).has_value()) << name.toStdString();
    }
    EXPECT_FALSE(liste.name(*anzahl).has_value());
    EXPECT_FALSE(liste.name(-1).has_value());
}

TEST(SystemUhr, GivesTheCalendarDayWithoutTheTime) {
    const QDate vorher = QDate::currentDate();
    const Tageszahl heute = SystemUhr().heute();
    const QDate nachher = QDate::currentDate();
    EXPECT_EQ(heute, std::floor(heute));
    const Kalenderdatum tag = kalenderdatum(heute);
    const QDate gelesen(tag.jahr, tag.monat, tag.tag);
    EXPECT_TRUE(gelesen == vorher || gelesen == nachher);
}

}  // namespace
}  // namespace tafomat
