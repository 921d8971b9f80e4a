#!/usr/bin/env bash
# Splits and combines a 1 GiB file on a loop-mounted XFS image, where copies
# of whole blocks share storage, with tsl-cli's default chunk setting, against
# coreutils split and cat on the same file system in the same run: the time of
# each and the space it took. Pieces of 2 MiB (whole blocks) share; pieces of
# 1,000,000 bytes (not whole blocks) are copied.
#
#   bench/shared_storage_bench.sh [BUILD_DIR]   (default build dir: build)
#
# Needs root, mkfs.xfs (Debian xfsprogs) and a loop device; where any is
# missing it says so and exits 0 without measuring. Scratch: a sparse 6 GiB
# image in $BENCH_TMP (default /tmp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/${1:-build}/tsl-cli"
[ -x "$cli" ] || { echo "build tsl-cli first: $cli" >&2; exit 2; }

skip() { echo "skipped: $*"; exit 0; }
[ "$(id -u)" -eq 0 ] || skip "mounting an image needs root"
command -v mkfs.xfs >/dev/null || skip "mkfs.xfs not found (apt-get install xfsprogs)"

work=$(mktemp -d "${BENCH_TMP:-/tmp}/tsl-xfs-bench.XXXXXX")
mnt="$work/mnt"
mkdir "$mnt"
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    rm -rf "$work"
}
trap cleanup EXIT
truncate -s 6G "$work/xfs.img"
mkfs.xfs -q -m reflink=1 "$work/xfs.img" || skip "mkfs.xfs refused to make the image"
mount -o loop "$work/xfs.img" "$mnt" 2>/dev/null || skip "this machine cannot loop-mount an image"

seconds() { # runs "$@" and prints the elapsed seconds
    local start end
    sync
    start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
used_mib() { sync; df --output=used -B1M "$mnt" | tail -n 1 | tr -d ' '; }

echo "machine: $(nproc) cores, $(uname -sr), XFS block size $(stat -f -c %S "$mnt") bytes"
head -c $((1 << 30)) /dev/urandom > "$mnt/source.bin"
base=$(used_mib)

report() { # what, seconds, MiB before
    printf '%-44s %6.2f s  %6d MiB of new space\n' "$1" "$2" $(( $(used_mib) - $3 ))
}

for size in 2097152 1000000; do
    mkdir "$mnt/t" "$mnt/c"
    before=$(used_mib)
    t=$(seconds "$cli" split -q --no-bat -s $size -o "$mnt/t" "$mnt/source.bin")
    report "tsl-cli split, $size-byte pieces" "$t" "$before"
    before=$(used_mib)
    t=$(seconds split -b $size -a 4 --numeric-suffixes=1 "$mnt/source.bin" "$mnt/c/source.bin.")
    report "coreutils split, $size-byte pieces" "$t" "$before"
    rm -rf "$mnt/c"; mkdir "$mnt/j"
    before=$(used_mib)
    t=$(seconds "$cli" combine -q -o "$mnt/j" "$mnt/t/source.bin.000")
    report "tsl-cli combine of those pieces" "$t" "$before"
    cmp "$mnt/j/source.bin" "$mnt/source.bin"
    before=$(used_mib)
    t=$(seconds sh -c "cat \$(ls '$mnt'/t/source.bin.* | grep -v '\.000\$' | LC_ALL=C sort) > '$mnt/cat.bin'")
    report "cat of those pieces" "$t" "$before"
    cmp "$mnt/cat.bin" "$mnt/source.bin"
    rm -rf "$mnt/t" "$mnt/j" "$mnt/cat.bin"
done
echo "space of the 1 GiB source itself: $base MiB in use after writing it"
