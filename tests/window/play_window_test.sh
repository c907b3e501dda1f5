#!/usr/bin/env bash
# The game in a real window under Xvfb: the launcher opens, a mode starts the game in the
# borderless 800 x 600 window, and ESC twice closes it.
set -u
game=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
trap stop_xvfb EXIT
start_xvfb || exit 1

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

work=$(mktemp -d)
cd "$work"
"$game" >"$work/out.log" 2>&1 &
pid=$!

wait_for 20 xdotool search --name '^TOVUKA02$' || fail "no window appeared"
win=$(xdotool search --name '^TOVUKA02$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 898 ] && [ "$HEIGHT" = 505 ] || fail "launcher is ${WIDTH}x${HEIGHT}, not 898x505"

xdotool windowfocus --sync "$win" 2>/dev/null || true
press_key 2  # the VS mode button
game_window() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ]
}
wait_for 10 game_window || fail "the game window is ${WIDTH}x${HEIGHT}, not 800x600"
# Centred on the 1280 x 1024 screen: left 640 - 399, top 512 - 299.
[ "$X" = 241 ] && [ "$Y" = 213 ] || fail "game window at $X,$Y, not 241,213"

press_key Escape
kill -0 "$pid" 2>/dev/null || fail "one ESC ended the program; it should only pause"
press_key Escape
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 10 ended || fail "ESC ESC did not end the program"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status: $(cat "$work/out.log")"
rm -rf "$work"
echo "window test passed"
