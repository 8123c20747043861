#!/usr/bin/env bash
# What the script's placement costs on each GD family: the full request (200, drawn anew) of a
# design's script served by PHP's built-in server, measured with wrk in one run, for
#   system   Debian's PHP (libgd 2.3.3): the script, today's script before its layout probe
#            (the commit TAFOMAT_HEUTE, default the one before it), and plain ImageTTFText
#            calls, one per run;
#   bundled  PHP built with its bundled GD (tools/php-bundled): the script, which sets pieces;
#   raqm     Debian's PHP on libgd built with libraqm (tools/gd-raqm): the script, in pieces;
# and glyph by glyph, as the script draws on a layout it does not know (its probe made to match
# nothing), on the system's and raqm's libgd. Prints requests per second and the server's
# processor time per request (medians of the rounds), each against the system's plain calls.
#   bench/php-layouts.sh [BUILD] [DESIGN.txt ...]
#       (default: build, docs/beispiel.txt and bench/lange-zeile.txt)
# TAFOMAT_WRK_SECONDS sets the length of each measurement (default 3), TAFOMAT_WRK_ROUNDS how
# many rounds are made (default 3); TAFOMAT_PHP_OPTIONEN is handed to each php -S, for example
# "-d opcache.enable_cli=1" for the compiled-script cache that web servers run with (PHP built
# with its bundled GD here has none).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ $# -gt 0 ] && shift
entwuerfe=("$@")
[ ${#entwuerfe[@]} -gt 0 ] || entwuerfe=(docs/beispiel.txt bench/lange-zeile.txt)
sekunden=${TAFOMAT_WRK_SECONDS:-3}
runden=${TAFOMAT_WRK_ROUNDS:-3}
heute=${TAFOMAT_HEUTE:-$(git log -n 1 --format=%H -S 'function Schriftsatz' -- src/phpgen/TextZeichnen.php)~1}
. tools/deps.sh
tafomat_need php-cli php-gd wrk
gebuendelt=${TAFOMAT_PHP_BUNDLED:-$(tools/php-bundled)}
raqm=${TAFOMAT_GD_RAQM:-$(tools/gd-raqm)}

ordner=$(mktemp -d)
server=()
aufraeumen() {
    local pid
    for pid in "${server[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$ordner"
}
trap aufraeumen EXIT
git show "$heute:src/phpgen/TextZeichnen.php" >"$ordner/heute-funktionen.php"

# The variants of one bundle's script, next to it: today's (its text functions and measures as
# they were), plain calls, and one whose probe matches no layout.
varianten() {
    php -r '
        [$skript, $alt] = [file_get_contents($argv[1] . "/Tafomat.php"), file_get_contents($argv[2])];
        $anfang = strpos($skript, "function TextZeichnen");
        $ende = strpos($skript, "\r\n// ---------- Texte ins Bild");
        $heute = substr($skript, 0, $anfang) . str_replace("\n", "\r\n", $alt) . substr($skript, $ende + 2);
        $heute = preg_replace("/^\\\$Schriftprobe=.*\r\n/m", "", $heute);
        $heute = preg_replace("/(\d+=>\[-?\d+,-?\d+,-?\d+,[01]),-?\d+\]/", "\$1]", $heute);
        $heute = preg_replace("/(\d+=>\[-?\d+,-?\d+),-?\d+,[01]\]/", "\$1]", $heute);
        $heute = preg_replace("/,?\d+=>\[0,0\]/", "", $heute);
        $heute = str_replace("[,", "[", $heute);
        file_put_contents($argv[1] . "/heute.php", $heute);
        file_put_contents($argv[1] . "/schlicht.php", str_replace("\nTextZeichnen(", "\nImageTTFText(", $skript));
        file_put_contents($argv[1] . "/glyphen.php", preg_replace("/\"Saetze\"=>\[[^]]*\]/", "\"Saetze\"=>[]", $skript));
    ' "$1" "$ordner/heute-funktionen.php"
}

starten() {  # PROGRAM FOLDER [ENVIRONMENT]: prints the address and the server's process id
    local port
    port=$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0");
        echo explode(":", stream_socket_get_name($s, false))[1];')
    # shellcheck disable=SC2086
    env ${3:+"$3"} "$1" ${TAFOMAT_PHP_OPTIONEN:-} -S "127.0.0.1:$port" -t "$2" >/dev/null 2>&1 &
    until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do sleep 0.1; done
    echo "http://127.0.0.1:$port $!"
}

takt=$(getconf CLK_TCK)
# Requests per second and the server's processor time per request in us of one measurement.
messen() {  # ADDRESS PID
    local vorher nachher
    vorher=$(awk '{print $14 + $15}' "/proc/$2/stat")
    wrk -t1 -c4 -d"${sekunden}s" "$1" >"$ordner/wrk.txt"
    nachher=$(awk '{print $14 + $15}' "/proc/$2/stat")
    awk -v ticks=$((nachher - vorher)) -v takt="$takt" '
        /requests in/ {anzahl = $1} /Requests\/sec/ {rate = $2}
        END {printf "%s %.0f\n", rate, ticks * 1e6 / takt / anzahl}' "$ordner/wrk.txt"
}

for entwurf in "${entwuerfe[@]}"; do
    bundle=$ordner/$(basename "$entwurf" .txt)
    mkdir -p "$bundle"
    "$build"/tafomat export "$entwurf" --bundle "$bundle" 2>/dev/null
    varianten "$bundle"
    read -r system systemPid < <(starten php "$bundle")
    read -r gebuendeltAdresse gebuendeltPid < <(starten "$gebuendelt" "$bundle")
    read -r raqmAdresse raqmPid < <(starten php "$bundle" "LD_LIBRARY_PATH=$raqm")
    server=("$systemPid" "$gebuendeltPid" "$raqmPid")
    # Every variant on every family must send the same picture as the script on the system's.
    richtig=$(php -r 'echo md5(file_get_contents($argv[1]));' "$system/Tafomat.php")
    for adresse in "$system/heute.php" "$gebuendeltAdresse/Tafomat.php" "$raqmAdresse/Tafomat.php" \
        "$system/glyphen.php" "$raqmAdresse/glyphen.php"; do
        [ "$(php -r 'echo md5(file_get_contents($argv[1]));' "$adresse")" = "$richtig" ] ||
            { echo "$adresse sends another picture than $system/Tafomat.php" >&2; exit 1; }
    done
    faelle=("system, plain calls|$system/schlicht.php $systemPid"
        "system, today's script|$system/heute.php $systemPid"
        "system, the script|$system/Tafomat.php $systemPid"
        "bundled, the script|$gebuendeltAdresse/Tafomat.php $gebuendeltPid"
        "raqm, the script|$raqmAdresse/Tafomat.php $raqmPid"
        "system, glyph by glyph|$system/glyphen.php $systemPid"
        "raqm, glyph by glyph|$raqmAdresse/glyphen.php $raqmPid")
    echo "== $entwurf: full request, median of $runden rounds of ${sekunden}s each"
    for ((runde = 1; runde <= runden; ++runde)); do
        zeile=
        for fall in "${faelle[@]}"; do
            # shellcheck disable=SC2086
            zeile+="$(messen ${fall#*|}) "
        done
        echo "$zeile"
    done | awk -v namen="$(printf '%s\n' "${faelle[@]}" | cut -d'|' -f1 | paste -sd'|')" '
        function median(werte, n,    i, j, t) {
            for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j)
                if (werte[j] < werte[i]) { t = werte[i]; werte[i] = werte[j]; werte[j] = t }
            return n % 2 ? werte[(n + 1) / 2] : (werte[n / 2] + werte[n / 2 + 1]) / 2
        }
        { ++n; for (i = 1; i <= NF; ++i) wert[i, n] = $i + 0 }
        END {
            anzahl = split(namen, name, "|")
            for (f = 1; f <= anzahl; ++f) {
                delete s; for (i = 1; i <= n; ++i) s[i] = wert[2 * f - 1, i]; rate[f] = median(s, n)
                delete s; for (i = 1; i <= n; ++i) s[i] = wert[2 * f, i]; cpu[f] = median(s, n)
            }
            printf "  %-26s %10s %8s %16s %8s\n", "", "requests/s", "x plain", "CPU/request us", "x plain"
            for (f = 1; f <= anzahl; ++f)
                printf "  %-26s %10.1f %8.2f %16.0f %8.2f\n", name[f], rate[f], rate[1] / rate[f], cpu[f], cpu[f] / cpu[1]
            printf "  the script against today'"'"'s on the system family: %.2f by rate, %.2f by CPU\n", rate[2] / rate[3], cpu[3] / cpu[2]
        }'
    for pid in "${server[@]}"; do kill "$pid"; done
    server=()
done
