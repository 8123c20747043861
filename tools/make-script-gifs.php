<?php
// Prints the ready-made pictures that the generated script carries for a PHP without GD and
// for a fatal error (src/phpgen/BildSenden.php, function FertigesBild): each text in GD's
// largest built-in font, dark red on white, as a GIF in base64, one array entry per line.
//   php tools/make-script-gifs.php
$bilder = [
    'ohne-gd' => 'Tafomat: PHP ohne GD',
    'php-fehler' => 'Tafomat: PHP-Fehler, siehe Fehlerprotokoll',
];
foreach ($bilder as $grund => $text) {
    $bild = imagecreate(strlen($text) * imagefontwidth(5) + 4, imagefontheight(5) + 4);
    imagecolorallocate($bild, 255, 255, 255);
    imagestring($bild, 5, 2, 2, $text, imagecolorallocate($bild, 170, 0, 0));
    ob_start();
    imagegif($bild);
    $gif = ob_get_clean();
    echo '        "', $grund, '" => "', base64_encode($gif), "\",\n";
}
