#!/usr/bin/env bash
# Builds the .deb of TSL in a scratch build folder with Debian's own compiler
# and linker flags, lists what it installs and checks it with lintian (any
# error fails). Not part of the test run: a release build takes minutes on two
# cores. Needs dpkg-dev and lintian (./tsl.sh deb installs them).
#   bench/build_deb.sh            build build-deb/tsl_VERSION_ARCH.deb
#   bench/build_deb.sh --install  also install it with dpkg, check the files
#                                 are in place, and remove it again (root)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-deb
start=$(date +%s)
# Hardening as a Debian package build has it: fortified functions, stack
# protector, read-only relocations bound at start-up, position-independent code.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTSL_BUILD_TESTS=OFF \
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$dir" -j "$(nproc)" >&2
(cd "$dir" && cpack -G DEB >&2)
deb=$(ls -t "$dir"/tsl_*.deb | head -n 1)
echo "$deb (built in $(($(date +%s) - start)) s)"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "lintian:"
lintian --info --display-info --fail-on error "$deb"
echo "lintian: no errors"
if [ "${1:-}" = "--install" ]; then
    dpkg -i "$deb"
    for f in /usr/bin/tsl /usr/bin/tsl-cli /usr/share/applications/tsl.desktop \
             /usr/share/metainfo/org.tessel.tsl.metainfo.xml /usr/share/mime/packages/tsl.xml \
             /usr/share/icons/hicolor/scalable/apps/tsl.svg /usr/share/icons/hicolor/48x48/apps/tsl.png \
             /usr/share/icons/hicolor/256x256/apps/tsl.png /usr/share/man/man1/tsl.1.gz \
             /usr/share/man/man1/tsl-cli.1.gz /usr/share/bash-completion/completions/tsl-cli \
             /usr/share/doc/tsl/copyright /usr/share/doc/tsl/changelog.gz; do
        test -e "$f" || { echo "missing after install: $f" >&2; exit 1; }
    done
    desktop-file-validate /usr/share/applications/tsl.desktop
    appstreamcli validate --no-net /usr/share/metainfo/org.tessel.tsl.metainfo.xml
    tsl --version
    tsl-cli --version
    dpkg -r tsl
    test ! -e /usr/bin/tsl-cli || { echo "left after removal: /usr/bin/tsl-cli" >&2; exit 1; }
    echo "installed and removed cleanly"
fi
