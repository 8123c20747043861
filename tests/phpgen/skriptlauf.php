<?php
// Runs the generated scripts of a folder for the tests and prints one line per script: its name
// and, in hex, the texts its placeholder variables hold when the drawing calls run, in the
// order $Datum $Tage $AlteKosten $Kippen $AlleKippen $Anschaffung $NeueKosten $Gespart $Steuern
// $Fiskus.
//   skriptlauf.php werte FOLDER   runs only each script's values, up to the check of its
//                                 files, so that no picture or font is needed.
//   skriptlauf.php ganz FOLDER    runs each script whole, as a server does, and throws its
//                                 picture away. Each name also goes to standard error before the
//                                 script runs, so that a diagnostic can be told apart, and
//                                 "== fertig" after the last. Where a script would end the
//                                 process (the picture that says what is wrong ends it with
//                                 exit), it ends its own run instead, and the next one runs.

// PHP 7.4 and 8.0 under Node come without ImageTTFText and ImageTTFBBox, their GD has no
// FreeType: stand-ins that draw and measure nothing let the rest of each script run there.
if (!function_exists('imagettftext')) {
    function imagettftext(...$argumente) { return false; }
    function imagettfbbox(...$argumente) { return false; }
}

// The functions every script declares, from their first line to their closing brace.
const Funktionen = '/^function .*?^}\r\n/ms';

class Ende extends Exception {}

function zeile($name, $werte) {
    $hex = array_map(function ($wert) { return bin2hex((string)$wert); }, $werte);
    return $name . ' ' . implode(' ', $hex) . "\n";
}

function werte($code) {
    eval($code);
    return [$Datum, $Tage, $AlteKosten, $Kippen, $AlleKippen, $Anschaffung, $NeueKosten,
        $Gespart, $Steuern, $Fiskus];
}

// Where GD draws no TrueType text, a script sends the picture that says so before it draws;
// there its drawing runs all the same, for its diagnostics, without the checks of FreeType and
// the font.
$ohneFreeType = !gd_info()['FreeType Support'] ||
    @imagettfbbox(12, 0, $argv[2] . '/Arial.ttf', 'H') === false;
$ohneProbe = ['!function_exists("ImageTTFText") || !gd_info()["FreeType Support"]',
    '!SchriftTaugt($Schriftdatei)'];

// Nothing is printed before the last script has run: a script's Header() needs that.
$zeilen = '';
foreach (glob($argv[2] . '/*.php') as $datei) {
    $name = basename($datei, '.php');
    if ($argv[1] === 'werte') {
        // Without the answer to the server's request, which needs the script's own file.
        $code = preg_replace('~// -+ Zwischenspeicher.*?(?=// -+)~s', '', file_get_contents($datei));
        $anfang = strpos($code, '$Datum=');
        $ende = strpos($code, 'set_error_handler(');
        $werte = substr($code, $anfang, $ende - $anfang);
        $zeilen .= zeile($name, werte(preg_replace(Funktionen, '', $werte)));
        continue;
    }
    fwrite(STDERR, "== $name\n");
    // Every script declares the same text functions, and one process can declare them once.
    $code = str_replace('exit;', 'throw new Ende;', file_get_contents($datei));
    if ($ohneFreeType) $code = str_replace($ohneProbe, 'false', $code);
    if (function_exists('TextZeichnen')) $code = preg_replace(Funktionen, '', $code);
    $lauf = "$datei.lauf";
    file_put_contents($lauf, $code);
    $stufe = ob_get_level();
    ob_start();
    try {
        include $lauf;
    } catch (Ende $ende) {
    }
    while (ob_get_level() > $stufe) ob_end_clean();
    restore_error_handler();
    $zeilen .= zeile($name, [$Datum, $Tage, $AlteKosten, $Kippen, $AlleKippen, $Anschaffung,
        $NeueKosten, $Gespart, $Steuern, $Fiskus]);
}
if ($argv[1] === 'ganz') fwrite(STDERR, "== fertig\n");
echo $zeilen;
