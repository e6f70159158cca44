#!/bin/bash
# Measures the show under Wine on a virtual display and prints figures and ratios,
# each against a floor measured in the same run:
#  - preparing 100 pictures of 640 x 480 (start of "Glimmerbox.scr /s" to its
#    window, which shows once every canvas is built) against a program that only
#    loads the same files with LoadImageA in the same kind of window;
#  - CPU of the show (process plus wineserver, from /proc) over 20 s against a
#    bare program doing SetTimer(50) and one BitBlt of the same canvas size per
#    tick, and the ticks per second of both;
#  - the memory that preparation adds (resident size with 100 pictures less that
#    with 1) against the canvases' own bytes.
# The figures are noisy; compare the ratios. Nothing here is a test.
# Usage: scripts/bench.sh   (GLIMMERBOX_BUILD_DIR: build folder, default build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLIMMERBOX_BUILD_DIR:-$root/build}
bench=$build/bench
state=$build/bench-wine
harness=$root/tests/wine/harness.sh
wine=/usr/lib/wine/wine64

readonly count=100 width=640 height=480 seconds=20 rounds=7
readonly canvasWidth=$((width + 22)) canvasHeight=$((height + 22))

note() { echo "bench.sh: $*" >&2; }

note "building"
"$root/scripts/setup.sh" >/dev/null
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target win64 -j"$(nproc)" >/dev/null
cmake -S "$root/tests/wine/bench" -B "$bench" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-posix.cmake" >/dev/null
cmake --build "$bench" -j"$(nproc)" >/dev/null
scr=$build/cross/win64/Glimmerbox.scr

