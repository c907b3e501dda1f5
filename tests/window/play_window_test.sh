#!/usr/bin/env bash
# The game in a real window under Xvfb, played as a person would: the launcher opens, a mode
# button is clicked with the mouse, the fighters are chosen with the keyboard, the fight
# runs, ESC pauses, SPACE resumes, ESC twice ends the program.
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
trap stop_xvfb EXIT
start_xvfb || exit 1

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# A game folder of its own: the generated pictures and music, window mode, no music.
work=$(mktemp -d)
ln -s "$(dirname "$game")/game/Graphic" "$work/Graphic"
ln -s "$(dirname "$game")/game/music" "$work/music"
printf '[display_mode]\ndisp_mode=1\n[music_mode]\nmusic_mode=2\n' > "$work/gameoption.ini"
cd "$work"
"$game" >"$work/out.log" 2>&1 &
pid=$!

find_game_window || fail "no window appeared"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" = 898 ] && [ "$HEIGHT" = 505 ] || fail "launcher is ${WIDTH}x${HEIGHT}, not 898x505"

# Not a blank window: a drawn launcher has many colours.
wait_for 20 launcher_drawn || fail "the launcher shows only $(window_colours) colours"
import -window "$win" "$work/launcher.png" 2>/dev/null

# "View Mode(CPU VS CPU)" is Button4 at (664, 424), 217 x 25.
click_mode_button 772 15 || fail "the game window is ${WIDTH}x${HEIGHT}, not 800x600"
# Centred on the 1280 x 1024 screen: left 640 - 399, top 512 - 299.
[ "$X" = 241 ] && [ "$Y" = 213 ] || fail "game window at $X,$Y, not 241,213"
[ -f "$work/gameoption.ini" ] || fail "no settings file written"
values=$(grep -c '=' "$work/gameoption.ini")
[ "$values" = 26 ] || fail "the settings file holds $values values, not 26"
grep -q '^disp_mode=1' "$work/gameoption.ini" || fail "the display mode was not kept"

# The select screen: player 1 confirms with G, player 2 with the middle mouse button; keep
# answering until the fight screen is there (its health bar at y 117..126, left of x 359).
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 1
import -window "$win" "$work/select.png" 2>/dev/null
pixel() { convert "$1" -crop 1x1+300+121 -depth 8 txt:- 2>/dev/null | tail -n 1 | cut -d' ' -f2-; }
select_pixel=$(pixel "$work/select.png")
fighting=no
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    press_key g
    xdotool mousedown 2
    sleep 0.15
    xdotool mouseup 2
    sleep 1.5
    import -window "$win" "$work/fight.png" 2>/dev/null
    if [ "$(pixel "$work/fight.png")" != "$select_pixel" ]; then fighting=yes; break; fi
done
[ "$fighting" = yes ] || fail "no fight screen after choosing"
press_key Escape
sleep 0.3
kill -0 "$pid" 2>/dev/null || fail "one ESC ended the program; it should only pause"
press_key space
sleep 0.3
press_key Escape
press_key Escape
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "ESC ESC did not end the program"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status: $(cat "$work/out.log")"
[ -n "${KEEP_SHOTS:-}" ] && cp "$work"/*.png "$KEEP_SHOTS"/ 2>/dev/null
rm -rf "$work"
echo "window test passed"
