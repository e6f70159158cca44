#!/bin/bash
# Runs the show: builds Glimmerbox.scr, draws a few sample pictures, writes a
# settings file for them and starts "Glimmerbox.scr /s" under Wine.
#  - On your X display (when DISPLAY answers): watch it, then press a key or
#    move the mouse to end it.
#  - Otherwise on a virtual display: records about ten seconds of the screen
#    into an animated GIF and a screenshot, ends the show and says where they are.
# Usage: scripts/show.sh           (as root on a fresh Debian 12: installs what it needs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLIMMERBOX_BUILD_DIR:-$root/build}
show=$build/show
wine=/usr/lib/wine/wine64

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target win64 win32 -j"$(nproc)" >/dev/null
scr=$build/cross/win64/Glimmerbox.scr
mkdir -p "$show"

virtual=yes
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    virtual=no
fi

if [ $virtual = yes ]; then
    "$root/tests/wine/harness.sh" start "$show/wine" >/dev/null
    trap '"$root/tests/wine/harness.sh" stop "$show/wine"' EXIT
    # shellcheck disable=SC1091
    . "$show/wine/env"
else
    export WINEPREFIX=$show/prefix WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "show.sh: preparing a Wine prefix in $WINEPREFIX"
        "$wine" wineboot -i >/dev/null 2>&1
    fi
fi

# Sample pictures, drawn here (never downloaded), in the prefix's C:\pictures.
pictures=$WINEPREFIX/drive_c/pictures
"$root/scripts/make-samples.sh" "$pictures"

printf '[FileName]\r\nNumber=4\r\nFileName0=C:\\pictures\\plasma.bmp\r\nFileName1=C:\\pictures\\sun.bmp\r\nFileName2=C:\\pictures\\title.bmp\r\nFileName3=C:\\pictures\\checks.bmp\r\n[Other]\r\nTime=5\r\n' \
    >"$WINEPREFIX/drive_c/windows/Glimmerbox.ini"

if [ $virtual = no ]; then
    echo "show.sh: the show runs on $DISPLAY; press a key or move the mouse to end it."
    "$wine" "$scr" /s
    exit 0
fi

"$wine" "$scr" /s &
saver=$!
sleep 2
frames=$show/frames
rm -rf "$frames"
mkdir -p "$frames"
for i in $(seq -w 0 39); do
    import -window root "$frames/$i.png"
    sleep 0.2
done
cp "$frames/20.png" "$show/show.png"
convert -delay 25 -loop 0 "$frames"/*.png -resize 50% "$show/show.gif"
xdotool key space 2>/dev/null || true
xdotool mousemove 10 10 mousemove 40 40 2>/dev/null || true
wait "$saver" || true
echo "show.sh: recorded the show on a virtual display:"
echo "  animation:  $show/show.gif"
echo "  screenshot: $show/show.png"
