#!/usr/bin/env bash
# The server bundle as PHP's built-in server serves it, measured with wrk in one run: the static
# file of the same picture, a repeat request whose If-None-Match still holds (answered 304
# without drawing) and the full request that draws the banner. Prints requests per second and
# the mean time of each, and how the repeat request compares with the static file.
#   bench/php-server.sh [BUILD] [DESIGN.txt]    (default: build, docs/beispiel.txt)
# TAFOMAT_WRK_SECONDS sets the length of each measurement (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
design=${2:-docs/beispiel.txt}
sekunden=${TAFOMAT_WRK_SECONDS:-10}
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
php -S "127.0.0.1:$port" -t "$ordner" >/dev/null 2>&1 &
server=$!
until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do sleep 0.1; done
adresse="http://127.0.0.1:$port"
etag=$(php -r '$k = get_headers($argv[1], true); echo $k["ETag"];' "$adresse/Tafomat.php")
status=$(php -r '$k = get_headers($argv[1], false, stream_context_create(["http" =>
    ["header" => "If-None-Match: " . $argv[2]]])); echo $k[0];' "$adresse/Tafomat.php" "$etag")
case $status in *" 304 "*) ;; *) echo "the repeat request got \"$status\", not 304" >&2; exit 1 ;; esac

# Requests per second and mean latency of one measurement.
messen() {
    wrk -t1 -c4 -d"${sekunden}s" "$@" | awk '/Latency/ {zeit = $2} /Requests\/sec/ {print $2, zeit}'
}
read -r statisch statischZeit < <(messen "$adresse/banner.jpg")
read -r wieder wiederZeit < <(messen -H "If-None-Match: $etag" "$adresse/Tafomat.php")
read -r ganz ganzZeit < <(messen "$adresse/Tafomat.php")
printf '%-36s %10s req/s  %8s mean\n' \
    "static banner.jpg ($(stat -c %s "$ordner/banner.jpg") bytes)" "$statisch" "$statischZeit" \
    "Tafomat.php, If-None-Match (304)" "$wieder" "$wiederZeit" \
    "Tafomat.php, full request (200)" "$ganz" "$ganzZeit"
awk -v w="$wieder" -v s="$statisch" -v g="$ganz" 'BEGIN {
    printf "304 at %.2f of the static throughput (goal: at least 0.50); full request at %.2f\n", w / s, g / s }'
