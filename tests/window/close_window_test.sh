#!/usr/bin/env bash
# Closing the game window as a window manager's close button does (a WM_DELETE_WINDOW
# message, sent by the wm_close helper) ends the program cleanly in every state of the game:
# on the launcher, on the select screen, in a running fight, in a paused fight and in the
# tournament's continue wait. Each state is a run of its own. After each close the program
# must have ended by itself with status 0 and no sanitizer report, gameoption.ini must be
# exactly what the mode button wrote (or what it was, on the launcher), and the recording
# of the game in replays/ must be finished and play back headless, ending in the state the
# window was closed in.
#
# Usage: close_window_test.sh TOVUKA02 WM_CLOSE
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
wm_close=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"

top=$(mktemp -d)
pid=
finish() {
    # A game that ignores the close request must not keep the test (or stop_xvfb) waiting.
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    stop_xvfb
    rm -rf "$top"
}
trap finish EXIT
fail() {
    echo "FAIL ($run): $*" >&2
    [ -n "$pid" ] && [ -n "${win:-}" ] && import -window "$win" "$top/$run/failed.png" 2>/dev/null
    [ -n "${KEEP_SHOTS:-}" ] && cp "$top"/*/*.png "$KEEP_SHOTS"/ 2>/dev/null
    exit 1
}
run=set-up
start_xvfb || exit 1

# A game folder: the generated pictures, window mode, no music, plus the given lines.
make_folder() {
    local dir=$top/$1
    mkdir -p "$dir"
    ln -s "$(dirname "$game")/game/Graphic" "$dir/Graphic"
    ln -s "$(dirname "$game")/game/music" "$dir/music"
    printf '[display_mode]\ndisp_mode=1\n[music_mode]\nmusic_mode=2\n%s' "${2:-}" \
        >"$dir/gameoption.ini"
}

# ---- reference pictures, from headless runs of the same game ----
#
# The window shows the very pictures the headless runs draw, so a region of the window is
# recognised by comparing it with the same region of a headless frame.
make_folder refs
refs=$top/refs
cd "$refs" || exit 1
# Both players confirm the first fighter as soon as the select screen takes input.
printf '21 down G\n21 down MBUTTON\n23 up G\n23 up MBUTTON\n' >view.txt
printf '21 down G\n23 up G\n' >tournament.txt
# The number of the first frame whose trace line matches the pattern.
first_frame() {
    local mode=$1 pattern=$2
    "$game" --headless --seed 1 --mode "$mode" --input "$mode.txt" --frames 5000 --trace - |
        grep -m 1 -- "$pattern" | sed 's/^{"frame":\([0-9]*\),.*/\1/'
}
ready=$(first_frame view '"state":4,"phase":0,')
[ -n "$ready" ] || fail "no fight in the headless view game"
printf '%s down ESC\n%s up ESC\n' $((ready + 150)) $((ready + 151)) >>view.txt
"$game" --headless --seed 1 --mode view --input view.txt --frames $((ready + 160)) \
    --shot $((ready + 5)):ready.png --shot $((ready + 60)):go.png \
    --shot $((ready + 155)):paused.png >/dev/null || fail "headless view game failed"
lost=$(first_frame tournament '"state":4,"phase":5,')
[ -n "$lost" ] || fail "player 1 standing idle did not lose the first tournament match"
"$game" --headless --seed 1 --mode tournament --input tournament.txt --frames $((lost + 20)) \
    --shot $((lost + 10)):continue.png >/dev/null || fail "headless tournament game failed"

# Regions of the screen: the left gauges' inner end (only the fight screen has it), the
# READY / FIGHT! banner, the title plate of the pause and of the continue question.
gauges=60x60+300+100
banner=180x60+310+270
plate=360x60+220+230
cut_reference() {
    convert "$1" -crop "$2" +repage "$3" || fail "cannot cut $3 out of $1"
}
cut_reference ready.png $gauges ref-gauges.png
cut_reference ready.png $banner ref-ready.png
cut_reference go.png $banner ref-go.png
cut_reference paused.png $plate ref-paused.png
cut_reference continue.png $plate ref-continue.png

