#!/usr/bin/env bash
# Records the golden replays from their key scripts (*.keys beside this file): a free
# fight, a versus match with a pause, a tournament lost, continued, given up and begun
# again, and a computer fight that ends in a special finish. Run it only when the game's
# behaviour is meant to change, then refresh expected.txt:
#   tests/golden/record.sh build/release/tovuka02
#   TOVUKA_GOLDEN_UPDATE=1 build/release/tests/tovuka_tests --gtest_filter='GoldenReplays.*'
# and say in the commit why the games now play differently.
set -euo pipefail
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

record() {  # name seed mode frames [options]
    local name=$1 seed=$2 mode=$3 frames=$4
    shift 4
    rm -f "$here/$name.replay"
    (cd "$work" && "$game" --headless --seed "$seed" --mode "$mode" --frames "$frames" \
        --input "$here/$name.keys" --record "$here/$name.replay" "$@")
    echo "recorded $name.replay"
}
record free 21 free 4000 --difficulty 2
record vs 22 vs 4000
record tournament 8 tournament 9600 --difficulty 1
record view 11 view 3000
