#!/usr/bin/env bash
# ESC on the launcher in a real window under Xvfb: while a key box is being edited, ESC ends
# the editing and two ESC presses leave the launcher running (and SPACE typed there is the
# box's); on the plain launcher, with nothing being edited, ESC twice ends the program.
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
trap 'stop_xvfb; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT
start_xvfb || exit 1

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }
running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }

work=$(mktemp -d)
window_game_folder "$work"
cd "$work"

# Starts the program and waits for its drawn launcher.
start_launcher() {
    "$game" >"$work/out.log" 2>&1 &
    pid=$!
    find_game_window || fail "no window appeared"
    wait_for 20 launcher_drawn || fail "the launcher shows only $(window_colours) colours"
    xdotool windowfocus --sync "$win" 2>/dev/null || true
    sleep 0.5
}

# 1. Player 1's first key box (its edit part at 584..655 x 208..228): click into it, type a
# space, then ESC twice.
start_launcher
xdotool mousemove --window "$win" 612 218
sleep 0.2
xdotool click 1
sleep 0.5
press_key space
press_key Escape
press_key Escape
sleep 1.5
running || fail "ESC twice while editing a key box ended the program"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 898 ] && [ "$HEIGHT" = 505 ] || fail "the launcher is gone (${WIDTH}x${HEIGHT})"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=

# 2. The plain launcher, nothing being edited: ESC twice ends the program, status 0.
start_launcher
press_key Escape
press_key Escape
wait_for 20 ended || fail "ESC ESC on the plain launcher did not end the program"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status: $(cat "$work/out.log")"
rm -rf "$work"
echo "window test passed"
