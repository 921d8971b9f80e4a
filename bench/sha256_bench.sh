#!/usr/bin/env bash
# SHA-256 speed on this machine: OpenSSL's libcrypto (EVP interface) and
# QCryptographicHash (both through bench/sha256_speed.cpp) against coreutils
# sha256sum, over the same 1 GiB file in the page cache.
#
#   bench/sha256_bench.sh [BUILD_DIR]
#
# Builds the sha256_speed target in BUILD_DIR (default build). Prints the
# best of three rounds of each, by the wall clock and by CPU time (the CPU
# figure moves less when other work shares the machine). Scratch files go to
# $BENCH_TMP (default /tmp); 1 GiB is needed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || { echo "no CMake build in $build (configure first or pass its path)" >&2; exit 2; }
cmake --build "$build" --target sha256_speed >&2
work=$(mktemp -d "${BENCH_TMP:-/tmp}/tsl-sha256-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
size=${BENCH_SIZE:-$((1024 * 1024 * 1024))}

echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2-)" \
    "($(grep -m1 -o -w sha_ni /proc/cpuinfo || echo 'no SHA extensions'))"
head -c "$size" /dev/urandom >"$work/data"
cat "$work/data" >/dev/null  # into the page cache

"$build/bench/sha256_speed" "$work/data" 3

best_wall=999999 best_cpu=999999
for round in 1 2 3; do
    out=$( { /usr/bin/env time -f '%e %U %S' sha256sum "$work/data" >/dev/null; } 2>&1 )
    read -r wall user sys <<<"$out"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
    best_wall=$(awk -v a="$best_wall" -v b="$wall" 'BEGIN { print (a < b ? a : b) }')
    best_cpu=$(awk -v a="$best_cpu" -v b="$cpu" 'BEGIN { print (a < b ? a : b) }')
done
awk -v n="$size" -v w="$best_wall" -v c="$best_cpu" 'BEGIN {
    printf "%-19s %s\n    file   %.2f GB/s wall, %.2f GB/s of CPU time\n", "sha256sum", "(coreutils)", n / w / 1e9, n / c / 1e9 }'
