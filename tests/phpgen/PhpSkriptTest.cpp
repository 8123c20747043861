#include "phpgen/PhpSkript.h"
#include "phpgen/Schriftmasse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

std::vector<std::string> zeilen(const std::string& skript) {
    std::vector<std::string> ergebnis;
    std::size_t anfang = 0;
    for (std::size_t ende; (ende = skript.find("\r\n", anfang)) != std::string::npos;
         anfang = ende + 2)
        ergebnis.push_back(skript.substr(anfang, ende - anfang));
    ergebnis.push_back(skript.substr(anfang));
    return ergebnis;
}

std::string zeileMit(const std::string& skript, const std::string& anfang) {
    for (const std::string& zeile : zeilen(skript))
        if (zeile.rfind(anfang, 0) == 0) return zeile;
    return "(no line starting with " + anfang + ")";
}

std::optional<std::string> skriptMit(Feld feld, const std::string& text) {
    FelderImSpeicher felder = startDesign();
    felder.setText(feld, text);
    RecordingSurface fläche;
    return PhpSkript(felder, fläche);
}

TEST(PhpSkriptTest, StartDesignGivesTheWholeScript) {
    const std::optional<std::string> skript = skriptMit(Feld::Txt, "Am #1");
    ASSERT_TRUE(skript.has_value());
    const std::string erwartet =
        "<?php\r\n"
        "Header (\"Content-type: image/jpeg\");\r\n"
        "if (function_exists(\"ini_set\")) ini_set(\"display_errors\",\"0\");\r\n"
        "// ---------- Zwischenspeicher: gilt das Bild noch? ----------\r\n"
        "$Bilddatei=__DIR__.\"/leer.jpg\";\r\n"
        "$Schriftdatei=__DIR__.\"/Arial.ttf\";\r\n"
        "$Fassung=md5(filemtime(__FILE__).\" \".filesize(__FILE__).\" \".@filemtime($Bilddatei).\" "
        "\"."
        "@filesize($Bilddatei).\" \".@filemtime($Schriftdatei).\" \".@filesize($Schriftdatei));\r\n"
        "$Anfrage=isset($_SERVER[\"HTTP_IF_NONE_MATCH\"]) ? $_SERVER[\"HTTP_IF_NONE_MATCH\"] : "
        "\"\";\r\n"
        "$Stelle=strpos($Anfrage,chr(34).$Fassung.\"-\");\r\n"
        "$Morgen=$Stelle===false ? 0 : (int)substr($Anfrage,$Stelle+34);\r\n"
        "if (time()<$Morgen && $Morgen<=time()+90000) {\r\n"
        "    Header (\"ETag: \".chr(34).$Fassung.\"-\".$Morgen.chr(34));\r\n"
        "    Header (\"Cache-Control: public, max-age=\".($Morgen-time()));\r\n"
        "    Header (\"Expires: \".gmdate(\"D, d M Y H:i:s\",$Morgen).\" GMT\");\r\n"
        "    http_response_code(304);\r\n"
        "    exit;\r\n"
        "}\r\n"
        "// ---------- Eingabe - Werte ----------\r\n"
        "$Datum=\"04.11.2010\";\r\n"
        "$Beginn=gmmktime(0,0,0,11,4,2010);\r\n"
        "$Heute=time();\r\n"
        "$Gesamt=gmmktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute),date(\"Y\",$Heute))-"
        "$Beginn;\r\n"
        "$Tage=intdiv($Gesamt,86400);\r\n"
        "$AlteKosten=500;\r\n"
        "$Kippen=22;\r\n"
        "$AlleKippen=$Tage*$Kippen;\r\n"
        "$Anschaffung=6000;\r\n"
        "$NeueKosten=100;\r\n"
        "$Steuern=300;\r\n"
        "$Gespart=($Tage*($AlteKosten-$NeueKosten))-$Anschaffung;\r\n"
        "$Fiskus=$Tage*$Steuern;\r\n"
        "\r\n"
        "// ---------- Zwischenspeicher: gilt bis Mitternacht ----------\r\n"
        "$Tag=mktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute),date(\"Y\",$Heute));\r\n"
        "$Morgen=mktime(0,0,0,date(\"n\",$Heute),date(\"j\",$Heute)+1,date(\"Y\",$Heute));\r\n"
        "Header (\"Last-Modified: \".gmdate(\"D, d M Y H:i:s\",$Tag).\" GMT\");\r\n"
        "Header (\"ETag: \".chr(34).$Fassung.\"-\".$Morgen.chr(34));\r\n"
        "Header (\"Cache-Control: public, max-age=\".($Morgen-$Heute));\r\n"
        "Header (\"Expires: \".gmdate(\"D, d M Y H:i:s\",$Morgen).\" GMT\");\r\n"
        "if ($Anfrage===\"\" && isset($_SERVER[\"HTTP_IF_MODIFIED_SINCE\"]) && "
        "strtotime($_SERVER[\"HTTP_IF_MODIFIED_SINCE\"])>=$Tag) {\r\n"
        "    http_response_code(304);\r\n"
        "    exit;\r\n"
        "}\r\n"
        "\r\n"
        "// ---------- Euro-Werte richtig zusammenstellen ----------\r\n"
        "$A=$AlteKosten; $AlteKosten=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$A=$Anschaffung; "
        "$Anschaffung=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$A=$NeueKosten; $NeueKosten=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$A=$Steuern; $Steuern=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$A=$Gespart; $Gespart=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$A=$Fiskus; $Fiskus=substr($A,0,strlen($A)-2).\",\".substr($A,strlen($A)-2,2);\r\n"
        "$Kippen=\"22\";\r\n"
        "$AlleKippen=str_replace(\".\",\",\",$AlleKippen);\r\n"
        "\r\n"
        "// ---------- Text setzen wie die GD-Bibliothek des Systems ----------\r\n" +
        TextZeichnenFunktionen() +
        "\r\n"
        "// ---------- Texte ins Bild einf\xFCgen ----------\r\n"
        "$Fehler=\"\";\r\n"
        "if (!function_exists(\"ImageTTFText\")) $Fehler=\"Tafomat: PHP-GD ohne FreeType\";\r\n"
        "if (!is_file($Schriftdatei)) $Fehler=\"Tafomat: Schrift Arial.ttf fehlt\";\r\n"
        "elseif (!is_readable($Schriftdatei)) "
        "$Fehler=\"Tafomat: Schrift Arial.ttf ist nicht lesbar\";\r\n"
        "if (!is_file($Bilddatei)) $Fehler=\"Tafomat: Bild leer.jpg fehlt\";\r\n"
        "elseif (!is_readable($Bilddatei)) $Fehler=\"Tafomat: Bild leer.jpg ist nicht lesbar\";\r\n"
        "$Bild=$Fehler===\"\" ? ImageCreateFromJPEG($Bilddatei) : false;\r\n"
        "if ($Bild===false && $Fehler===\"\") "
        "$Fehler=\"Tafomat: Bild leer.jpg ist kein JPEG-Bild\";\r\n"
        "if ($Fehler!==\"\") {\r\n"
        "    header_remove();\r\n"
        "    Header (\"Content-type: image/jpeg\");\r\n"
        "    Header (\"Cache-Control: no-store\");\r\n"
        "    $Bild=ImageCreateTrueColor(460,66);\r\n"
        "    ImageFill($Bild,0,0,ImageColorAllocate($Bild,255,255,255));\r\n"
        "    for ($Schriftart=5; $Schriftart>1 && ImageFontWidth($Schriftart)*strlen($Fehler)>456; "
        "--$Schriftart);\r\n"
        "    "
        "$Zeilen=explode(\"\\n\",wordwrap($Fehler,max(1,intdiv(456,ImageFontWidth($Schriftart))),"
        "\"\\n\",true));\r\n"
        "    $Y=max(0,intdiv(66-count($Zeilen)*ImageFontHeight($Schriftart),2));\r\n"
        "    foreach ($Zeilen as $Nummer=>$Zeile) "
        "ImageString($Bild,$Schriftart,2,$Y+$Nummer*ImageFontHeight($Schriftart),$Zeile,"
        "ImageColorAllocate($Bild,170,0,0));\r\n"
        "    Imagejpeg($Bild,Null,75);\r\n"
        "    exit;\r\n"
        "}\r\n"
        "if (isset($_SERVER[\"REQUEST_METHOD\"]) && $_SERVER[\"REQUEST_METHOD\"]===\"HEAD\") "
        "exit;\r\n"
        "\r\n"
        "$Farbe=ImageColorAllocate($Bild,0,0,0);\r\n"
        "$Txt=\"Am \".$Datum;\r\n"
        "TextZeichnen($Bild,8,0,0,11,$Farbe,__DIR__.\"/Arial.ttf\",$Txt);\r\n"
        "\r\n"
        "Imagejpeg($Bild,Null,75);\r\n"
        "?>";
    EXPECT_EQ(*skript, erwartet);
}

