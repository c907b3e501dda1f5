#!/usr/bin/env bash
# A network game in the window under Xvfb: `tovuka02 --host PORT` waits in its window, a
# headless game joins and plays a scripted match; both end after the joiner's frames with
# status 0, and the window's recording in replays/ plays back offline to the joiner's
# trace. Then the same start again, and ESC pressed twice in the window ends the game for
# both: the window closes, the joiner says the other player left.
#
# Usage: netplay_window_test.sh TOVUKA02
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
fail() { echo "FAIL ($run): $*" >&2; exit 1; }
run=set-up
start_xvfb || exit 1

# 1. A whole scripted game.
run=match
window_game_folder "$top/host"
window_game_folder "$top/join"
port=$((20000 + RANDOM % 20000))
(cd "$top/host" && exec "$game" --host "$port" >out.log 2>&1) &
pid=$!
find_game_window || fail "no window"
(cd "$top/join" && "$game" --headless --mode vs --join "127.0.0.1:$port" \
    --input "$here/../net/join.keys" --frames 600 --trace trace.jsonl 2>err.txt)
status=$?
[ "$status" = 0 ] || fail "the joiner ended with $status: $(cat "$top/join/err.txt")"
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "the window still runs after the game"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "the window ended with $status: $(tail -n 5 "$top/host/out.log")"
replay=$(ls "$top"/host/replays/*.replay 2>/dev/null | head -n 1)
[ -n "$replay" ] || fail "the window recorded nothing"
(cd "$top/join" && "$game" --headless --replay "$replay" --trace offline.jsonl) ||
    fail "the window's recording does not play"
cmp -s "$top/join/trace.jsonl" "$top/join/offline.jsonl" ||
    fail "the window's recording plays another game than the joiner's trace"
grep -q '^disp_mode=1' "$top/host/gameoption.ini" || fail "the settings file lost its values"
grep -q 'keyboard_button' "$top/host/gameoption.ini" &&
    fail "the network keys were written into the player's settings"
echo "a network match in the window: recorded and played back alike"

# 2. ESC twice leaves, for both.
run=leave
rm -rf "$top/host" "$top/join"
window_game_folder "$top/host"
window_game_folder "$top/join"
port=$((port + 1))
(cd "$top/host" && exec "$game" --host "$port" >out.log 2>&1) &
pid=$!
find_game_window || fail "no window"
(cd "$top/join" && exec "$game" --headless --mode vs --join "127.0.0.1:$port" \
    --input "$here/../net/join.keys" --trace trace.jsonl 2>err.txt) &
joiner=$!
sleep 3
xdotool windowfocus --sync "$win" 2>/dev/null || true
press_key Escape
kill -0 "$pid" 2>/dev/null || fail "one ESC ended the window"
press_key Escape
wait_for 20 ended || fail "the window still runs after ESC twice"
wait "$pid"
status=$?
pid=
[ "$status" = 0 ] || fail "the window ended with $status"
wait "$joiner"
status=$?
[ "$status" = 0 ] || fail "the joiner ended with $status: $(cat "$top/join/err.txt")"
grep -q "the other player left" "$top/join/err.txt" || fail "the joiner did not say: $(cat "$top/join/err.txt")"
echo "ESC twice in the window ended the game on both sides"
echo "network window test passed"
