#!/usr/bin/env bash
# The installed game as a player meets it: installed into a scratch prefix that is then
# made read-only, started with a fresh home under Xvfb. The per-user folder
# (~/.local/share/tovuka02) appears with links to the installed pictures and music; a game
# started from the launcher writes its settings and its replay there and nothing under
# the prefix; a second start reads the settings back (its own save keeps the difficulty
# the first start chose).
#
# Usage: installed_game_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../window/xvfb_session.sh"
top=$(mktemp -d)
pid=
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    stop_xvfb
    chmod -R u+w "$top" 2>/dev/null
    rm -rf "$top"
}
trap finish EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$top/out.log" ] && tail -n 5 "$top/out.log" >&2; exit 1; }

DESTDIR="$top/root" cmake --install "$build" --prefix /usr >/dev/null 2>&1 || fail "install failed"
prefix=$top/root/usr
chmod -R a-w "$top/root"
before=$(find "$top/root" -printf '%p %s %T@\n' | sort)
home=$top/home
mkdir -p "$home"
folder=$home/.local/share/tovuka02
start_xvfb || exit 1

# One start from a folder that is no game folder, as a desktop's menu starts it.
start() {
    (cd / && HOME="$home" XDG_DATA_HOME= exec "$prefix/bin/tovuka02" >>"$top/out.log" 2>&1) &
    pid=$!
    find_game_window || fail "no window"
    wait_for 20 launcher_drawn || fail "the launcher was not drawn"
}
# View Mode, then ESC twice in the game; the program must end by itself.
play_and_quit() {
    click_mode_button 772 15 || fail "no game window after the mode button"
    xdotool windowfocus --sync "$win" 2>/dev/null || true
    sleep 1
    press_key Escape
    press_key Escape
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    wait_for 20 ended || fail "the game did not end after ESC twice"
    wait "$pid"
    local status=$?
    pid=
    [ "$status" = 0 ] || fail "the game ended with $status"
}

start
[ -d "$folder" ] || fail "no per-user folder $folder"
[ "$(readlink "$folder/Graphic")" = "$prefix/share/tovuka02/Graphic" ] ||
    fail "Graphic is no link to the installed pictures: $(ls -l "$folder")"
[ "$(readlink "$folder/music")" = "$prefix/share/tovuka02/music" ] || fail "music is no link"
# The third weight class (RadioGroup4's third item), then a game.
xdotool mousemove --window "$win" 22 272
sleep 0.2
xdotool click 1
sleep 0.3
play_and_quit
[ -f "$folder/gameoption.ini" ] || fail "no settings in the per-user folder"
grep -q '^game_mode=2$' "$folder/gameoption.ini" || fail "the chosen difficulty was not saved"
ls "$folder"/replays/*.replay >/dev/null 2>&1 || fail "no replay in the per-user folder"
after=$(find "$top/root" -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "something was written under the prefix: $(diff <(echo "$before") <(echo "$after") | head -n 5)"
[ ! -e /gameoption.ini ] || fail "settings were written where the program was started"

# The second start reads them back: its own save, untouched on the launcher, keeps them.
start
play_and_quit
grep -q '^game_mode=2$' "$folder/gameoption.ini" || fail "the second start did not read the settings back"
[ "$(ls "$folder"/replays/*.replay | wc -l)" = 2 ] || fail "not two replays"
echo "installed game test passed"
