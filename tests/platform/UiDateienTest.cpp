#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include "model/Zahlen.h"
#include "platform/Dateien.h"
#include "platform/QtText.h"
#include "platform/Schriftartenliste.h"
#include "platform/SystemUhr.h"

namespace tafomat {
namespace {

TEST(Dateien, WritingReplacesAndReadingGivesTheBytesBack) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("a.php"));
    const std::string bytes("<?php\r\n\xFC\0?>\r\n", 12);
    ASSERT_TRUE(DateiSchreiben(pfad, "alter, l\xE4ngerer Inhalt der Datei"));
    ASSERT_TRUE(DateiSchreiben(pfad, bytes));
    EXPECT_EQ(DateiLesen(pfad, bytes.size()).bytes, bytes);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.php")});
}

TEST(Schriftartenliste, NamesTheInstalledFontsInWindows1252) {
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
