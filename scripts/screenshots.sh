#!/bin/bash
# Takes the README's pictures under Wine on a virtual display: the settings
# dialog with a preview, the about box, and the show. Writes docs/*.png.
# Usage: scripts/screenshots.sh   (after scripts/test.sh or scripts/show.sh has built the program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLIMMERBOX_BUILD_DIR:-$root/build}
state=$build/screenshots
scr=$build/cross/win64/Glimmerbox.scr
wine=/usr/lib/wine/wine64
docs=$root/docs
mkdir -p "$docs"

"$root/tests/wine/harness.sh" start "$state" >/dev/null
trap '"$root/tests/wine/harness.sh" stop "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env"

pictures=$WINEPREFIX/drive_c/pictures
"$root/scripts/make-samples.sh" "$pictures"
printf '[FileName]\r\nNumber=3\r\nFileName0=C:\\pictures\\plasma.bmp\r\nFileName1=C:\\pictures\\sun.bmp\r\nFileName2=C:\\pictures\\title.bmp\r\n[Other]\r\nTime=5\r\n' \
    >"$WINEPREFIX/drive_c/windows/Glimmerbox.ini"

# Geometry "x y width height" of the visible top-level window with this title.
geometry() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "screenshots.sh: no window '$1'" >&2; return 1; }
    xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}

shoot() { # file x y w h
    import -window root -crop "$4x$5+$2+$3" +repage "$1"
}

"$wine" "$scr" &
settings=$!
read -r x y w h < <(geometry Glimmerbox)
sleep 1
# Select the first entry (the list starts 28 of the dialog's 247 units down),
# which shows its preview, then take the dialog.
xdotool mousemove $((x + w * 30 / 244)) $((y + h * 44 / 262)) click 1
sleep 1
shoot "$docs/settings.png" "$x" "$y" "$w" "$h"

# The About button sits at (190, 219) in dialog units.
xdotool mousemove $((x + w * 210 / 244)) $((y + h * 240 / 262)) click 1
read -r ax ay aw ah < <(geometry '关于 Glimmerbox')
sleep 1
shoot "$docs/about.png" "$ax" "$ay" "$aw" "$ah"
xdotool key Escape
sleep 0.5
xdotool key Escape
wait "$settings" || true

"$wine" "$scr" /s &
saver=$!
sleep 4
import -window root "$docs/show.png"
xdotool mousemove 5 5 mousemove 60 60
wait "$saver" || true
echo "screenshots.sh: wrote docs/settings.png, docs/about.png, docs/show.png"
