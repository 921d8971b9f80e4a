#!/usr/bin/env bash
# Installs what TSL needs on Debian 12, builds it, and runs it or its tests.
#   ./tsl.sh run [ARGS...]   build and run TSL (tsl-cli ARGS...)
#   ./tsl.sh test            build and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make qt6-base-dev libgtest-dev desktop-file-utils shared-mime-info xdg-utils help2man xvfb xauth)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
        "${missing[@]}" >&2
}

build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >&2
    cmake --build "$dir" -j "$(nproc)" >&2
}

case "${1:-}" in
run)
    shift
    install_packages
    build build -DTSL_BUILD_TESTS=OFF
    if [ -x build/tsl ] && [ $# -eq 0 ]; then
        exec build/tsl
    fi
    exec build/tsl-cli "${@:---help}"
    ;;
test)
    install_packages
    build build-test -DTSL_BUILD_TESTS=ON
    cd build-test
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 run [ARGS...] | test" >&2
    exit 2
    ;;
esac