TEST(PhpSkriptTest, EmptyTemplateGoesStraightToTheOutputCall) {
    const std::optional<std::string> skript = skriptMit(Feld::Txt, "   \r\n ");
    ASSERT_TRUE(skript.has_value());
    EXPECT_NE(skript->find("===\"HEAD\") exit;\r\n\r\nImagejpeg($Bild,Null,75);\r\n?>"),
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
        EXPECT_EQ(zeilen(*skript)[1],
                  "Header (\"Content-type: image/" + std::string(fall.kopf) + "\");");
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
         "if (!is_file($Bilddatei)) $Fehler=\"Tafomat: Bild "
         "a\".chr(34).\"b\".chr(36).\"c\".chr(92).\"d.jpg fehlt\";"},
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
        {Feld::AlTxt, ""},
        {Feld::AlTxt, "1" + std::string(307, '0')},  // overflows
        {Feld::AnTxt, "sechzig"},
        {Feld::NeTxt, ""},
        {Feld::StTxt, "3,00 Euro"},
        {Feld::KiTxt, "22; system('x')"},
        {Feld::KiTxt, ""},
        {Feld::DaTxt, "gestern"},
        {Feld::BildArt, "jpeg($Bild);evil"},
        {Feld::BildArt, ""},
        {Feld::BildArt, "jpg"},
        {Feld::BildQuallität, "75);evil("},
        {Feld::BildQuallität, ""},
        {Feld::BildQuallität, "7.5"},
        {Feld::BildQuallität, "101"},
        {Feld::BildQuallität, "-1"},
        {Feld::Txt, "#G00x"},
    };
    for (const auto& [feld, text] : fälle)
        EXPECT_FALSE(skriptMit(feld, text).has_value()) << feldName(feld) << " " << text;
}

TEST(PhpDateinameTest, PhpIsAppendedUnlessTheNameEndsInExactlyPhp) {
    const std::pair<std::string, std::string> fälle[] = {
        {"banner", "banner.php"},
        {"banner.php", "banner.php"},
        {"banner.PHP", "banner.PHP.php"},
        {"/tmp/a.b/banner", "/tmp/a.b/banner.php"},
        {"php", "php.php"},
        {"", ".php"},
    };
    for (const auto& [gewählt, erwartet] : fälle)
        EXPECT_EQ(PhpDateiname(gewählt), erwartet) << gewählt;
}

}  // namespace
}  // namespace tafomat