note "starting a virtual display and a Wine prefix in $state"
"$harness" start "$state" >/dev/null
trap '"$harness" stop "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env"

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
driver() { "$wine" "$bench/bench_driver.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
# The value after a name in "name value" output.
field() { awk -v name="$1" '{ for (i = 1; i < NF; ++i) if ($i == name) print $(i + 1) }'; }

pictures='C:\glimmerbox-bench'
note "drawing $count pictures of $width x $height"
driver pictures "$pictures" $count $width $height >/dev/null
bits=$(driver display | field bits_per_pixel)

# --- Preparation ---------------------------------------------------------------
note "timing the preparation ($rounds rounds)"
driver settings "$pictures" $count 5 >/dev/null
floor=$(windows_path "$bench/bench_floor.exe")
startup=$(driver startup $rounds "$(windows_path "$scr")" /s "$floor" "$pictures $count" "$floor" "$pictures 0")
# "startup INDEX median_ms M min_ms N max_ms X" per program.
median() { echo "$startup" | awk -v i="$1" '$2 == i { print $4 }'; }
minimum() { echo "$startup" | awk -v i="$1" '$2 == i { print $6 }'; }
prepSaver=$(median 0) prepFloor=$(median 1) prepEmpty=$(median 2)
prepSaverMin=$(minimum 0) prepFloorMin=$(minimum 1)

# --- CPU, ticks and memory of the show -------------------------------------------
# CPU time in nanoseconds of all threads of a process (schedstat counts finer
# than the clock ticks of /proc/PID/stat).
cpu() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { if (NR) print sum }'; }
rss_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"; }
server_pid() {
    local pid
    for pid in $(pgrep -x 'wineserver(64)?'); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
server=$(server_pid)
xvfb=$(cat "$state/xvfb.pid")
[ -n "$server" ] || { note "no wineserver for $WINEPREFIX"; exit 1; }

# Percent of one core that a process used between two samples.
percent() { awk -v a="$1" -v b="$2" -v s="$3" 'BEGIN { printf "%.3f", (b - a) / 1e9 / s * 100 }'; }

# Runs the CPU window over a started program: sets <prefix>_proc, _server, _xvfb.
# Fails when the program ended meanwhile.
measure_cpu() {
    local prefix=$1 pid=$2
    local p0 s0 x0 p1 s1 x1
    p0=$(cpu "$pid"); s0=$(cpu "$server"); x0=$(cpu "$xvfb")
    sleep $seconds
    p1=$(cpu "$pid"); s1=$(cpu "$server"); x1=$(cpu "$xvfb")
    [ -n "$p0" ] && [ -n "$p1" ] || return 1
    printf -v "${prefix}_proc" '%s' "$(percent "$p0" "$p1" $seconds)"
    printf -v "${prefix}_server" '%s' "$(percent "$s0" "$s1" $seconds)"
    printf -v "${prefix}_xvfb" '%s' "$(percent "$x0" "$x1" $seconds)"
}

# Starts the show and lets it settle; sets saver. Fails when it ends by itself
# (a stray change of activation on the display ends a screen saver).
start_show() {
    "$wine" "$scr" /s </dev/null >/dev/null 2>&1 &
    saver=$!
    sleep 5
    kill -0 "$saver" 2>/dev/null
}

end_show() {
    xdotool key space
    wait "$saver" || true
}

# The show with all pictures: memory, CPU, then ticks (the screen captures that
# find the canvas cost CPU of their own, so they come after the CPU window).
show_run() {
    start_show || return 1
    rss100=$(rss_kb "$saver")
    measure_cpu show "$saver" || return 1
    ticks=$(driver ticks 15 | field show_ticks_per_second)
    kill -0 "$saver" 2>/dev/null || return 1
    end_show
}

one_picture_run() {
    start_show || return 1
    rss1=$(rss_kb "$saver")
    end_show
}

# Runs a phase, again when the show ended before it was measured.
with_retries() {
    local attempt
    for attempt in 1 2 3; do
        "$@" && return 0
        wait "$saver" 2>/dev/null || true
        note "the show ended before it was measured; again"
        sleep 2
    done
    note "giving up"
    exit 1
}

sleep 2 # let the windows of the timing runs go
note "the show with $count pictures: memory, $seconds s of CPU, then its ticks"
with_retries show_run

note "the show with 1 picture: memory"
driver settings "$pictures" 1 5 >/dev/null
with_retries one_picture_run

note "the bare timer program: $seconds s of CPU"
bareOut=$(mktemp)
"$wine" "$bench/bench_bare.exe" $canvasWidth $canvasHeight $((seconds + 8)) </dev/null >"$bareOut" 2>/dev/null &
bare=$!
sleep 5
measure_cpu bare $bare
wait $bare || true
bareTicks=$(tr -d '\r' <"$bareOut" | field bare_ticks)
bareMs=$(tr -d '\r' <"$bareOut" | field bare_ms)
rm -f "$bareOut"

# --- Report ------------------------------------------------------------------------
awk -v wine="$("$wine" --version)" -v count=$count -v w=$width -v h=$height -v cw=$canvasWidth -v ch=$canvasHeight \
    -v bits="$bits" -v rounds=$rounds -v seconds=$seconds -v cores="$(nproc)" \
    -v prepSaver="$prepSaver" -v prepFloor="$prepFloor" -v prepEmpty="$prepEmpty" \
    -v prepSaverMin="$prepSaverMin" -v prepFloorMin="$prepFloorMin" \
    -v showProc="$show_proc" -v showServer="$show_server" -v showXvfb="$show_xvfb" \
    -v bareProc="$bare_proc" -v bareServer="$bare_server" -v bareXvfb="$bare_xvfb" \
    -v ticks="$ticks" -v bareTicks="$bareTicks" -v bareMs="$bareMs" -v rss100="$rss100" -v rss1="$rss1" '
function mb(kb) { return kb / 1024 }
BEGIN {
    printf "Glimmerbox show benchmark: %s, Xvfb 1024 x 768, display %d bits per pixel, %d cores\n", wine, bits, cores
    printf "%d pictures of %d x %d (canvases %d x %d)\n\n", count, w, h, cw, ch

    printf "Preparation, start of Glimmerbox.scr /s to its window (median of %d; fastest):\n", rounds
    printf "  Glimmerbox, %d pictures          %8.0f ms   (%.0f ms)\n", count, prepSaver, prepSaverMin
    printf "  floor, LoadImageA of the same     %8.0f ms   (%.0f ms)\n", prepFloor, prepFloorMin
    printf "  empty window, no pictures         %8.0f ms\n", prepEmpty
    printf "  ratio Glimmerbox / floor          %8.2f   (fastest runs %.2f; target at most 1.3)\n",
           prepSaver / prepFloor, prepSaverMin / prepFloorMin
    if (prepFloor > prepEmpty)
        printf "  beyond the empty window           %8.2f   (%.0f ms against %.0f ms)\n",
               (prepSaver - prepEmpty) / (prepFloor - prepEmpty), prepSaver - prepEmpty, prepFloor - prepEmpty
    print ""

    show = showProc + showServer; bare = bareProc + bareServer
    printf "CPU over %d s, percent of one core (process + wineserver; Xvfb apart):\n", seconds
    printf "  Glimmerbox show                   %8.2f   (%.2f + %.2f; Xvfb %.2f)\n", show, showProc, showServer, showXvfb
    printf "  bare SetTimer(50) + BitBlt        %8.2f   (%.2f + %.2f; Xvfb %.2f)\n", bare, bareProc, bareServer, bareXvfb
    if (bare > 0) printf "  ratio show / bare                 %8.2f   (target at most 1.1)\n", show / bare
    printf "  ticks per second, show            %8.2f   (from the canvas travel; target at least 19.5)\n", ticks
    printf "  ticks per second, bare            %8.2f   (counted)\n", bareTicks / bareMs * 1000
    print ""

    canvas = cw * ch * bits / 8 / 1024
    added = rss100 - rss1
    printf "Memory, resident size %d s after the start:\n", 5
    printf "  with %d pictures                  %8.1f MB\n", count, mb(rss100)
    printf "  with 1 picture                    %8.1f MB\n", mb(rss1)
    printf "  added by %d more canvases         %8.1f MB\n", count - 1, mb(added)
    printf "  their own bytes (%d x %d x %d B)  %8.1f MB\n", count - 1, cw * ch, bits / 8, mb((count - 1) * canvas)
    printf "  beyond the canvases               %8.1f MB   (target at most 16 MB)\n", mb(added - (count - 1) * canvas)
}'
