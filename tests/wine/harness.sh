#!/bin/bash
# The ground for real runs under Wine: one virtual display and one Wine prefix
# per test run, both kept in STATE_DIR.
#
#   harness.sh start STATE_DIR              start Xvfb, boot a fresh prefix, keep the server alive
#   harness.sh run   STATE_DIR PROGRAM ...  run a Windows program there; its exit code passes through
#   harness.sh stop  STATE_DIR              end the Wine server and Xvfb; nothing stays running
#
# start writes STATE_DIR/env with the variables the runs use. A test that needs a
# clean prefix of its own can `cp -a STATE_DIR/prefix` (under a second).
# shellcheck disable=SC1091 # STATE_DIR/env is written by start
set -euo pipefail

readonly WINE=/usr/lib/wine/wine64
readonly WINESERVER_BIN=/usr/lib/wine/wineserver
readonly SCREEN=1024x768x24

usage() {
    echo "usage: $0 start|stop STATE_DIR | run STATE_DIR PROGRAM [ARGS...]" >&2
    exit 2
}

[ $# -ge 2 ] || usage
command=$1
state=$2
shift 2
case "$state" in /*) ;; *) state=$PWD/$state ;; esac

# The Z: drive maps the Linux root.
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

pid_alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

xvfb_pid() { cat "$state/xvfb.pid" 2>/dev/null || true; }

# Ends what an earlier start left behind; quiet and harmless when nothing is there.
stop_all() {
    if [ -f "$state/env" ]; then
        (. "$state/env" && "$WINESERVER_BIN" -k) >/dev/null 2>&1 || true
        # wineserver -k signals the server; wait until it is really gone.
        (. "$state/env" && timeout 10 "$WINESERVER_BIN" -w) >/dev/null 2>&1 || true
    fi
    local pid
    pid=$(xvfb_pid)
    if pid_alive "$pid"; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do pid_alive "$pid" || break; sleep 0.1; done
        if pid_alive "$pid"; then kill -9 "$pid" 2>/dev/null || true; fi
    fi
    rm -f "$state/env" "$state/xvfb.pid" "$state/display"
}

start_xvfb() {
    : >"$state/display"
    # -displayfd lets Xvfb pick a free display number itself and report it once it
    # accepts connections. setsid and the redirections detach it from the caller,
    # so CTest does not wait for its output pipes.
    setsid Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp \
        3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    local number=""
    for _ in $(seq 100); do
        number=$(tr -dc 0-9 <"$state/display")
        [ -n "$number" ] && break
        pid_alive "$(xvfb_pid)" || break
        sleep 0.1
    done
    if [ -z "$number" ]; then
        echo "harness: Xvfb did not start (see $state/xvfb.log)" >&2
        return 1
    fi
    display=":$number"
    for _ in $(seq 50); do
        xdpyinfo -display "$display" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "harness: Xvfb on $display does not answer" >&2
    return 1
}

write_env() {
    cat >"$state/env" <<EOF
export DISPLAY='$display'
export WINEPREFIX='$state/prefix'
export WINESERVER='$WINESERVER_BIN'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export LC_ALL=zh_CN.UTF-8
EOF
}

start() {
    mkdir -p "$state"
    if [ -f "$state/env" ] && pid_alive "$(xvfb_pid)"; then
        if (. "$state/env" && xdpyinfo >/dev/null 2>&1); then
            return 0 # already running: a second start changes nothing
        fi
    fi
    stop_all
    if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
        echo "harness: locale zh_CN.UTF-8 is missing (run scripts/setup.sh)" >&2
        return 1
    fi
    start_xvfb || { stop_all; return 1; }
    rm -rf "$state/prefix"
    write_env
    . "$state/env"
    {
        # Mono and Gecko are not needed and cannot be downloaded here (overridden in env).
        "$WINE" wineboot -i
        # Without a window manager every closing top-level window costs ~2 s unless
        # Wine manages the windows itself.
        "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
        # A crash must end the process, not wait on a dialog nobody will press.
        "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        # The dialogs ask for the Song face 宋体; a Ming (Song) style font stands in
        # for it. reg.exe would garble the Chinese value name, so regedit reads it
        # from a UTF-16 file.
        printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"宋体"="AR PL UMing CN"\r\n"SimSun"="AR PL UMing CN"\r\n' |
            iconv -f UTF-8 -t UTF-16 >"$state/fonts.reg"
        "$WINE" regedit /S "$(winepath_of "$state/fonts.reg")"
        # Let the server exit once so the registry is on disk (copies of the prefix see it).
        "$WINESERVER_BIN" -w
    } </dev/null >"$state/boot.log" 2>&1 || {
        echo "harness: Wine prefix boot failed (see $state/boot.log)" >&2
        stop_all
        return 1
    }
    # A persistent server saves its start-up on every later run.
    setsid "$WINESERVER_BIN" -p </dev/null >>"$state/boot.log" 2>&1
    # The first run in a prefix starts the system services and the desktop process,
    # which then live as long as the server and keep that run's output open: let a
    # run of ours be the first, so no test's output pipe stays open behind it.
    "$WINE" rundll32 user32.dll,GetDesktopWindow </dev/null >>"$state/boot.log" 2>&1 || true
    echo "harness: display $display, prefix $WINEPREFIX"
}

run() {
    [ $# -ge 1 ] || usage
    if [ ! -f "$state/env" ]; then
        echo "harness: not started ($state/env missing)" >&2
        return 1
    fi
    . "$state/env"
    exec "$WINE" "$@"
}

case "$command" in
    start) start ;;
    stop) if [ -d "$state" ]; then stop_all; fi ;;
    run) run "$@" ;;
    *) usage ;;
esac
