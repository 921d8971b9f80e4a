#!/usr/bin/env bash
# Combine speed against cat, and the piece search in a crowded directory.
#
#   bench/combine_bench.sh [TSL_CLI]
#
# 1. A 1 GiB file cut into 512,000-byte pieces (2098 pieces, letter names) and
#    into 100,000,000-byte pieces (11 pieces), each with its info file: the
#    time of `tsl-cli combine` against `cat` of the same pieces, in the same
#    run, best of five rounds each (dirty pages written out before each timed
#    command), and the ratio (goal <= 1.0), with the peak memory of tsl-cli.
# 2. Five pieces without an info file among 20,000 other files, HighPart
#    19682: the time of the whole combine (search of 19,682 numbers included;
#    goal well under a second) and the stat calls it made when strace exists.
#
# Scratch files go to $BENCH_TMP (default /tmp); about 4 GiB are needed. The
# machine's load shows in the figures: run it on a quiet machine.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${TSL_CLI:-$here/../build/tsl-cli}}
[ -x "$cli" ] || { echo "tsl-cli not found at $cli (build first or pass its path)" >&2; exit 2; }
work=$(mktemp -d "${BENCH_TMP:-/tmp}/tsl-combine-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

rounds=${BENCH_ROUNDS:-5}
size=${BENCH_SIZE:-$((1024 * 1024 * 1024))}  # BENCH_SIZE only to try the script out

# The extension of piece $1; $2 is 1 for the letter scheme.
part_ext() {
    local i=$1 letters=$2
    if [ "$letters" -eq 0 ]; then printf '%03d' "$i"; return; fi
    local chars=0abcdefghijklmnopqrstuvwxyz
    printf '%s%s%s' "${chars:$((i / 729)):1}" "${chars:$((i % 729 / 27)):1}" "${chars:$((i % 27)):1}"
}

# Four little-endian bytes of $1, as printf escapes.
le32() {
    local v=$1
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255))
}

# The info file $1 for a file of $2 bytes in $3 pieces of $4 bytes.
write_info() {
    local now name=SOURCE.BIN
    now=$(date +%s)
    {
        printf '%b' "\\x$(printf '%02x' ${#name})"
        printf '%s' "$name"
        printf '%b' "$(le32 "$now")$(le32 "$now")$(le32 "$now")$(le32 "$2")\\x20$(le32 0)"
        printf '%b' "$(le32 "$3")$(le32 "$4")"
    } >"$1"
}

seconds() { date +%s.%N; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b ? a : b) }'; }

echo "Making a 1 GiB source in $work ..."
head -c "$size" /dev/urandom >"$work/source.bin"

bench_pieces() {
    local piece=$1 dir="$work/p$1"
    mkdir -p "$dir" "$dir/out"
    local count=$(((size + piece - 1) / piece)) letters=0
    [ "$count" -gt 999 ] && letters=1
    (cd "$dir" && split -b "$piece" -d -a 5 "$work/source.bin" raw.)
    local list=() i=1 name
    for raw in "$dir"/raw.*; do
        name="$dir/source.bin.$(part_ext $i $letters)"
        mv "$raw" "$name"
        list+=("$name")
        i=$((i + 1))
    done
    write_info "$dir/source.bin.000" "$size" "$count" "$piece"
    local cat_best=999999 tsl_best=999999 t0 t1 rss=0
    for ((round = 1; round <= rounds; round++)); do
        rm -f "$dir/out/cat.bin"
        sync
        t0=$(seconds); cat "${list[@]}" >"$dir/out/cat.bin"; t1=$(seconds)
        cat_best=$(best "$cat_best" "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
        rm -f "$dir/out/source.bin"
        sync
        t0=$(seconds)
        /usr/bin/time -f '%M' -o "$work/rss" "$cli" combine -q -o "$dir/out" "$dir/source.bin.000"
        t1=$(seconds)
        tsl_best=$(best "$tsl_best" "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')")
        rss=$(cat "$work/rss")
    done
    cmp -s "$dir/out/source.bin" "$work/source.bin" || { echo "combined file differs!" >&2; exit 1; }
    cmp -s "$dir/out/cat.bin" "$work/source.bin" || { echo "cat output differs!" >&2; exit 1; }
    printf '%11d-byte pieces (%4d): cat %6.3f s  tsl-cli %6.3f s  ratio %s  tsl-cli peak RSS %d KiB\n' \
        "$piece" "$count" "$cat_best" "$tsl_best" "$(ratio "$tsl_best" "$cat_best")" "$rss"
    rm -rf "$dir"
}

echo "Combining 1 GiB (best of $rounds rounds each):"
bench_pieces 512000
bench_pieces 100000000
rm -f "$work/source.bin"

echo "Search with HighPart 19682 among 20,000 other files:"
crowd="$work/crowd"
mkdir -p "$crowd/out"
(cd "$crowd" && seq -f 'other%05g.dat' 1 20000 | xargs touch)
for i in 1 2 3 4 5; do head -c 100000 /dev/urandom >"$crowd/clip.mpg.00$i"; done
args=(combine -q --high-part 19682 --missing combine --no-size-prompt -o "$crowd/out" "$crowd/clip.mpg.001")
for round in first second; do
    rm -f "$crowd/out/clip.mpg"
    t0=$(seconds); "$cli" "${args[@]}"; t1=$(seconds)
    cmp -s "$crowd/out/clip.mpg" <(cat "$crowd"/clip.mpg.00[1-5]) || { echo "combined file differs!" >&2; exit 1; }
    printf '  %s run: five pieces found and combined in %.3f s\n' "$round" \
        "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')"
done
rm -f "$crowd/out/clip.mpg"
if command -v strace >/dev/null; then
    stats=$(strace -f -c -e trace=stat,lstat,newfstatat,statx,getdents64 "$cli" "${args[@]}" 2>&1 >/dev/null |
        awk '$NF ~ /^(stat|lstat|newfstatat|statx|getdents64)$/ { print $NF "=" $4 }' | tr '\n' ' ')
    echo "  system calls of the run: $stats"
fi
