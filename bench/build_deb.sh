#!/usr/bin/env bash
# Builds the .deb of TSL in a scratch build folder and lists what it installs.
# Not part of the test run (a release build takes minutes on two cores).
#   bench/build_deb.sh            build build-deb/tsl_VERSION_ARCH.deb
#   bench/build_deb.sh --install  also install it with dpkg, check the files
#                                 are in place, and remove it again (root)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-deb
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTSL_BUILD_TESTS=OFF >&2
cmake --build "$dir" -j "$(nproc)" >&2
(cd "$dir" && cpack -G DEB >&2)
deb=$(ls -t "$dir"/tsl_*.deb | head -n 1)
echo "$deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
if [ "${1:-}" = "--install" ]; then
    dpkg -i "$deb"
    for f in /usr/bin/tsl-cli /usr/share/applications/tsl.desktop /usr/share/mime/packages/tsl.xml \
             /usr/share/icons/hicolor/scalable/apps/tsl.svg; do
        test -e "$f" || { echo "missing after install: $f" >&2; exit 1; }
    done
    desktop-file-validate /usr/share/applications/tsl.desktop
    tsl-cli --version
    dpkg -r tsl
    test ! -e /usr/bin/tsl-cli || { echo "left after removal: /usr/bin/tsl-cli" >&2; exit 1; }
    echo "installed and removed cleanly"
fi
