#!/usr/bin/env bash
# The server bundle as PHP's built-in server serves it, measured with wrk in one run: the static
# file of the same picture, a repeat request whose If-None-Match still holds (answered 304
# without drawing) and the full request that draws the banner. Prints requests per second and
# the mean time of each, and how the repeat request compares with the static file.
#   bench/php-server.sh [BUILD] [DESIGN.txt]    (default: build, docs/beispiel.txt)
# TAFOMAT_WRK_SECONDS sets the length of each measurement (default 4), TAFOMAT_WRK_ROUNDS how
# many rounds of the three are made (default 5); TAFOMAT_PHP_OPTIONEN is handed to php -S, for
# example "-d opcache.enable_cli=1" for the compiled-script cache that web servers run with.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
design=${2:-docs/beispiel.txt}
sekunden=${TAFOMAT_WRK_SECONDS:-4}
runden=${TAFOMAT_WRK_ROUNDS:-5}
. tools/deps.sh
tafomat_need php-cli php-gd wrk

ordner=$(mktemp -d)
server=
aufraeumen() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$ordner"
}
trap aufraeumen EXIT
"$build"/tafomat export "$design" --bundle "$ordner" 2>/dev/null
(cd "$ordner" && php Tafomat.php >banner.jpg)

port=$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0");
    echo explode(":", stream_socket_get_name($s, false))[1];')
# shellcheck disable=SC2086
php ${TAFOMAT_PHP_OPTIONEN:-} -S "127.0.0.1:$port" -t "$ordner" >/dev/null 2>&1 &
server=$!
until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do sleep 0.1; done
adresse="http://127.0.0.1:$port"
etag=$(php -r '$k = get_headers($argv[1], true); echo $k["ETag"];' "$adresse/Tafomat.php")
status=$(php -r '$k = get_headers($argv[1], false, stream_context_create(["http" =>
    ["header" => "If-None-Match: " . $argv[2]]])); echo $k[0];' "$adresse/Tafomat.php" "$etag")
case $status in *" 304 "*) ;; *) echo "the repeat request got \"$status\", not 304" >&2; exit 1 ;; esac

# The server's processor time so far, in clock ticks.
rechenzeit() { awk '{print $14 + $15}' "/proc/$server/stat"; }
takt=$(getconf CLK_TCK)
# Requests per second, mean latency in ms and the server's processor time per request in us of
# one measurement. The processor time hardly depends on what else the machine does.
messen() {
    local vorher nachher
    vorher=$(rechenzeit)
    wrk -t1 -c4 -d"${sekunden}s" "$@" >"$ordner/wrk.txt"
    nachher=$(rechenzeit)
    awk -v ticks=$((nachher - vorher)) -v takt="$takt" '
        function ms(zeit) {  # wrk writes 845.00us, 1.38ms or 1.02s
            if (zeit ~ /us$/) return zeit / 1000
            if (zeit ~ /ms$/) return zeit + 0
            return zeit * 1000
        }
        /Latency/ {zeit = ms($2)} /requests in/ {anzahl = $1} /Requests\/sec/ {rate = $2}
        END {printf "%s %.3f %.0f\n", rate, zeit, ticks * 1e6 / takt / anzahl}' "$ordner/wrk.txt"
}
# The three alternate, round after round, so that a load that comes and goes on the machine
# weighs on all of them; the medians are reported.
for ((runde = 1; runde <= runden; ++runde)); do
    echo "$(messen "$adresse/banner.jpg") $(messen -H "If-None-Match: $etag" "$adresse/Tafomat.php")" \
        "$(messen "$adresse/Tafomat.php")"
done | awk -v bytes="$(stat -c %s "$ordner/banner.jpg")" '
    function median(werte, n,    i, j, t) {
        for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j)
            if (werte[j] < werte[i]) { t = werte[i]; werte[i] = werte[j]; werte[j] = t }
        return n % 2 ? werte[(n + 1) / 2] : (werte[n / 2] + werte[n / 2 + 1]) / 2
    }
    {
        ++n
        for (i = 1; i <= 9; ++i) wert[i, n] = $i + 0
        quote[n] = $4 / $1; ganzQuote[n] = $7 / $1; cpuQuote[n] = $3 / $6
        printf "round %d: static %.0f/s, 304 %.0f/s, full %.0f/s; 304 at %.2f\n", n, $1, $4, $7, quote[n]
    }
    END {
        printf "median of %d rounds:        requests/s   mean time   server CPU per request\n", n
        split("static banner.jpg (" bytes " bytes)|Tafomat.php, If-None-Match (304)|Tafomat.php, full request (200)", namen, "|")
        for (art = 0; art < 3; ++art) {
            for (k = 1; k <= 3; ++k) { delete spalte; for (i = 1; i <= n; ++i) spalte[i] = wert[3 * art + k, i]; m[k] = median(spalte, n) }
            printf "  %-34s %9.1f %9.2f ms %10.0f us\n", namen[art + 1], m[1], m[2], m[3]
        }
        printf "  304 at %.2f of the static throughput (goal: at least 0.50), by server CPU at %.2f;\n", median(quote, n), median(cpuQuote, n)
        printf "  the full request at %.3f\n", median(ganzQuote, n)
    }'
