// Jede Meldung von PHP geht ins Fehlerprotokoll des Servers, nie in die Bytes des Bildes, was
// display_errors auch sagt. Die letzte bleibt in $Meldung: so merkt das Skript, dass GD eine
// Datei nur halb lesen konnte.
function MeldungMerken($Art, $Text, $Datei, $Zeile) {
    $GLOBALS["Meldung"] = $Text;
    if (error_reporting() & $Art) error_log("PHP-Meldung " . $Art . ": " . $Text . " in " . $Datei . " Zeile " . $Zeile);
    return true;
}

// Am Ende jedes Laufs: das Bild im Puffer mit seiner Laenge, ohne was davor in anderen Puffern
// stand. Nach einem fatalen Fehler (etwa zu wenig Speicher) steht dort kein Bild, vielleicht aber
// die Meldung mit den Ordnern des Servers: dann kommt das fertige Bild, das es sagt.
function BildSenden() {
    $Letzter = error_get_last();
    if ($Letzter !== null && ($Letzter["type"] & (E_ERROR | E_PARSE | E_CORE_ERROR | E_COMPILE_ERROR))) FertigesBild("php-fehler");
    $Bytes = (string)ob_get_contents();
    while (ob_get_level() > 0 && @ob_end_clean());
    Header("Content-Length: " . strlen($Bytes));
    echo $Bytes;
}

// Ob GD mit der Schriftdatei Text setzen kann: eine abgeschnittene setzt ihn oft ohne jede
// Meldung, doch leer.
function SchriftTaugt($Schrift) {
    $Probe = ImageTTFBBox(12, 0, $Schrift, "H");
    return $Probe !== false && $Probe[1] !== $Probe[7];
}

// Wo GD fehlt oder PHP abbrach: ein kleines GIF, fertig im Skript, das es sagt; nie aufgehoben.
function FertigesBild($Grund) {
    $Bilder = [
        "ohne-gd" => "R0lGODdhuAATAIAAAP///6oAACwAAAAAuAATAAAC/oSPqcvtD6OctNqLs968+w+G4kiW5omm6sq27hXEchzNbz3TgG7QOV8BknI9YkPo0CE5SwrQF0BApVFL88ObFo9V3DZ0lTyj413XDDuLluUF0vhN2Hrosaw4p3oP2m07eeeXRSaUx+V21lTYNaigVDX1yMeohlfp+GNp83MpB/n5iRcnCYioZ3qYGVdHiIY5yRAG+wor66lXlpvYOdrnSjsJt4jb+ijMK3ap67T7y0qsGtv8dzvbWy34/Gf7wDaNDPxc+81MfBo+SEkrGUmp7sztbV7uujzbWJq9im35692oZdMuO+CcWRPHDJ++XoG6zYl2wwO3iBQrWryIMaPGB40cO3qsWAAAOw==",
        "php-fehler" => "R0lGODdhfgETAIAAAP///6oAACwAAAAAfgETAAAC/oSPqcvtD6OctNqLs968+w+G4kiW5omm6sq27gvH8kzX9o3n+s73/g8MZgLEIjFi5BmLhuPhuHQ2otJFNcG8XRnbCzXg6DbFQDJ3m52CJU4zxg2pQtdjgJxuxcf1WL4MbudnAfgkWGdDGDjo55bYZjgEiYQ3h1BZGCbZlym0yZGoqKaliVnR1ci3ZMmYBnY5lhWlAHgXWlcreiY1l9q765q2mFToS8fbB0c2rBh8uPob+BiNuRxtrPpMuXaHxvpwBe1cKn0Zbpu9h/1l3TyLffi4rQcuTyw+gXsvPW27r1a9L9a8gc4E8vtVL1S+cdfO+bsH0dMZdg2pATtXCmNG8U7uVmmk+MqjRZHicIGamKvkxZEbO7q8pY2kw4QyH6psaTLYwlOS6L2j57FSvGUnX9ZcyYaVrJ3aZH0U1oybqlrrUmZLwvSqQYkKe5EEyjBry4hHvxIcKTQmWXzeWCbNA3fjQpkexHINuSfuXbVku4n0mxEsPKR26RpFODbgxVetaD7lKhfpJJTM+GIMJ6Ya5ZkSQ/ozk7lh4X6OYRVsm3Mww9WGH+tjYg4dzK6edbYzGtk17qs3YQ1srCsp0XfsehfnmGfraZ+xYVqWDd2aWWK/q3dCfj1F0ewstnP/Dj68+Ejjy5s/jz69+vXs27tvUAAAOw==",
    ];
    FehlerKopf($Grund, "gif");
    echo base64_decode($Bilder[$Grund]);
}

// Was vor dem Fehlerbild gezeichnet oder gesagt wurde, verworfen; Kopfzeilen, die es nie aufheben.
function FehlerKopf($Grund, $Art) {
    if (ob_get_level() > 0) ob_clean();
    header_remove();
    http_response_code(200);
    Header("Content-type: image/" . $Art);
    Header("Cache-Control: no-store");
    Header("X-Tafomat-Fehler: " . $Grund);
}

// Statt eines falschen Banners eines in seiner Groesse und Art, das sagt, was fehlt, in der
// groessten eingebauten Schrift von GD, die passt: es braucht keine Schriftdatei. GDs Schrift
// kennt keinen Gedankenstrich.
function FehlerbildSenden($Grund, $Fehler, $Breite, $Hoehe, $Art, $Qualitaet) {
    FehlerKopf($Grund, $Art);
    $Bild = ImageCreateTrueColor($Breite, $Hoehe);
    ImageFill($Bild, 0, 0, ImageColorAllocate($Bild, 255, 255, 255));
    $Platz = max($Breite - 4, 1);
    for ($Schriftart = 5; $Schriftart > 1 && ImageFontWidth($Schriftart) * strlen($Fehler) > $Platz; --$Schriftart);
    $Zeilen = explode("\n", wordwrap(strtr($Fehler, "\x96", "-"), max(1, intdiv($Platz, ImageFontWidth($Schriftart))), "\n", true));
    $Y = max(0, intdiv($Hoehe - count($Zeilen) * ImageFontHeight($Schriftart), 2));
    foreach ($Zeilen as $Nummer => $Zeile) ImageString($Bild, $Schriftart, 2, $Y + $Nummer * ImageFontHeight($Schriftart), $Zeile, ImageColorAllocate($Bild, 170, 0, 0));
    if ($Art === "gif") Imagegif($Bild);
    elseif ($Art === "png") Imagepng($Bild, null, $Qualitaet);
    else Imagejpeg($Bild, null, $Qualitaet);
    exit;
}
