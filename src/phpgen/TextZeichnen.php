// Wie ImageTTFText, doch jede Glyphe dort, wo die GD-Bibliothek des Systems sie setzt. Ein GD,
// das Text anders setzt, bekommt ihn in Stuecken, die es genauso setzt; eines, dessen Satz das
// Skript nicht kennt, Glyphe fuer Glyphe.
function TextZeichnen($Bild, $Groesse, $Winkel, $X, $Y, $Farbe, $Schrift, $Txt) {
    $Satz = Schriftsatz($Schrift);
    $Eigen = $Satz === "Gebuendelt" || $Satz === "Raqm" || $Satz === "Unbekannt";
    $Masse = ($Eigen && $Winkel == 0) ? Schriftmasse($Groesse) : null;
    $Glyphen = $Masse ? GlyphenSetzen($Masse, $X, $Txt) : null;
    if (!$Glyphen) {
        ImageTTFText($Bild, $Groesse, $Winkel, $X, $Y, $Farbe, $Schrift, $Txt);
        return;
    }
    $Anzahl = count($Glyphen);
    for ($i = 0; $i < $Anzahl; $i = $j) {
        $j = $i + 1;
        if (!$Glyphen[$i]["Tinte"]) continue;
        if ($Satz === "Raqm") {
            [$j, $Links, $Stueck] = RaqmStueck($Masse, $Glyphen, $i);
            ImageTTFText($Bild, $Groesse, 0, $Links, $Y, $Farbe, $Schrift, $Stueck);
            continue;
        }
        // Ein Stueck reicht, solange dieses GD jede Glyphe mit Tinte richtig setzt.
        $Stueck = $Glyphen[$i]["Text"];
        $Stift = 0;
        for (; $j < $Anzahl && $Satz !== "Unbekannt"; $j++) {
            $Stift += $Glyphen[$j - 1]["Vorschub96"] + $Glyphen[$j]["Kerning96"];
            $Dort = $Glyphen[$i]["X"] + (($Stift + 31) >> 6);
            if ($Glyphen[$j]["Tinte"] && $Dort != $Glyphen[$j]["X"]) break;
            $Stueck .= $Glyphen[$j]["Text"];
        }
        ImageTTFText($Bild, $Groesse, 0, $Glyphen[$i]["X"], $Y, $Farbe, $Schrift, $Stueck);
    }
}

// Das laengste Stueck ab der Glyphe $i, das libgd mit libraqm so setzt wie die Bibliothek des
// Systems, als [Ende, X, Text]. Sein Stift beginnt auf einem ganzen Pixel; Leerzeichen davor
// geben ihm den Bruchteil eines Pixels, den der Stift des Systems dort hat. Jeder Aufruf kostet
// raqm weit mehr als ein Leerzeichen darin.
function RaqmStueck($Masse, $Glyphen, $i) {
    $Anzahl = count($Glyphen);
    $Leer = $Masse[0][32] ?? [0, 0, 0, 1, 0];
    $Bestes = [$i + 1, $Glyphen[$i]["X"], $Glyphen[$i]["Text"]];
    for ($Leere = 0; $Leere <= ($Leer[3] ? 0 : 32); $Leere++) {
        $Stift = 0;
        if ($Leere) $Stift = $Leere * $Leer[4] + ($Leere - 1) * ($Masse[1][32][32][2] ?? 0)
            + ($Masse[1][32][$Glyphen[$i]["Code"]][2] ?? 0);
        $Links = $Glyphen[$i]["X"] - (int)floor($Stift * 96 / 19200);
        $Stueck = str_repeat(" ", $Leere);
        for ($j = $i; $j < $Anzahl; $j++) {
            $Glyphe = $Glyphen[$j];
            if ($j > $i && $Glyphe["Ligatur"]) break;
            if ($j > $i) $Stift += $Glyphen[$j - 1]["VorschubRaqm"] + $Glyphe["KerningRaqm"];
            $Dort = (int)($Links + $Stift * 96 / 19200 + $Glyphe["Links"]) - $Glyphe["Links"];
            if ($Glyphe["Tinte"] && $Dort != $Glyphe["X"]) break;
            $Stueck .= $Glyphe["Text"];
        }
        if ($j > $Bestes[0]) $Bestes = [$j, $Links, $Stueck];
    }
    return $Bestes;
}

