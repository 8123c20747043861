<?php
// Picture helpers for the tests that run generated scripts: make a background (plain or noisy),
// tell a picture's type and size, draw a reference text or the message of a missing file,
// compare two pictures.
function laden($pfad) {
    $bild = imagecreatefromstring(file_get_contents($pfad));
    if ($bild === false) { fwrite(STDERR, "not a picture: $pfad\n"); exit(3); }
    return $bild;
}

$a = $argv;
switch ($a[1]) {
case 'hintergrund':
    $bild = imagecreatetruecolor((int)$a[3], (int)$a[4]);
    imagefill($bild, 0, 0, imagecolorallocate($bild, (int)$a[5], (int)$a[6], (int)$a[7]));
    imagejpeg($bild, $a[2], 95);
    break;
case 'rauschen':
    // A photo's worth of detail: its JPEG holds every byte value, CR LF among them.
    mt_srand((int)$a[5]);
    $bild = imagecreatetruecolor((int)$a[3], (int)$a[4]);
    for ($y = 0; $y < imagesy($bild); ++$y)
        for ($x = 0; $x < imagesx($bild); ++$x) imagesetpixel($bild, $x, $y, mt_rand(0, 0xFFFFFF));
    imagejpeg($bild, $a[2], 90);
    break;
case 'art':
    // "image/jpeg 460 66" where GD reads the picture.
    $info = getimagesize($a[2]);
    laden($a[2]);
    echo $info['mime'], ' ', $info[0], ' ', $info[1], "\n";
    break;
case 'text':
    $bild = imagecreatefromjpeg($a[3]);
    $farbe = imagecolorallocate($bild, (int)$a[8], (int)$a[9], (int)$a[10]);
    // GD reads entities in any text; "&#38;" is how a literal "&" is drawn.
    $text = str_replace('&', '&#38;', $a[11]);
    imagettftext($bild, (float)$a[5], 0, (int)$a[6], (int)$a[7], $farbe, $a[4], $text);
    if ($a[12] === 'fett') imagettftext($bild, (float)$a[5], 0, (int)$a[6] + 1, (int)$a[7], $farbe, $a[4], $text);
    imagepng($bild, $a[2]);
    break;
case 'meldung':
    // What the script sends when a file is missing: the text in GD's largest built-in font, dark
    // red on white, 2 pixels from the left and centred in height.
    $bild = imagecreatetruecolor((int)$a[4], (int)$a[5]);
    imagefill($bild, 0, 0, imagecolorallocate($bild, 255, 255, 255));
    imagestring($bild, 5, 2, intdiv((int)$a[5] - 15, 2), $a[6], imagecolorallocate($bild, 170, 0, 0));
    if ($a[3] === 'gif') imagegif($bild, $a[2]);
    elseif ($a[3] === 'png') imagepng($bild, $a[2], 9);
    else imagejpeg($bild, $a[2], 75);
    break;
case 'gleich':
    $eins = laden($a[2]);
    $zwei = laden($a[3]);
    $anders = 0;
    for ($y = 0; $y < imagesy($eins); ++$y)
        for ($x = 0; $x < imagesx($eins); ++$x)
            if (imagecolorat($eins, $x, $y) !== imagecolorat($zwei, $x, $y)) ++$anders;
    echo $anders, "\n";
    break;
}
