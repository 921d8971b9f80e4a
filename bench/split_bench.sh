#!/usr/bin/env bash
# Splits a 1 GiB file with tsl-cli and with coreutils split in the same run
# (info file on, batch file off: coreutils writes neither), best of five
# runs each, and prints the time ratio (tsl-cli / split; goal <= 1.0) and tsl-cli's peak
# memory. With --huge it also splits a 5 GiB sparse file into 1,000,000,000-byte
# pieces and checks that the pieces concatenate back to the same bytes.
#   bench/split_bench.sh [--huge] [BUILD_DIR]   (default build dir: build)
set -euo pipefail
huge=0
if [ "${1:-}" = "--huge" ]; then huge=1; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/${1:-build}/tsl-cli"
[ -x "$cli" ] || { echo "build tsl-cli first: $cli" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/tsl-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
runs=5

seconds() { # runs "$@" and prints the elapsed seconds, after flushing earlier writes
    local start end
    sync
    start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

peak_kib() { # peak resident memory of "$@" in KiB
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1
}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(uname -sr)"
head -c $((1 << 30)) /dev/urandom > "$work/source.bin"
cat "$work/source.bin" > /dev/null   # both start from a warm cache

best() { # the smaller of two numbers
    if (( $(echo "$1 < $2" | bc -l) )); then echo "$1"; else echo "$2"; fi
}

for size in 512000 100000000; do
    tsl_best=999999; split_best=999999
    for round in $(seq $runs); do
        # Alternate which one goes first, so neither always meets the other's write-back.
        for who in $( ((round % 2)) && echo "tsl split" || echo "split tsl"); do
            mkdir "$work/out"
            if [ "$who" = tsl ]; then
                tsl_best=$(best "$tsl_best" "$(seconds "$cli" split -q --no-bat -s $size -o "$work/out" "$work/source.bin")")
                # Piece names sort in piece order in both schemes ("0" < "a").
                cmp <(cat $(ls "$work"/out/source.bin.* | grep -v -e '\.000$' | LC_ALL=C sort)) "$work/source.bin"
            else
                split_best=$(best "$split_best" "$(seconds split -b $size -a 4 --numeric-suffixes=1 "$work/source.bin" "$work/out/source.bin.")")
            fi
            rm -rf "$work/out"
        done
    done
    mkdir "$work/out"
    mem=$(peak_kib "$cli" split -q -s $size -o "$work/out" "$work/source.bin")
    rm -rf "$work/out"
    printf 'split 1 GiB into %9d-byte pieces: tsl-cli %5.2f s, split %5.2f s (best of %d), ratio %.2f, tsl-cli peak memory %d KiB\n' \
        $size "$tsl_best" "$split_best" $runs "$(echo "$tsl_best / $split_best" | bc -l)" "$mem"
done

if [ $huge -eq 1 ]; then
    rm -f "$work/source.bin"
    truncate -s 5G "$work/huge.img"
    printf 'HEAD' | dd of="$work/huge.img" conv=notrunc status=none
    printf 'TAIL' | dd of="$work/huge.img" bs=1 seek=$(((5 << 30) - 4)) conv=notrunc status=none
    mkdir "$work/h"
    t=$(seconds "$cli" split -q -s 1000000000 -o "$work/h" "$work/huge.img")
    if cmp <(cat "$work"/h/huge.img.00[1-9]) "$work/huge.img"; then verdict="same bytes"; else verdict="DIFFERENT"; fi
    printf 'split 5 GiB sparse file into 1000000000-byte pieces: %.1f s, pieces joined: %s\n' "$t" "$verdict"
fi
