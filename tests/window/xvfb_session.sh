# Shared by the window tests: starts a private Xvfb display and stops it on exit.
# Usage: source this file, then call start_xvfb [WIDTHxHEIGHTxDEPTH] (1280x1024x24 unless
# given).

start_xvfb() {
    local screen=${1:-1280x1024x24}
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 100); do
                if xdpyinfo >/dev/null 2>&1 || xdotool getdisplaygeometry >/dev/null 2>&1; then
                    return 0
                fi
                if ! kill -0 "$XVFB_PID" 2>/dev/null; then break; fi
                sleep 0.1
            done
            kill "$XVFB_PID" 2>/dev/null
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
}

# Waits until the command succeeds, at most $1 seconds.
wait_for() {
    local limit=$1
    shift
    local i
    for i in $(seq 1 $((limit * 10))); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Holds a key for a few frames: a tap shorter than a frame can be missed.
press_key() {
    xdotool keydown "$1"
    sleep 0.15
    xdotool keyup "$1"
    sleep 0.15
}

# Waits (at most 30 s) for the game's window and sets win to its id.
find_game_window() {
    wait_for 30 xdotool search --name '^TOVUKA02$' || return 1
    win=$(xdotool search --name '^TOVUKA02$' | head -n 1)
}

# How many colours the window shows: a drawn launcher has many (its first frame builds the
# fonts), a blank window one.
window_colours() { import -window "$win" -format '%k' info: 2>/dev/null || echo 0; }
launcher_drawn() { [ "$(window_colours)" -gt 30 ]; }

# The window has become the 800 x 600 game window; leaves X, Y, WIDTH and HEIGHT set.
is_game_window() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ]
}

# Clicks the launcher's mode button whose middle is at x = $1 (the buttons' row is at
# y = 436: Tournament 556, View 772) and waits at most $2 seconds for the game window.
click_mode_button() {
    xdotool mousemove --window "$win" "$1" 436
    sleep 0.2
    xdotool click 1
    wait_for "$2" is_game_window
}

# Makes $1 a game folder for the window tests: the generated pictures beside the game
# binary $game, the window display mode and no music.
window_game_folder() {
    mkdir -p "$1"
    ln -s "$(dirname "$game")/game/Graphic" "$1/Graphic"
    printf '[display_mode]\ndisp_mode=1\n[music_mode]\nmusic_mode=2\n' >"$1/gameoption.ini"
}
