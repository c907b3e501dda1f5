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
mkdir -p "$out" "$out/corpus-wave" "$out/corpus-midi"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I "$root/src")
clang++ "${flags[@]}" "$here/wave_parser_fuzz.cpp" "$root/src/audio/wave_parser.cpp" \
    -o "$out/wave_parser_fuzz"
clang++ "${flags[@]}" "$here/midi_file_fuzz.cpp" "$root/src/audio/midi_file.cpp" \
    -o "$out/midi_file_fuzz"

# Seeds: a minimal WAVE file and a minimal MIDI file.
printf 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x04\x00\x00\x00\x80\x90\xa0\xb0' \
    > "$out/corpus-wave/seed.wav"
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x0c\x00\x90\x3c\x64\x30\x80\x3c\x40\x00\xff\x2f\x00' \
    > "$out/corpus-midi/seed.mid"
echo "built: $out/wave_parser_fuzz $out/midi_file_fuzz"
