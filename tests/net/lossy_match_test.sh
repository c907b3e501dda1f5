#!/usr/bin/env bash
# Two headless games play a scripted versus match over the network on this machine, through
# a lossy relay (udp_relay): select, walking, attacks, guards, a knock-out, the next select.
# Both must finish with status 0 and write the same trace line for line, and the host's
# recording played back offline must give that trace again. Run once for each of the
# relay's settings given as DELAY:JITTER:LOSS.
#
# Usage: lossy_match_test.sh TOVUKA02 UDP_RELAY DELAY:JITTER:LOSS...
set -u
game=$1
relay=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
top=$(mktemp -d)
pids=()
finish() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$top"
}
trap finish EXIT
fail() { echo "FAIL ($name): $*" >&2; exit 1; }
frames=3200

for setting in "$@"; do
    IFS=: read -r delay jitter loss <<<"$setting"
    name="delay ${delay} ms, jitter ${jitter} ms, loss ${loss}%"
    dir=$top/$delay
    mkdir -p "$dir/host" "$dir/join"
    port=$((20000 + (RANDOM % 20000)))
    "$relay" $((port + 1)) "$port" "$delay" "$jitter" "$loss" 7 2>"$dir/relay.log" &
    relay_pid=$!
    pids+=("$relay_pid")
    start=$SECONDS
    (cd "$dir/host" && exec "$game" --headless --mode vs --host "$port" --seed 9 \
        --input "$here/host.keys" --frames "$frames" --trace trace.jsonl --record match.replay \
        --bench >bench.txt 2>err.txt) &
    host_pid=$!
    pids+=("$host_pid")
    sleep 0.3
    (cd "$dir/join" && exec "$game" --headless --mode vs --join "127.0.0.1:$((port + 1))" \
        --input "$here/join.keys" --frames "$frames" --trace trace.jsonl --bench \
        >bench.txt 2>err.txt)
    join_status=$?
    wait "$host_pid"
    host_status=$?
    kill "$relay_pid" 2>/dev/null
    wait "$relay_pid" 2>/dev/null
    [ "$host_status" = 0 ] || fail "the host ended with $host_status: $(cat "$dir/host/err.txt")"
    [ "$join_status" = 0 ] || fail "the joiner ended with $join_status: $(cat "$dir/join/err.txt")"
    lines=$(wc -l <"$dir/host/trace.jsonl")
    [ "$lines" = "$frames" ] || fail "the host traced $lines frames of $frames"
    cmp -s "$dir/host/trace.jsonl" "$dir/join/trace.jsonl" ||
        fail "the traces differ: $(cmp "$dir/host/trace.jsonl" "$dir/join/trace.jsonl")"
    # The match holds what it is for: a knock-out, and the select screen after it.
    grep -q '"state":4,"phase":3,' "$dir/host/trace.jsonl" || fail "no knock-out"
    ko=$(grep -n -m 1 '"state":4,"phase":3,' "$dir/host/trace.jsonl" | cut -d: -f1)
    tail -n +"$ko" "$dir/host/trace.jsonl" | grep -q '"state":2,' || fail "no select after the knock-out"
    grep -q '"guard"\|SND_GUARD' "$dir/host/trace.jsonl" || fail "no guarded attack"
    (cd "$dir/host" && "$game" --headless --replay match.replay --trace offline.jsonl) ||
        fail "the recording does not play"
    cmp -s "$dir/host/trace.jsonl" "$dir/host/offline.jsonl" ||
        fail "the recording played offline gives another trace"
    echo "$name: $((SECONDS - start)) s; host $(cut -d' ' -f2- "$dir/host/bench.txt")"
    echo "    joiner $(cut -d' ' -f2- "$dir/join/bench.txt"); $(cat "$dir/relay.log")"
done
echo "network match test passed"
