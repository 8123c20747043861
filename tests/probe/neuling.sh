#!/bin/bash
# A newcomer's first minutes in the real window on a virtual display (Xvfb), typed and clicked
# with xdotool as a user does: a word made bold stays in the template, opening a design over
# unsaved changes asks first, F1 shows the guide window, the template field marks a colour
# command that reads otherwise than it looks, and a screen reader (AT-SPI, on a D-Bus session
# of the probe's own) finds every input field by a name of its own. Usage: neuling.sh PROGRAM
set -euo pipefail

if [[ -z ${TAFOMAT_PROBE_BUS:-} ]]; then
    export TAFOMAT_PROBE_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi

programm=$1
arbeit=$(mktemp -d)
pids=()
aufräumen() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufräumen EXIT

fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and names it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$arbeit/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s $arbeit/display ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$arbeit/display")"
export HOME=$arbeit QT_QPA_PLATFORM=xcb LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$programm" 2>"$arbeit/programm.log" &
pids+=($!)
fenster=$(timeout 30 xdotool search --sync --name '^Tafomat fügt' | head -n1)
[[ -n $fenster ]] || fehler "das Fenster erscheint nicht"
xdotool windowfocus --sync "$fenster"

# Where the controls lie in the window (pixels, as the window lays them out).
vorlage=(300 60)
fett=(364 16)

klicken() { xdotool mousemove --window "$fenster" "$1" "$2" click 1; sleep 0.3; }
tasten() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
schreiben() { xdotool type --delay 20 "$1"; sleep 0.3; }
# Waits for a window whose title matches; its id.
warten() { timeout "${2:-15}" xdotool search --sync --name "$1" | head -n1; }

# The template's text, written by Ctrl+S into the design file.
speichern() {
    tasten ctrl+s
    warten 'Speichern|Save' >/dev/null || fehler "Strg+S zeigt keinen Dialog"
    tasten ctrl+a
    schreiben "$1"
    tasten Return
    for _ in $(seq 50); do [[ -s $1 ]] && break; sleep 0.1; done
    [[ -s $1 ]] || fehler "$1 wurde nicht gespeichert"
    xdotool windowfocus --sync "$fenster"
}

# 1. A word selected and made bold is still in the template.
klicken "${vorlage[@]}"
tasten ctrl+a
schreiben "Heute rauchfrei"
tasten ctrl+shift+Left
klicken "${fett[@]}"
speichern "$arbeit/fett.txt"
tr -d '\r' <"$arbeit/fett.txt" | grep -qx 'Heute #Brauchfrei#B' ||
    fehler "das fette Wort fehlt: $(tr -d '\r' <"$arbeit/fett.txt" | tail -n1)"

# 2. Opening a design over unsaved changes asks first; Abbrechen keeps everything.
klicken "${vorlage[@]}"
schreiben "!"
tasten ctrl+o
frage=$(warten '^Tafomat$') || fehler "Öffnen fragt nicht nach den Änderungen"
tasten Escape
sleep 0.5
if xdotool search --name 'Öffnen|Open' >/dev/null 2>&1; then
    fehler "nach Abbrechen erscheint doch der Öffnen-Dialog"
fi
xdotool windowfocus --sync "$fenster"

# 3. F1 shows the guide inside the program.
tasten F1
anleitung=$(warten 'Tafomat – Anleitung') || fehler "F1 zeigt die Anleitung nicht"
# Without a window manager the guide lies over the window; it goes out of the way.
xdotool windowunmap --sync "$anleitung"
xdotool windowfocus --sync "$fenster"

# 4. The template field marks #F2552550Da (its blue field eats "Da") with a red wave.
roteBildpunkte() {
    xwd -silent -id "$fenster" >"$arbeit/bild.xwd"
    python3 "$(dirname "$0")/rote_punkte.py" "$arbeit/bild.xwd" 264 32 217 120
}
klicken "${vorlage[@]}"
tasten ctrl+a
schreiben "#F255255000Das ist gut"
sleep 0.5
ohne=$(roteBildpunkte)
tasten ctrl+a
schreiben "#F2552550Das ist gut"
sleep 0.5
mit=$(roteBildpunkte)
((ohne == 0 && mit > 10)) || fehler "rote Wellenlinie: $mit Punkte mit, $ohne ohne Fehler"

# 5. Every input field has a name of its own, without the blanks left for icons.
namen=$(/usr/bin/python3 "$(dirname "$0")/namen.py") || fehler "Namen der Felder: $namen"
echo "ok: fett, Frage vor dem Öffnen ($frage), Anleitung, Wellenlinie ($mit Punkte), $namen"
