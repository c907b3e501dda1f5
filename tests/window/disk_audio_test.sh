#!/usr/bin/env bash
# The sound of a short fight: SDL's disk audio driver writes the game's mix to a file, which
# must hold the effects (the select confirmation, swings, hits), not silence.
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
trap stop_xvfb EXIT
start_xvfb || exit 1

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

work=$(mktemp -d)
ln -s "$(dirname "$game")/game/Graphic" "$work/Graphic"
ln -s "$(dirname "$game")/game/music" "$work/music"
# Window mode, no music: what the file holds is the effects alone.
printf '[display_mode]\ndisp_mode=1\n[music_mode]\nmusic_mode=2\n' > "$work/gameoption.ini"
cd "$work"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/out.raw" "$game" >"$work/out.log" 2>&1 &
pid=$!

find_game_window || fail "no window appeared"
wait_for 20 launcher_drawn || fail "the launcher was never drawn"
click_mode_button 772 20 || fail "the game did not start"  # "View Mode(CPU VS CPU)"
xdotool windowfocus --sync "$win" 2>/dev/null || true
sleep 1.5
press_key g  # player 1 confirms; player 2 with the middle mouse button
xdotool mousedown 2
sleep 0.15
xdotool mouseup 2
sleep 12  # the ready call and some seconds of fight between the two computer players
press_key Escape
press_key Escape
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for 20 ended || fail "ESC ESC did not end the program"
wait "$pid" || fail "exit status $?: $(cat "$work/out.log")"

[ -s "$work/out.raw" ] || fail "no audio was written"
# 16-bit signed stereo samples: the loudest one, and how many are not near silence.
read -r peak loud < <(od -An -v -t d2 -w2 "$work/out.raw" |
    awk '{ v = $1 < 0 ? -$1 : $1; if (v > p) p = v; if (v > 1000) n++ } END { print p + 0, n + 0 }')
echo "peak $peak, samples above 1000: $loud"
[ "$peak" -gt 4000 ] || fail "the mix is (nearly) silent: peak $peak"
[ "$loud" -gt 2000 ] || fail "too little sound: $loud loud samples"
rm -rf "$work"
echo "disk audio test passed"
