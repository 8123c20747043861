<?php
// Compares pictures pairwise: php bildvergleich.php TOLERANCE A1 B1 [A2 B2 ...]
// Each pair must have the same size, and every pixel the same colour within TOLERANCE
// (0 to 255), colour weighted by coverage so that fully transparent pixels match whatever
// colour they carry. Prints each pair's largest difference; exits 1 when one is too large.
$toleranz = (int)$argv[1];
$fehler = 0;
for ($i = 2; $i + 1 < $argc; $i += 2) {
    [$a, $b] = [laden($argv[$i]), laden($argv[$i + 1])];
    $name = basename($argv[$i]) . " / " . basename($argv[$i + 1]);
    if (imagesx($a) != imagesx($b) || imagesy($a) != imagesy($b)) {
        printf("%s: %dx%d against %dx%d\n", $name, imagesx($a), imagesy($a), imagesx($b), imagesy($b));
        $fehler = 1;
        continue;
    }
    $größte = 0;
    for ($y = 0; $y < imagesy($a); $y++)
        for ($x = 0; $x < imagesx($a); $x++) {
            [$p, $q] = [pixel($a, $x, $y), pixel($b, $x, $y)];
            for ($k = 0; $k < 4; $k++) $größte = max($größte, abs($p[$k] - $q[$k]));
        }
    printf("%s: %dx%d, largest difference %d\n", $name, imagesx($a), imagesy($a), $größte);
    if ($größte > $toleranz) $fehler = 1;
}
exit($fehler);

function laden(string $pfad): GdImage {
    $bild = @imagecreatefrompng($pfad);
    if (!$bild) {
        fwrite(STDERR, "$pfad: no PNG picture\n");
        exit(2);
    }
    imagepalettetotruecolor($bild);
    return $bild;
}

// Red, green and blue weighted by coverage, and the coverage itself, all 0 to 255.
function pixel(GdImage $bild, int $x, int $y): array {
    $farbe = imagecolorat($bild, $x, $y);
    $deckung = (127 - (($farbe >> 24) & 0x7f)) / 127;
    return [round((($farbe >> 16) & 0xff) * $deckung), round((($farbe >> 8) & 0xff) * $deckung),
            round(($farbe & 0xff) * $deckung), round(255 * $deckung)];
}
