#!/usr/bin/env bash
# Splits a 1 GiB file with tsl-cli and with coreutils split in the same run
# (info file on, batch file off: coreutils writes neither) and prints the time ratio (tsl-cli / split; goal <= 1.0) and tsl-cli's peak
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
runs=3

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

for size in 512000 100000000; do
    tsl_total=0; split_total=0
    for _ in $(seq $runs); do
        mkdir "$work/t" "$work/s"
        tsl_total=$(echo "$tsl_total + $(seconds "$cli" split -q --no-bat -s $size -o "$work/t" "$work/source.bin")" | bc -l)
        split_total=$(echo "$split_total + $(seconds split -b $size -a 4 --numeric-suffixes=1 "$work/source.bin" "$work/s/source.bin.")" | bc -l)
        # Piece names sort in piece order in both schemes ("0" < "a").
        cmp <(cat $(ls "$work"/t/source.bin.* | grep -v -e '\.000$' | LC_ALL=C sort)) "$work/source.bin"
        rm -rf "$work/t" "$work/s"
    done
    mkdir "$work/t"
    mem=$(peak_kib "$cli" split -q -s $size -o "$work/t" "$work/source.bin")
    rm -rf "$work/t"
    printf 'split 1 GiB into %9d-byte pieces: tsl-cli %6.2f s, split %6.2f s, ratio %.2f, tsl-cli peak memory %d KiB\n' \
        $size "$(echo "$tsl_total / $runs" | bc -l)" "$(echo "$split_total / $runs" | bc -l)" \
        "$(echo "$tsl_total / $split_total" | bc -l)" "$mem"
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
