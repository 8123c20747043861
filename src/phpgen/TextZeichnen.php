// Wie ImageTTFText, doch jede Glyphe dort, wo die GD-Bibliothek des Systems sie setzt. PHPs
// mitgeliefertes GD setzt Text anders: dort kommt er in Stuecken, die es genauso setzt.
function TextZeichnen($Bild, $Groesse, $Winkel, $X, $Y, $Farbe, $Schrift, $Txt) {
    $Masse = $GLOBALS["Schriftmasse"][(string)$Groesse] ?? null;
    $Glyphen = (GD_BUNDLED && $Winkel == 0 && $Masse) ? GlyphenSetzen($Masse, $X, $Txt) : null;
    if (!$Glyphen) {
        ImageTTFText($Bild, $Groesse, $Winkel, $X, $Y, $Farbe, $Schrift, $Txt);
        return;
    }
    $Anzahl = count($Glyphen);
    for ($i = 0; $i < $Anzahl; $i = $j) {
        $j = $i + 1;
        if (!$Glyphen[$i]["Tinte"]) continue;
        // Ein Stueck reicht, solange das mitgelieferte GD jede Glyphe mit Tinte richtig setzt.
        $Stueck = $Glyphen[$i]["Text"];
        $Stift = 0;
        for (; $j < $Anzahl; $j++) {
            $Stift += $Glyphen[$j - 1]["Vorschub96"] + $Glyphen[$j]["Kerning96"];
            $Dort = $Glyphen[$i]["X"] + (($Stift + 31) >> 6);
            if ($Glyphen[$j]["Tinte"] && $Dort != $Glyphen[$j]["X"]) break;
            $Stueck .= $Glyphen[$j]["Text"];
        }
        ImageTTFText($Bild, $Groesse, 0, $Glyphen[$i]["X"], $Y, $Farbe, $Schrift, $Stueck);
    }
}

// Wo die GD-Bibliothek des Systems jede Glyphe hinsetzt: ihr Stift bei 300 dpi, auf ganze Pixel
// abgeschnitten. null, wenn den Massen ein Zeichen fehlt.
function GlyphenSetzen($Masse, $X, $Txt) {
    preg_match_all("/&#[0-9]+;|./s", $Txt, $Teile);
    $Glyphen = [];
    $Stift = 0;
    $Vorher = -1;
    foreach ($Teile[0] as $Teil) {
        $Code = strlen($Teil) > 1 ? (int)substr($Teil, 2) : ord($Teil);
        if ($Teil === chr(0)) break;  // GD reads its text no further
        if (!isset($Masse["Zeichen"][$Code])) return null;
        [$Vorschub, $Vorschub96, $Links, $Tinte] = $Masse["Zeichen"][$Code];
        $Kerning = $Masse["Paare"][$Vorher][$Code] ?? [0, 0];
        $Stift += $Kerning[0];
        $Glyphen[] = ["Text" => $Teil, "X" => (int)($X + $Stift * 96 / 19200 + $Links) - $Links,
            "Vorschub96" => $Vorschub96, "Kerning96" => $Kerning[1], "Tinte" => $Tinte];
        $Stift += $Vorschub;
        $Vorher = $Code;
    }
    return $Glyphen;
}
