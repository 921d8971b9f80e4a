#!/usr/bin/env bash
# tsl-cli verify against sha256sum -c on the same files.
#
#   bench/verify_bench.sh [TSL_CLI]
#
# A 1 GiB file of random bytes is split by tsl-cli into 512,000-byte pieces
# (2,098 pieces, letter names) and into 100,000,000-byte pieces (11 pieces),
# without batch files (piece 1505 of the first set is named source.bin.bat).
# The checksum file beside each set is made by sha256sum itself: a line per
# piece and one for the whole file, which is not in the set's folder. Timed,
# best of five rounds each, the page cache warm (one untimed run first):
# `tsl-cli verify` (default --jobs, then --jobs 1) and
# `sha256sum -c --ignore-missing`, which read the same pieces. Then the same
# with the joined file beside the pieces (2 GiB to read). The goal is a ratio
# of at most 0.5. Scratch files go to $BENCH_TMP (default /tmp); 3 GiB are
# needed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-${TSL_CLI:-$here/../build/tsl-cli}}
[ -x "$cli" ] || { echo "tsl-cli not found at $cli (build first or pass its path)" >&2; exit 2; }
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
work=$(mktemp -d "${BENCH_TMP:-/tmp}/tsl-verify-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export TSL_PROGRAM_DIR=$work/program XDG_CONFIG_HOME=$work/config  # default settings
mkdir -p "$TSL_PROGRAM_DIR" "$XDG_CONFIG_HOME"

rounds=${BENCH_ROUNDS:-5}
size=${BENCH_SIZE:-$((1024 * 1024 * 1024))}  # BENCH_SIZE only to try the script out

echo "Making a 1 GiB source in $work ..."
head -c "$size" /dev/urandom >"$work/source.bin"
whole=$(sha256sum "$work/source.bin" | cut -d' ' -f1)

seconds() { date +%s.%N; }
# Best wall time of $rounds runs of the command, after one untimed run.
best_of() {
    local best=999999 t0 t1
    "$@" >/dev/null 2>&1 || true
    for ((round = 1; round <= rounds; round++)); do
        t0=$(seconds)
        "$@" >/dev/null 2>&1 || true
        t1=$(seconds)
        best=$(awk -v a="$best" -v b="$(awk -v x="$t0" -v y="$t1" 'BEGIN { print y - x }')" \
            'BEGIN { print (a < b ? a : b) }')
    done
    echo "$best"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

row() {
    local label=$1 dir=$2
    (cd "$dir" && "$cli" verify -q source.bin.sha256 >/dev/null) || { echo "verify failed in $dir" >&2; exit 1; }
    (cd "$dir" && sha256sum -c --ignore-missing --quiet source.bin.sha256) || { echo "sha256sum -c failed in $dir" >&2; exit 1; }
    local tsl one ref
    tsl=$(cd "$dir" && best_of "$cli" verify -q source.bin.sha256)
    one=$(cd "$dir" && best_of "$cli" verify -q --jobs 1 source.bin.sha256)
    ref=$(cd "$dir" && best_of sha256sum -c --ignore-missing source.bin.sha256)
    printf '%-38s %6.2f s  %6.2f s  %6.2f s  %5s  %5s\n' "$label" "$tsl" "$one" "$ref" \
        "$(ratio "$tsl" "$ref")" "$(ratio "$one" "$ref")"
}

printf '%-38s %8s  %8s  %8s  %5s  %5s\n' "set (1 GiB)" "verify" "-j 1" "sha256sum" "ratio" "-j 1"
for piece in 512000 100000000; do
    dir=$work/p$piece
    mkdir -p "$dir"
    "$cli" split -q -y --no-bat -s "$piece" -o "$dir" "$work/source.bin"
    (cd "$dir" && ls | grep -v -e '\.000$' -e '\.sha256$' | xargs sha256sum >source.bin.sha256)
    echo "$whole  source.bin" >>"$dir/source.bin.sha256"
    count=$(($(wc -l <"$dir/source.bin.sha256") - 1))
    row "$count pieces of $piece" "$dir"
    ln "$work/source.bin" "$dir/source.bin"
    row "$count pieces of $piece + joined file" "$dir"
    rm -rf "$dir"
done
