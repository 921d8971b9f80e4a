#!/usr/bin/env bash
# Installs what TSL needs on Debian 12, builds it, and runs it or its tests.
#   ./tsl.sh run [ARGS...]   build and run TSL (tsl-cli ARGS...)
#   ./tsl.sh test            build and run every test
#   ./tsl.sh test --sanitize the same built with AddressSanitizer and
#                            UndefinedBehaviorSanitizer (in build-sanitize)
#   ./tsl.sh fuzz [SECONDS]  build the libFuzzer targets with clang and run
#                            each for SECONDS (default 600)
#   ./tsl.sh bench           the benchmarks of bench/ (XFS needs root)
#   ./tsl.sh deb [--install] build the .deb in build-deb and check it with lintian
#   ./tsl.sh format [--fix]  check (or apply) the layout of every C++ file with clang-format
#   ./tsl.sh ci              what CI runs: format, every test on a build where a compiler
#                            warning is an error, then every test with the sanitizers
#   ./tsl.sh coverage        every test on a --coverage build (build-coverage): line and
#                            branch coverage of src/ (gcovr) and the size of the tests
set -euo pipefail
cd "$(dirname "$0")"

# libqt6svg6: Qt's SVG icon engine, which draws TSL's window icon.
# qt6-tools-dev (CMake's Qt6LinguistTools) and qt6-l10n-tools (lupdate, lrelease)
# build the translations; qt6-translations-l10n holds Qt's own (the buttons of
# the standard dialogs).
packages=(cmake g++ make qt6-base-dev libqt6svg6 libssl-dev libgtest-dev desktop-file-utils
          shared-mime-info xdg-utils help2man xvfb xauth librsvg2-bin appstream bash-completion
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

install_packages() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
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

# TSL_WERROR=1 (set by ./tsl.sh ci) makes every compiler warning an error.
build() {
    local dir=$1; shift
    local werror=OFF
    [ "${TSL_WERROR:-0}" = 1 ] && werror=ON
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_COMPILE_WARNING_AS_ERROR="$werror" "$@" >&2
    cmake --build "$dir" -j "$(nproc)" >&2
}

# Non-blank lines of every file under a folder.
nonblank_lines() {
    find "$1" -type f -exec grep -chv '^[[:space:]]*$' {} + | awk '{ n += $1 } END { print n + 0 }'
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
    if [ "${2:-}" = "--sanitize" ]; then
        build build-sanitize -DTSL_BUILD_TESTS=ON -DTSL_SANITIZE=ON
        cd build-sanitize
        # Qt keeps some allocations for the life of the process: leaks are not checked.
        export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    else
        build build-test -DTSL_BUILD_TESTS=ON
        cd build-test
    fi
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
    ;;
fuzz)
    install_packages clang
    seconds=${2:-600}
    CXX=clang++ build build-fuzz -DTSL_BUILD_TESTS=OFF -DTSL_FUZZ=ON
    for target in info_file piece_names profile_file sidecar; do
        seeds=tests/fuzz/corpus/$(case $target in info_file) echo info ;; piece_names) echo names ;; sidecar) echo sidecar ;; *) echo profile ;; esac)
        mkdir -p "build-fuzz/corpus/$target"
        echo "fuzzing $target for $seconds s" >&2
        "build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" \
            "build-fuzz/corpus/$target" "$seeds"
    done
    ;;
bench)
    install_packages xfsprogs bc time
    build build -DTSL_BUILD_TESTS=OFF
    bench/split_bench.sh build
    bench/combine_bench.sh build/tsl-cli
    bench/shared_storage_bench.sh build
    bench/sha256_bench.sh build
    bench/verify_bench.sh build/tsl-cli
    bench/checksums_bench.sh build/tsl-cli
    ;;
format)
    install_packages clang-format
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
    if [ "${2:-}" = "--fix" ]; then
        clang-format -i "${files[@]}"
    else
        # Every difference is printed; any makes the check fail.
        clang-format --dry-run --Werror "${files[@]}"
        echo "format: ${#files[@]} files as .clang-format lays them out" >&2
    fi
    ;;
ci)
    "$0" format
    TSL_WERROR=1 "$0" test
    "$0" test --sanitize
    ;;
coverage)
    install_packages gcovr
    # -O0, so that lines and branches are the source's own.
    build build-coverage -DTSL_BUILD_TESTS=ON -DTSL_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug
    find build-coverage -name '*.gcda' -delete
    status=0
    (cd build-coverage && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)") ||
        status=$?
    # Only src/: tests, the build folders and moc/uic output are left out.
    # Branches the compiler adds for exceptions are not the code's own decisions.
    gcovr --root . --filter 'src/' --exclude '.*_autogen/' --exclude-throw-branches \
        --txt build-coverage/coverage.txt --print-summary build-coverage
    echo "per file: build-coverage/coverage.txt"
    tests=$(nonblank_lines tests)
    sources=$(nonblank_lines src)
    awk -v t="$tests" -v s="$sources" \
        'BEGIN { printf "tests: %d non-blank lines, src: %d, ratio %.2f\n", t, s, t / s }'
    exit $status
    ;;
deb)
    install_packages dpkg-dev file lintian
    bench/build_deb.sh "${@:2}"
    ;;
*)
    echo "usage: $0 run [ARGS...] | test [--sanitize] | coverage | fuzz [SECONDS] | bench | deb | format [--fix] | ci" >&2
    exit 2
    ;;
esac
