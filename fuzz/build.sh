#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ (beside this folder unless given).
#   fuzz/build.sh [output dir]
# Run one for a few minutes, e.g.:
#   build-fuzz/wave_parser_fuzz -max_total_time=240 -max_len=4096 build-fuzz/corpus-wave
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
out="${1:-$root/build-fuzz}"
mkdir -p "$out" "$out/corpus-wave" "$out/corpus-midi" "$out/corpus-script" "$out/corpus-ini" \
    "$out/corpus-bmp" "$out/corpus-replay" "$out/corpus-net"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I "$root/src")
clang++ "${flags[@]}" "$here/wave_parser_fuzz.cpp" "$root/src/audio/wave_parser.cpp" \
    -o "$out/wave_parser_fuzz"
clang++ "${flags[@]}" "$here/midi_file_fuzz.cpp" "$root/src/audio/midi_file.cpp" \
    -o "$out/midi_file_fuzz"

clang++ "${flags[@]}" "$here/input_script_fuzz.cpp" "$root/src/app/input_script.cpp" \
    "$root/src/platform/read_file.cpp" \
    -o "$out/input_script_fuzz"
clang++ "${flags[@]}" "$here/ini_file_fuzz.cpp" "$root/src/platform/ini_file.cpp" \
    "$root/src/platform/read_file.cpp" -o "$out/ini_file_fuzz"
clang++ "${flags[@]}" $(pkg-config --cflags sdl2 SDL2_ttf) "$here/replay_file_fuzz.cpp" \
    "$root/src/app/replay_file.cpp" "$root/src/app/input_script.cpp" \
    "$root/src/platform/read_file.cpp" -o "$out/replay_file_fuzz"
clang++ "${flags[@]}" "$here/net_message_fuzz.cpp" "$root/src/net/protocol.cpp" \
    -o "$out/net_message_fuzz"
clang++ "${flags[@]}" $(pkg-config --cflags sdl2) "$here/sheet_loader_fuzz.cpp" \
    "$root/src/gfx/sheets.cpp" "$root/src/gfx/bitmap_file.cpp" "$root/src/gfx/sheet_pixels.cpp" \
    "$root/src/gfx/display.cpp" "$root/src/gfx/draw.cpp" "$root/src/gfx/player_colours.cpp" \
    "$root/src/gfx/recolour.cpp" "$root/src/colours/fighter_colours.cpp" \
    "$root/src/colours/palette.cpp" \
    "$root/src/engine/fighter.cpp" \
    $(pkg-config --libs sdl2 SDL2_ttf) -o "$out/sheet_loader_fuzz"

# Seeds: a minimal WAVE file and a minimal MIDI file.
printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x04\x00\x00\x00\x80\x90\xa0\xb0' \
    > "$out/corpus-wave/seed.wav"
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x0c\x00\x90\x3c\x64\x30\x80\x3c\x40\x00\xff\x2f\x00' \
    > "$out/corpus-midi/seed.mid"
printf '# a script\n0 down A\n12 up A\n3 down ESC\n' > "$out/corpus-script/seed.txt"
printf '[player1_ctrl_mode]\nkey_dis=1800\nctrl_mode = -1\n[display_mode]\r\ndisp_mode=5\r\n' \
    > "$out/corpus-ini/seed.ini"
# A short recording: the header, a few events, a mark, the end.
{ printf 'TOVUKA02 REPLAY\nversion 2\nseed 5\nmode 2\ndisplayMode 1\ndifficulty 2\nmusicMode 2\n'
  printf 'controlMethod 1 0\npadButton 0 1 2 0 1 2\nkeyItem 7 29 10 25 13 14 16 3 4 5 6 2 0 1\n'
  printf 'speed 0\npadBoxEnabled 0 1\nspeedCaption x=0\ndeadZone 1800\nevents\n'
  printf -- '-1 caps 1 0 65535\n-1 pad 1 32767 32767 0 0\n3 down A\n5 press ESC\n7 up A\n'
  printf '9 nopad 1\n17 mark\nend 20\n'; } > "$out/corpus-replay/seed.replay"
# An inputs message: frames 5..7, acknowledging frame 3, at frame 6, no checksum yet.
printf '\x04\x05\x00\x00\x00\x03\x01\x10\x20\x03\x00\x00\x00\x06\x00\x00\x00\x01\xff\xff\xff\xff\x00\x00\x00\x00\x00\x00\x00\x00' \
    >"$out/corpus-net/inputs.bin"
printf '\x01\x54\x4b\x56\x32\x01\x00\x11\x22\x33\x44\x55\x66\x77\x88' >"$out/corpus-net/hello.bin"
# A 2 x 2 8-bit bitmap with a 256-entry colour table.
{ printf 'BM\x46\x04\x00\x00\x00\x00\x00\x00\x36\x04\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00'
  printf '\x02\x00\x00\x00\x01\x00\x08\x00\x00\x00\x00\x00\x10\x00\x00\x00'
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00'
  head -c 1024 /dev/zero | tr '\0' '\100'
  printf '\x00\x01\x00\x00\x01\x00\x00\x00'; } > "$out/corpus-bmp/seed.bmp"
echo "built: $out/{wave_parser,midi_file,input_script,ini_file,sheet_loader,replay_file,net_message}_fuzz"
