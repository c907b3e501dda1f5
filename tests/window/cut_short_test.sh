#!/usr/bin/env bash
# A game in the window that is ended from outside: the terminal hangs up (SIGHUP), the
# process is killed with SIGQUIT, the X server goes away. The hang-up ends the program as a
# close request does (status 0, the recording finished); after the two crashes the recording
# in replays/ plays back headless to within a second of where the game stopped. The game
# idles on a computer-against-computer select screen, where nothing changes from frame to
# frame: only the recording's progress marks tell how far it got.
#
# Usage: cut_short_test.sh TOVUKA02
set -u
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xvfb_session.sh"
ulimit -c 0  # no core files from the SIGQUIT

top=$(mktemp -d)
pid=
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    stop_xvfb
    rm -rf "$top"
}
trap finish EXIT
fail() {
    echo "FAIL ($run): $*" >&2
    [ -f "${dir:-/nonexistent}/out.log" ] && tail -n 20 "$dir/out.log" >&2
    exit 1
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Starts the game in a fresh folder, clicks "View Mode(CPU VS CPU)" and lets the select
# screen run for about four seconds; leaves the moment of the click in started.
start_and_idle() {
    run=$1
    dir=$top/$run
    window_game_folder "$dir"
    cd "$dir" || fail "no folder $dir"
    # A job started in the background of a script ignores SIGQUIT and SIGINT; a game
    # started from a terminal does not.
    env --default-signal=QUIT,INT "$game" >"$dir/out.log" 2>&1 &
    pid=$!
    find_game_window || fail "no window appeared"
    wait_for 20 launcher_drawn || fail "the launcher was not drawn"
    click_mode_button 772 15 || fail "no game window"
    started=$(now_ms)
    sleep 4
}

# Waits for the program to end by itself; its exit status goes into status.
wait_end() {
    ended() { ! kill -0 "$pid" 2>/dev/null; }
    wait_for 20 ended || fail "the program still runs 20 s later"
    wait "$pid"
    status=$?
    pid=
}

# The recording plays back headless; sets frames to the number of frames it played.
play_replay() {
    local files=(replays/*.replay)
    [ -f "${files[0]}" ] || fail "no recording"
    replay=$dir/${files[0]}
    "$game" --headless --replay "$replay" --trace "$dir/trace.jsonl" >"$dir/replay.log" 2>&1 ||
        fail "the recording is refused: $(cat "$dir/replay.log")"
    frames=$(wc -l <"$dir/trace.jsonl")
}

# The recording reaches to within a second (25 frames at 40 ms) of the moment the game
# stopped, measured from the mode button; it cannot hold more frames than there was time for.
check_reaches() {
    local stopped=$1
    local ran=$(((stopped - started) / 40))
    play_replay
    [ "$frames" -ge $((ran - 25 - 5)) ] ||
        fail "the recording plays $frames frames; the game ran about $ran"
    [ "$frames" -le $((ran + 5)) ] || fail "the recording plays $frames frames of about $ran"
    echo "$run: the game ran about $ran frames, its recording plays $frames"
}

start_xvfb || exit 1

# 1. The terminal hangs up: the program closes as asked, the recording is finished.
start_and_idle hangup
kill -HUP "$pid"
wait_end
[ "$status" = 0 ] || fail "exit status $status after SIGHUP"
play_replay
end=$(tail -n 1 "$replay" | sed -n 's/^end \([0-9][0-9]*\)$/\1/p')
[ -n "$end" ] || fail "the recording is not finished: '$(tail -n 1 "$replay")'"
[ "$frames" = "$end" ] || fail "the recording played $frames of its $end frames"
[ "$end" -ge 75 ] || fail "only $end frames recorded in four seconds"
echo "hangup: closed cleanly after $end frames"

# 2. Killed with SIGQUIT: no end line, but the marks.
start_and_idle quit
kill -QUIT "$pid"
stopped=$(now_ms)
wait_end
[ "$status" != 0 ] || fail "SIGQUIT did not end the program"
tail -n 1 replays/*.replay | grep -q '^end ' && fail "a killed game wrote its end line"
check_reaches "$stopped"

# 3. The X server goes away under the game.
start_and_idle xserver
kill -9 "$XVFB_PID"
stopped=$(now_ms)
XVFB_PID=
wait_end
check_reaches "$stopped"

echo "cut short test passed"
