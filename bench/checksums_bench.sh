#!/usr/bin/env bash
# What the checksum file costs: a 1 GiB split with and without it, and a
# combine of the same set with and without the check, in the same run.
#
#   bench/checksums_bench.sh [TSL_CLI]
#
# Each timed command runs after the earlier writes are flushed, and the split
# is timed with a `sync` at its end, so both figures include getting the
# pieces onto the disk ("to disk"). Best of $BENCH_ROUNDS (default 3) rounds,
# the two ways alternating which goes first. Goals: split with checksums at
# most 1.10 x the split without; a verified combine at most 1.30 x an
# unverified one (the same pieces with the checksum file moved away).
# Scratch files go to $BENCH_TMP (default /tmp); about 4 GiB are needed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${TSL_CLI:-$here/../build/tsl-cli}}
[ -x "$cli" ] || { echo "tsl-cli not found at $cli (build first or pass its path)" >&2; exit 2; }
work=$(mktemp -d "${BENCH_TMP:-/tmp}/tsl-checksums-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
rounds=${BENCH_ROUNDS:-3}
size=${BENCH_SIZE:-$((1024 * 1024 * 1024))}

seconds() { # the elapsed seconds of "$@", after flushing earlier writes
    local start end
    sync
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
best() { if (($(echo "$1 < $2" | bc -l))); then echo "$1"; else echo "$2"; fi; }
split_to_disk() { "$cli" split -q --no-bat "$@" && sync; }

echo "machine: $(nproc) cores, $(uname -sr), load $(cut -d' ' -f1-3 /proc/loadavg)"
head -c "$size" /dev/urandom >"$work/source.bin"

for piece in 512000 100000000; do
    plain=999999
    sums=999999
    for round in $(seq "$rounds"); do
        for way in $( ((round % 2)) && echo "plain sums" || echo "sums plain"); do
            mkdir "$work/out"
            if [ "$way" = plain ]; then
                plain=$(best "$plain" "$(seconds split_to_disk --no-checksums -s $piece -o "$work/out" "$work/source.bin")")
            else
                sums=$(best "$sums" "$(seconds split_to_disk --checksums -s $piece -o "$work/out" "$work/source.bin")")
                (cd "$work/out" && sha256sum --quiet -c --ignore-missing source.bin.sha256)
            fi
            rm -rf "$work/out"
        done
    done
    printf 'split 1 GiB into %9d-byte pieces: without checksums %5.2f s, with %5.2f s, ratio %.2f (goal <= 1.10)\n' \
        "$piece" "$plain" "$sums" "$(echo "$sums / $plain" | bc -l)"

    mkdir "$work/set" "$work/out"
    "$cli" split -q --no-bat --checksums -s $piece -o "$work/set" "$work/source.bin"
    plain=999999
    sums=999999
    for round in $(seq "$rounds"); do
        for way in $( ((round % 2)) && echo "plain sums" || echo "sums plain"); do
            if [ "$way" = plain ]; then
                mv "$work/set/source.bin.sha256" "$work/sums"
                plain=$(best "$plain" "$(seconds "$cli" combine -q -o "$work/out" "$work/set/source.bin.000")")
                mv "$work/sums" "$work/set/source.bin.sha256"
            else
                sums=$(best "$sums" "$(seconds "$cli" combine -q -o "$work/out" "$work/set/source.bin.000")")
            fi
            cmp "$work/out/source.bin" "$work/source.bin"
            rm -f "$work/out/source.bin"
        done
    done
    rm -rf "$work/set" "$work/out"
    printf 'combine 1 GiB of %9d-byte pieces: unchecked %5.2f s, checked %5.2f s, ratio %.2f (goal <= 1.30)\n' \
        "$piece" "$plain" "$sums" "$(echo "$sums / $plain" | bc -l)"
done
