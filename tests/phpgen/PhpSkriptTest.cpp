#include "model/Cp1252.h"
#include "phpgen/PhpSkript.h"
#include "phpgen/Schriftmasse.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "common/RecordingSurface.h"

namespace tafomat {
namespace {

using test::RecordingSurface;

// The start design after start-up: the quality list has set "75".
FelderImSpeicher startDesign() {
    FelderImSpeicher felder;
    felder.setText(Feld::BildQuallität, "75");
    return felder;
}

std::string zeileMit(const std::string& skript, const std::string& anfang) {
    const std::size_t stelle = skript.find("\r\n" + anfang);
    if (stelle == std::string::npos) return "(no line starting with " + anfang + ")";
    return skript.substr(stelle + 2, skript.find("\r\n", stelle + 2) - stelle - 2);
}

std::optional<std::string> skriptMit(Feld feld, const std::string& text) {
    FelderImSpeicher felder = startDesign();
    felder.setText(feld, text);
    RecordingSurface fläche;
    return PhpSkript(felder, fläche);
}

// The whole start script, kept readable in startskript.txt: UTF-8 with plain line breaks and
// one more at the end, where the script is Windows-1252 with CRLF; two lines stand for the
// functions that every script shares.
std::string startskript() {
    std::ifstream datei(TAFOMAT_SOURCE_DIR "/tests/phpgen/startskript.txt", std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(datei)), {});
    std::string skript;
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        const auto zeichen = static_cast<unsigned char>(utf8[i]);
        if (zeichen == '\n')
            skript += "\r\n";
        else if (zeichen >= 0xE0) {  // three bytes: such as the dash "–"
            const unsigned code =
                (zeichen & 0x0F) << 12 | (utf8[i + 1] & 0x3F) << 6 | (utf8[i + 2] & 0x3F);
            skript += static_cast<char>(*cp1252FromUnicode(code));
            i += 2;
        } else if (zeichen >= 0xC0)  // two bytes: a Latin-1 letter such as "ü"
            skript +=
                static_cast<char>(*cp1252FromUnicode(((zeichen & 0x1F) << 6) | (utf8[++i] & 0x3F)));
        else
            skript += utf8[i];
    }
    for (const auto& [marke, funktionen] :
         {std::pair<std::string, std::string>{"<TextZeichnenFunktionen>", TextZeichnenFunktionen()},
          {"<BildSendenFunktionen>", BildSendenFunktionen()}})
        skript.replace(skript.find(marke), marke.size(), funktionen);
    return skript;
}

TEST(PhpSkriptTest, StartDesignGivesTheWholeScript) {
    const std::optional<std::string> skript = skriptMit(Feld::Txt, "Am #1");
    ASSERT_TRUE(skript.has_value());
    EXPECT_EQ(*skript, startskript());
}

TEST(PhpSkriptTest, EmptyTemplateGoesStraightToTheOutputCall) {
    const std::optional<std::string> skript = skriptMit(Feld::Txt, "   \r\n ");
    ASSERT_TRUE(skript.has_value());
    EXPECT_NE(skript->find("$Meldung=\"\";\r\n\r\nif ($Meldung!==\"\") FehlerbildSenden("),
              std::string::npos);
}

TEST(PhpSkriptTest, HeaderAndOutputCallFollowTheType) {
    const struct {
        const char* art;
        const char* qualität;
        const char* kopf;
        const char* schluss;
    } fälle[] = {
        {"jpeg", "100", "jpeg", "Imagejpeg($Bild,Null,100);"},
        {"png", "9", "png", "Imagepng($Bild,Null,9);"},
        {"gif", "not read", "gif", "Imagegif($Bild);"},
        {" PNG ", "0", "png", "Imagepng($Bild,Null,0);"},       // any case, in lower case
        {"Jpeg", "09", "jpeg", "Imagejpeg($Bild,Null,9);"},     // a leading zero dropped
        {"jpeg", " 010 ", "jpeg", "Imagejpeg($Bild,Null,10);"}  // decimal, not octal
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(std::string(fall.art) + " " + fall.qualität);
        FelderImSpeicher felder = startDesign();
        felder.setText(Feld::BildArt, fall.art);
        felder.setText(Feld::BildQuallität, fall.qualität);
        RecordingSurface fläche;
        const std::optional<std::string> skript = PhpSkript(felder, fläche);
        ASSERT_TRUE(skript.has_value());
        EXPECT_TRUE(skript->starts_with("<?php\r\nHeader (\"Content-type: image/" +
                                        std::string(fall.kopf) + "\");\r\n"))
            << *skript;
        EXPECT_TRUE(skript->ends_with(fall.schluss + std::string("\r\n?>"))) << *skript;
    }
}

