#!/usr/bin/env bash
# The game window on a large desktop (Xvfb at 2560 x 1600): the launcher's window-size
# button set to x2 makes the game window 1600 x 1200, in the middle of the desktop, and the
# picture in it is the 800 x 600 frame the headless game draws, scaled exactly 2x (every
# pixel a sharp 2 x 2 block). The choice is kept in window.ini, not in gameoption.ini.
#
# Usage: window_scale_test.sh TOVUKA02
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
# The select screen of a computer game, as the headless game draws it.
(cd "$top/game" && "$game" --headless --seed 1 --mode view --frames 80 --shot 79:"$top/select.png") ||
    fail "no headless picture"
cp "$top/game/gameoption.ini" "$top/gameoption.before"

start_xvfb 2560x1600x24 || exit 1
(cd "$top/game" && exec "$game" >"$top/out.log" 2>&1) &
pid=$!
find_game_window || fail "no window"
wait_for 20 launcher_drawn || fail "the launcher was not drawn"
# "Window: x1" -> "Window: x2", in the strip under the mode buttons.
xdotool mousemove --window "$win" 578 468
sleep 0.2
xdotool click 1
sleep 0.3
xdotool mousemove --window "$win" 772 436
sleep 0.2
xdotool click 1
wait_for 15 sh -c "xdotool getwindowgeometry --shell $win | grep -q WIDTH=1600" ||
    fail "the game window is not 1600 wide: $(xdotool getwindowgeometry "$win")"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 1600 ] && [ "$HEIGHT" = 1200 ] || fail "the game window is ${WIDTH}x${HEIGHT}"
[ "$X" = 481 ] && [ "$Y" = 201 ] || fail "the game window is at $X,$Y, not in the middle"
grep -q '^scale=2$' "$top/game/window.ini" || fail "window.ini does not keep the size"
grep -q scale "$top/game/gameoption.ini" && fail "the size went into gameoption.ini"
sleep 2
import -window "$win" "$top/window.png" 2>/dev/null || fail "no screenshot"
convert "$top/select.png" -scale 200% "$top/expected.png"
differ=$(compare -metric AE "$top/window.png" "$top/expected.png" null: 2>&1 | cut -d' ' -f1)
[ "$differ" = 0 ] || fail "$differ pixels differ from the frame scaled 2x"
echo "window scale test passed: 1600 x 1200, the frame scaled exactly 2x"
