#!/usr/bin/env bash
# Starts the real tsl on a real X server (xvfb, the xcb platform), lets it
# save each panel, the about box, the options dialog's pages, the parts
# report and each panel with a dark palette as PNG files in OUTDIR, and
# checks that every image has the size of its window and is not blank.
#   screenshots.sh TSL PNG_FACTS OUTDIR
set -euo pipefail
tsl=$1 facts=$2 out=$3
unset QT_QPA_PLATFORM  # the real platform, not the test suite's offscreen one

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/prog" "$out"
mkdir -m 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/run TSL_PROGRAM_DIR=$work/prog
rm -f "$out"/tsl-*.png

listing=$(TSL_SCREENSHOTS=$out timeout 120 xvfb-run -a "$tsl")
echo "$listing"
expected="tsl-combine.png tsl-split.png tsl-append.png tsl-about.png
  tsl-options-0.png tsl-options-1.png tsl-options-2.png tsl-options-3.png tsl-parts-report.png
  tsl-dark-combine.png tsl-dark-split.png tsl-dark-append.png"
expected=$(echo $expected)
[ "$(echo "$listing" | awk '{print $1}' | xargs)" = "$expected" ] || {
    echo "expected the images $expected" >&2; exit 1; }
while read -r name size; do
    read -r image colours < <("$facts" "$out/$name")
    [ "$image" = "$size" ] || { echo "$name is $image, its window $size" >&2; exit 1; }
    # A blank or one-colour image has a handful of colours; text and frames many.
    [ "$colours" -ge 16 ] || { echo "$name looks blank ($colours colours)" >&2; exit 1; }
    echo "$out/$name: $image, $colours colours"
done <<< "$listing"