// Welchem Satz das GD dieses Servers folgt, einmal gemessen am Rahmen einer Probe, den die
// bekannten Saetze verschieden setzen: "System" (libgd 2.3 und 2.4), "Gebuendelt" (PHPs eigenes
// GD bis 8.5), "Raqm" (libgd mit HarfBuzz), "Unbekannt", oder "Fremd" fuer eine andere Schrift
// als die des Pakets, deren Masse das Skript nicht kennt. false, wenn GD mit der Schrift gar
// keinen Text setzen kann oder die Probe keine Hoehe hat: die Datei ist beschaedigt.
function Schriftsatz($Schrift) {
    static $Saetze = [];
    if (isset($Saetze[$Schrift])) return $Saetze[$Schrift];
    $Probe = $GLOBALS["Schriftprobe"] ?? null;
    if (!$Probe) return $Saetze[$Schrift] = "System";
    $Rahmen = @ImageTTFBBox($Probe["Groesse"], 0, $Schrift, $Probe["Text"]);
    if (!$Rahmen || $Rahmen[1] === $Rahmen[7]) return $Saetze[$Schrift] = false;
    $Hoehe = $Rahmen[1] . "," . $Rahmen[7];
    $Satz = $Probe["Saetze"][$Rahmen[2] . "," . $Hoehe] ?? null;
    if ($Satz === null) $Satz = isset($Probe["Hoehen"][$Hoehe]) ? "Unbekannt" : "Fremd";
    if ($Satz !== "System" && $Satz !== "Fremd") $Satz = Nachgeprueft($Probe, $Schrift, $Satz);
    return $Saetze[$Schrift] = $Satz;
}

// Jeder Satz ausser dem des Systems kostet viele Aufrufe: eine laengere Probe bestaetigt ihn
// vorher, damit eine andere Schrift unter dem Namen des Pakets nicht fuer dessen Schrift in
// einem bekannten Satz gilt.
function Nachgeprueft($Probe, $Schrift, $Satz) {
    $Pruefung = $Probe["Pruefung"];
    $Rahmen = @ImageTTFBBox($Probe["Groesse"], 0, $Schrift, $Pruefung["Text"]);
    if (!$Rahmen || $Rahmen[1] === $Rahmen[7]) return false;
    $Hoehe = $Rahmen[1] . "," . $Rahmen[7];
    $Schluessel = $Rahmen[2] . "," . $Hoehe;
    if ($Satz !== "Unbekannt")
        return ($Pruefung["Saetze"][$Satz] ?? null) === $Schluessel ? $Satz : "Fremd";
    // Ein unbekannter Satz der Schrift des Pakets endet nahe bei den bekannten.
    [$Links, $Rechts] = $Pruefung["Spanne"];
    $Nahe = $Rahmen[2] >= $Links && $Rahmen[2] <= $Rechts && isset($Pruefung["Hoehen"][$Hoehe]);
    return $Nahe && !in_array($Schluessel, $Pruefung["Saetze"], true) ? "Unbekannt" : "Fremd";
}

// Die Masse der Zeichen [0] und Paare [1] einer Groesse, erst gelesen, wenn ein GD sie braucht.
function Schriftmasse($Groesse) {
    global $Schriftmasse;
    $Schluessel = (string)$Groesse;
    if (isset($Schriftmasse[$Schluessel]) && is_string($Schriftmasse[$Schluessel])) {
        $Schriftmasse[$Schluessel] =
            unserialize($Schriftmasse[$Schluessel], ["allowed_classes" => false]);
    }
    return $Schriftmasse[$Schluessel] ?? null;
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
        if (!isset($Masse[0][$Code])) return null;
        [$Vorschub, $Vorschub96, $Links, $Tinte, $VorschubRaqm] = $Masse[0][$Code];
        $Paar = $Masse[1][$Vorher][$Code] ?? [0, 0, 0, 0];
        $Stift += $Paar[0];
        $Glyphen[] = ["Text" => $Teil, "Code" => $Code,
            "X" => (int)($X + $Stift * 96 / 19200 + $Links) - $Links, "Links" => $Links,
            "Vorschub96" => $Vorschub96, "Kerning96" => $Paar[1], "Tinte" => $Tinte,
            "VorschubRaqm" => $VorschubRaqm, "KerningRaqm" => $Paar[2], "Ligatur" => $Paar[3]];
        $Stift += $Vorschub;
        $Vorher = $Code;
    }
    return $Glyphen;
}
