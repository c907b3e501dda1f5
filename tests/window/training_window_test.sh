#!/usr/bin/env bash
# The training room from the launcher's "Training" button under Xvfb: the window becomes
# the game window on the training room's select screen; player 1's G picks both fighters;
# ESC twice ends the program, and the recording plays back headless as a training game.
#
# Usage: training_window_test.sh TOVUKA02
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
top=$(mktemp -d)
pid=
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    stop_xvfb
    rm -rf "$top"
}
trap finish EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

window_game_folder "$top/game"
start_xvfb || exit 1
(cd "$top/game" && exec "$game" >"$top/out.log" 2>&1) &
pid=$!
find_game_window || fail "no window"
wait_for 20 launcher_drawn || fail "the launcher was not drawn"
# "Training" spans the free room under the two key groups: (512, 393), 369 x 25.
xdotool mousemove --window "$win" 696 405
sleep 0.2
xdotool click 1
wait_for 15 is_game_window || fail "no game window after Training"
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 1.5
press_key g
sleep 0.5
press_key g
sleep 3
press_key Escape
press_key Escape
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "the program still runs after ESC twice"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "exit status $status"
replay=$(ls "$top"/game/replays/*.replay 2>/dev/null | head -n 1)
[ -n "$replay" ] || fail "no recording"
grep -q '^mode 5$' "$replay" || fail "the recording is no training game"
(cd "$top/game" && "$game" --headless --replay "$replay" --trace "$top/trace.jsonl") ||
    fail "the recording does not play"
tail -n 1 "$top/trace.jsonl" | grep -q '"state":4,' || fail "the training fight did not begin"
tail -n 1 "$top/trace.jsonl" | grep -q '"training":{' || fail "no training fields"
echo "training window test passed"
