<?php
// Reads every *.php file of a folder as a generated script and prints one line per file that
// breaks a rule: the script must parse, and outside its string literals it may hold only the
// generator's own variables, functions, numbers and operators, so that no typed text runs. Its
// functions that send the picture and draw the text must be exactly the generator's.
$variablen = ['$Datum', '$Beginn', '$Heute', '$Gesamt', '$Tage', '$AlteKosten', '$Kippen',
    '$AlleKippen', '$Anschaffung', '$NeueKosten', '$Steuern', '$Gespart', '$Fiskus', '$A',
    '$Bild', '$Farbe', '$Txt', '$Schriftmasse', '$Schriftprobe', '$Bilddatei', '$Schriftdatei', '$Tag', '$Morgen',
    '$Fassung', '$Anfrage', '$Stelle', '$_SERVER', '$Fehler', '$Schriftart', '$Zeilen', '$Y',
    '$Nummer', '$Zeile', '$Hochgeladen', '$Zuletzt', '$Grund', '$Meldung'];
$namen = ['Header', 'gmmktime', 'date', 'time', 'intdiv', 'substr', 'strlen', 'str_replace',
    'ImageCreateFromJPEG', 'ImageColorAllocate', 'TextZeichnen', 'chr', 'Null', 'Imagejpeg',
    'Imagepng', 'Imagegif', 'function_exists', 'ini_set', 'mktime', 'md5', 'filemtime',
    'filesize', 'gmdate', 'strpos', 'strtotime', 'http_response_code', 'false', 'true', 'is_file',
    'is_readable', 'header_remove', 'ImageCreateTrueColor', 'ImageFill', 'ImageFontWidth',
    'ImageFontHeight', 'explode', 'wordwrap', 'max', 'count', 'ImageString', 'filectime', 'min',
    'set_error_handler', 'ob_start', 'register_shutdown_function', 'FertigesBild',
    'SchriftTaugt', 'FehlerbildSenden', 'file_get_contents', 'gd_info'];
// The answer to the server's request needs a few statements of control: conditions, the loops
// of the picture that says what is missing, casts of the end of the day the ETag names and of
// the files' change times, exit.
$erlaubt = [T_WHITESPACE, T_LNUMBER, T_DNUMBER, T_CONSTANT_ENCAPSED_STRING, T_DIR, T_COMMENT,
    T_DOUBLE_ARROW, T_FILE, T_IF, T_ELSEIF, T_ISSET, T_EXIT, T_FOR, T_FOREACH, T_AS, T_DEC,
    T_INT_CAST, T_BOOLEAN_AND, T_BOOLEAN_OR, T_IS_IDENTICAL, T_IS_NOT_IDENTICAL, T_IS_GREATER_OR_EQUAL,
    T_IS_SMALLER_OR_EQUAL];
$zeichen = ['=', ';', '(', ')', ',', '.', '*', '-', '+', '/', '[', ']', '{', '}', '?', ':', '!',
    '>', '<', '@'];
$quelle = fn($name) => str_replace("\n", "\r\n", file_get_contents(__DIR__ . "/../../src/phpgen/$name"));
$funktionen = $quelle('TextZeichnen.php');
$danach = "\r\n// ---------- Texte ins Bild einf";
$senden = $quelle('BildSenden.php');
$sendenDanach = "\r\n// ---------- Text setzen wie";
$dateien = glob($argv[1] . '/*.php');
foreach ($dateien as $datei) {
    $code = file_get_contents($datei);
    $stelle = strpos($code, $funktionen . $danach);
    if ($stelle === false) {
        echo basename($datei), ": text functions missing or changed\n";
        continue;
    }
    $code = substr($code, 0, $stelle) . substr($code, $stelle + strlen($funktionen));
    $stelle = strpos($code, $senden . $sendenDanach);
    if ($stelle === false) {
        echo basename($datei), ": sending functions missing or changed\n";
        continue;
    }
    $code = substr($code, 0, $stelle) . substr($code, $stelle + strlen($senden));
    try {
        $tokens = token_get_all($code, TOKEN_PARSE);
    } catch (ParseError $fehler) {
        echo basename($datei), ': parse error: ', $fehler->getMessage(), "\n";
        continue;
    }
    $oeffnen = 0; $schliessen = 0; $kommentare = 0;
    foreach ($tokens as $i => $token) {
        if (is_string($token)) {
            if (!in_array($token, $zeichen, true)) echo basename($datei), ": character $token\n";
            continue;
        }
        [$art, $text] = $token;
        if ($art === T_OPEN_TAG) { ++$oeffnen; if ($i !== 0) echo basename($datei), ": open tag inside\n"; }
        elseif ($art === T_CLOSE_TAG) { ++$schliessen; if ($i !== count($tokens) - 1) echo basename($datei), ": text after close tag\n"; }
        elseif ($art === T_VARIABLE) { if (!in_array($text, $variablen, true)) echo basename($datei), ": variable $text\n"; }
        elseif ($art === T_STRING) { if (!in_array($text, $namen, true)) echo basename($datei), ": name $text\n"; }
        elseif ($art === T_COMMENT) { ++$kommentare; }
        elseif ($art === T_CONSTANT_ENCAPSED_STRING) { if ($text[0] !== '"') echo basename($datei), ": single-quoted string\n"; }
        elseif (!in_array($art, $erlaubt, true)) echo basename($datei), ': token ', token_name($art), ' ', $text, "\n";
    }
    if ($oeffnen !== 1 || $schliessen !== 1 || $kommentare !== 7) echo basename($datei), ": tags or comments\n";
}
echo count($dateien), " checked\n";