# Pixels of the window's region GEOMETRY that differ from the reference picture.
differing() {
    local n
    n=$(import -window "$win" -crop "$2" +repage png:- 2>/dev/null |
        compare -fuzz 3% -metric AE - "$1" null: 2>&1 | cut -d' ' -f1)
    case "$n" in
        '' | *[!0-9]*) echo 999999 ;;
        *) echo "$n" ;;
    esac
}
# The region shows the reference: fewer than one pixel in twenty differs (a plate's rounded
# corners let the fight behind it through).
shows() {
    local ref=$1 geometry=$2
    local size=${geometry%%+*}
    [ "$(differing "$ref" "$geometry")" -lt $((${size%x*} * ${size#*x} / 20)) ]
}
# Like wait_for, bounded in seconds of the clock however long one look at the window takes.
wait_seconds() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
shows_neither() {
    ! shows "$refs/ref-ready.png" $banner && ! shows "$refs/ref-go.png" $banner
}

# ---- one run ----

# Starts the game in a fresh folder and waits for its launcher to be drawn.
start_game() {
    run=$1
    make_folder "$run" "${2:-}"
    dir=$top/$run
    cd "$dir" || fail "no folder $dir"
    cp gameoption.ini settings.before
    "$game" >"$dir/out.log" 2>&1 &
    pid=$!
    find_game_window || fail "no window appeared"
    wait_for 20 launcher_drawn || fail "the launcher shows only $(window_colours) colours"
}

# Clicks a mode button; the launcher becomes the 800 x 600 game window on the select screen,
# and the settings file holds the 26 values the button wrote.
press_mode_button() {
    click_mode_button "$1" 15 || fail "the game window is ${WIDTH}x${HEIGHT}, not 800x600"
    local values
    values=$(grep -c '^[a-zA-Z0-9_]*=-\?[0-9][0-9]*$' gameoption.ini)
    [ "$values" = 26 ] || fail "the mode button wrote $values values, not 26"
    cp gameoption.ini settings.before
    xdotool windowfocus --sync "$win" 2>/dev/null || true
}

# Answers the select screen (player 1 with G, player 2 with the middle mouse button, which
# a tournament does not need) until the fight screen is there.
choose_fighters() {
    local _
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        press_key g
        xdotool mousedown 2
        sleep 0.15
        xdotool mouseup 2
        if wait_seconds 3 shows "$refs/ref-gauges.png" $gauges; then return 0; fi
    done
    import -window "$win" "$dir/select.png" 2>/dev/null
    fail "no fight screen after choosing"
}

# Sends the close request; the program must end by itself, cleanly, leaving the settings
# file as it was.
close_window() {
    import -window "$win" "$dir/$run.png" 2>/dev/null
    "$wm_close" "$win" || fail "wm_close could not send the close request"
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    wait_for 20 ended || fail "the program still runs 20 s after the close request"
    wait "$pid"
    local status=$?
    pid=
    [ "$status" = 0 ] || fail "exit status $status: $(tail -n 20 out.log)"
    if grep -q -E 'Sanitizer|runtime error' out.log; then
        fail "sanitizer report: $(grep -A 20 -E 'Sanitizer|runtime error' out.log)"
    fi
    cmp -s gameoption.ini settings.before ||
        fail "gameoption.ini changed on close: $(diff settings.before gameoption.ini)"
    if ls gameoption.ini.new-* >/dev/null 2>&1; then fail "a scratch settings file was left"; fi
}

# The one recording of the run is finished (its end line is there) and plays back headless
# to the end, whose trace line must match the pattern.
check_replay() {
    local pattern=$1
    local files=(replays/*.replay)
    if [ ${#files[@]} != 1 ] || [ ! -f "${files[0]}" ]; then fail "not one replay: ${files[*]}"; fi
    local replay=$dir/${files[0]}
    local end
    end=$(tail -n 1 "$replay" | sed -n 's/^end \([0-9][0-9]*\)$/\1/p')
    [ -n "$end" ] || fail "the replay is not finished: it ends with '$(tail -n 1 "$replay")'"
    # Played in the reference folder: watching must not touch this run's files.
    (cd "$refs" && "$game" --headless --replay "$replay" --trace "$dir/trace.jsonl") \
        >"$dir/replay.log" 2>&1 || fail "the replay is refused: $(cat "$dir/replay.log")"
    local frames
    frames=$(wc -l <"$dir/trace.jsonl")
    [ "$frames" = "$end" ] || fail "the replay played $frames frames of its $end"
    local last
    last=$(tail -n 1 "$dir/trace.jsonl")
    [[ "$last" == *"$pattern"* ]] ||
        fail "the replay does not end in the closed state ($pattern): ${last:0:160}"
}

# ---- the states ----

# 1. The launcher: no game was started, so nothing is recorded and nothing is saved.
start_game launcher
close_window
[ -z "$(ls replays 2>/dev/null)" ] || fail "the launcher alone recorded a replay"
echo "closed on the launcher"

# 2. The select screen of a computer-against-computer game.
start_game select
press_mode_button 772  # "View Mode(CPU VS CPU)" is Button4 at (664, 424), 217 x 25
close_window
check_replay '"state":2,'
echo "closed on the select screen"

# 3. A running fight: once the READY and FIGHT! banners are gone, the computers fight (the
# fight proper starts 24 frames after the banner, about a second at 40 ms a frame).
start_game fight
press_mode_button 772
choose_fighters
wait_seconds 15 shows_neither || fail "the READY / FIGHT! banner does not go away"
sleep 3
close_window
check_replay '"state":4,"phase":1,"phaseFrames":'
[[ "$(tail -n 1 trace.jsonl)" == *'"paused":false'* ]] || fail "the fight was paused"
echo "closed in a running fight"

# 4. The same fight paused with one ESC.
start_game paused
press_mode_button 772
choose_fighters
wait_seconds 15 shows_neither || fail "the READY / FIGHT! banner does not go away"
sleep 3
press_key Escape
wait_seconds 10 shows "$refs/ref-paused.png" $plate || fail "ESC did not show the pause"
close_window
check_replay '"paused":true'
[[ "$(tail -n 1 trace.jsonl)" == *'"state":4,'* ]] || fail "not paused in the fight"
echo "closed in a paused fight"

# 5. The tournament's continue wait: the computer beats player 1, who stands idle. The
# fastest speed correction (-39: a 1 ms frame period) makes the fight short; the wait lasts 300
# frames, many screenshots long even so.
start_game tournament $'[wait_load]\nwait_load=-39\n'
press_mode_button 556  # "Single Mode (Tournament)" is Button3 at (448, 424), 217 x 25
choose_fighters
wait_seconds 300 shows "$refs/ref-continue.png" $plate || fail "no continue question within 300 s"
close_window
check_replay '"state":4,"phase":5,'
[[ "$(tail -n 1 trace.jsonl)" == *'"mode":3,'* ]] || fail "not the tournament"
echo "closed in the tournament's continue wait"

[ -n "${KEEP_SHOTS:-}" ] && cp "$top"/*/*.png "$KEEP_SHOTS"/ 2>/dev/null
echo "close window test passed"