TEST(PhpSkriptTest, InputLineIsWrittenAsAPhpValue) {
    const struct {
        Feld feld;
        std::string text;
        std::string zeile;
    } fälle[] = {
        {Feld::DaTxt, "08.09.2015", "$Beginn=gmmktime(0,0,0,9,8,2015);"},
        {Feld::DaTxt, "4.11.2010", "$Beginn=gmmktime(0,0,0,11,4,2010);"},
        {Feld::DaTxt, "04.11.0100", "$Beginn=gmmktime(0,0,0,-1,4,101);"},  // PHP reads 100 as 2000
        {Feld::DaTxt, "4.11.2010", "$Datum=\"4.11.2010\";"},
        // The date reading takes blanks around the date; what is around them stays text.
        {Feld::DaTxt, " 04.11.2010 ", "$Datum=\" 04.11.2010 \";"},
        {Feld::DaTxt, "04.11.2010 18:30", "$Beginn=gmmktime(0,0,0,11,4,2010);"},
        {Feld::KiTxt, "22", "$Kippen=22;"},
        {Feld::KiTxt, "2,5", "$Kippen=2.5;"},
        {Feld::KiTxt, "-0,5", "$Kippen=-.5;"},
        {Feld::HintergrundName, "a\"b$c\\d.jpg",
         "$Bilddatei=__DIR__.\"/a\".chr(34).\"b\".chr(36).\"c\".chr(92).\"d.jpg\";"},
        {Feld::HintergrundName, "a\"b$c\\d.jpg",
         "if (!is_file($Bilddatei)) {$Grund=\"bild-fehlt\"; $Fehler=\"Tafomat: Bild "
         "a\".chr(34).\"b\".chr(36).\"c\".chr(92).\"d.jpg fehlt\";}"},
    };
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.text);
        const std::optional<std::string> skript = skriptMit(fall.feld, fall.text);
        ASSERT_TRUE(skript.has_value());
        EXPECT_EQ(zeileMit(*skript, fall.zeile.substr(0, fall.zeile.find('=') + 1)), fall.zeile);
    }
}

TEST(PhpSkriptTest, InputThatCannotGoIntoAScriptStopsTheGeneration) {
    const std::pair<Feld, std::string> fälle[] = {
        // clang-format off
        {Feld::AlTxt, ""}, {Feld::AlTxt, "1" + std::string(307, '0')}, {Feld::AnTxt, "sechzig"}, {Feld::NeTxt, ""},
        {Feld::StTxt, "3,00 Euro"}, {Feld::KiTxt, "22; system('x')"}, {Feld::KiTxt, ""}, {Feld::DaTxt, "gestern"},
        {Feld::BildArt, "jpeg($Bild);evil"}, {Feld::BildArt, ""}, {Feld::BildArt, "jpg"},
        {Feld::BildQuallität, "75);evil("}, {Feld::BildQuallität, ""}, {Feld::BildQuallität, "7.5"},
        {Feld::BildQuallität, "101"}, {Feld::BildQuallität, "-1"}, {Feld::Txt, "#G00x"},
        // clang-format on
    };
    for (const auto& [feld, text] : fälle)
        EXPECT_FALSE(skriptMit(feld, text).has_value()) << feldName(feld) << " " << text;
}

TEST(PhpDateinameTest, PhpIsAppendedUnlessTheNameEndsInExactlyPhp) {
    const std::pair<std::string, std::string> fälle[] = {
        // clang-format off
        {"banner", "banner.php"}, {"banner.php", "banner.php"}, {"banner.PHP", "banner.PHP.php"},
        {"/tmp/a.b/banner", "/tmp/a.b/banner.php"}, {"php", "php.php"}, {"", ".php"},
        // clang-format on
    };
    for (const auto& [gewählt, erwartet] : fälle)
        EXPECT_EQ(PhpDateiname(gewählt), erwartet) << gewählt;
}

}  // namespace
}  // namespace tafomat
