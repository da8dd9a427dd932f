#!/usr/bin/env bash
# Sets up, builds, and then runs the program or its tests.
#   bash dev.sh run    install what is missing, build, start the program
#   bash dev.sh test   install what is missing, build, run every test
#   bash dev.sh bench  install what is missing, build, print the benchmark table
set -euo pipefail
cd "$(dirname "$0")"

# build-essential, cmake, pkg-config: the toolchain
# qt6-base-dev, qt6-multimedia-dev: the window, printing and sound
# qt6-svg-dev: the scalable desktop icon, rendered at build time
# gstreamer1.0-plugins-base, -good: the wave playback behind Qt Multimedia (without them Qt 6.4 crashes making a player)
# libgtest-dev, libgmock-dev, libbenchmark-dev: tests and benchmarks
# hunspell, hunspell-sl: the spelling check of the verse corpus
# fonts-liberation: metric-compatible stand-ins for the Windows fonts the layout assumes
# xvfb, xauth: a display for the screenshot test
packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-svg-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good libgtest-dev libgmock-dev
          libbenchmark-dev hunspell hunspell-sl fonts-liberation xvfb xauth)

# For the test command only:
# clang, libclang-rt-14-dev: the fuzz targets (libFuzzer with the address and undefined-behaviour sanitizers)
# desktop-file-utils, appstream: validating the desktop entry and the AppStream data
# llvm-14: llvm-profdata and llvm-cov for the coverage report
# cups, printer-driver-cups-pdf, poppler-utils: printing to a real PDF printer and reading the page back
# pulseaudio, pulseaudio-utils, gstreamer1.0-pulseaudio: playing a melody through a real sound server
# espeak-ng: the spoken recordings of the collection and "Preberi pesem"
test_packages=(clang libclang-rt-14-dev llvm-14 desktop-file-utils appstream cups printer-driver-cups-pdf poppler-utils
               pulseaudio pulseaudio-utils gstreamer1.0-pulseaudio espeak-ng)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)"
}

# Each reader of outside files runs under libFuzzer for a short while.
fuzz_smoke() {
    command -v clang++ >/dev/null || { echo "fuzz: clang++ not found, skipped"; return 0; }
    CXX=clang++ cmake -S . -B build-fuzz -DZORAVINA_BUILD_FUZZ=ON -DZORAVINA_BUILD_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    local targets=(poem_file_fuzz verse_file_fuzz poem_code_fuzz)
    cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}" >/dev/null
    for target in "${targets[@]}"; do
        local seeds="tests/fuzz/seeds/${target%_fuzz}" found="build-fuzz/found-${target}"
        mkdir -p "$found"
        ./build-fuzz/tests/fuzz/"$target" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 "$found" "$seeds" 2>&1 | grep -E '^(stat::number_of_executed_units|==.*ERROR)' \
            | sed "s/^/$target: /"
        [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz: $target found a fault"; return 1; }
    done
    echo "fuzz: ${#targets[@]} passed, 0 failed"
}

# The whole suite again, built by clang with the address and undefined-behaviour
# sanitizers and source-based coverage; then the branch coverage of engine/ and io/.
sanitized_suite() {
    command -v clang++ >/dev/null || { echo "sanitizers: clang++ not found"; return 1; }
    CXX=clang++ cmake -S . -B build-check -DZORAVINA_SANITIZE=ON -DZORAVINA_COVERAGE=ON -DZORAVINA_BUILD_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build-check -j"$(nproc)" >/dev/null
    rm -rf build-check/profiles
    LLVM_PROFILE_FILE="$PWD/build-check/profiles/%p-%m.profraw" ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-check --output-on-failure -j"$(nproc)" -E '^packaging$'
    llvm-profdata-14 merge -sparse build-check/profiles/*.profraw -o build-check/coverage.profdata
    local objects=(build-check/tests/zoravina_engine_tests -object build-check/tests/zoravina_screens_tests
                   -object build-check/tests/zoravina_ui_tests -object build-check/tools/zoravina-cli)
    llvm-cov-14 report "${objects[@]}" -instr-profile=build-check/coverage.profdata --show-branch-summary \
        "$PWD/engine" "$PWD/io" | tee build-check/coverage.txt
    # What is not covered, branch by branch, for the report's reader.
    llvm-cov-14 show "${objects[@]}" -instr-profile=build-check/coverage.profdata --show-branches=count \
        "$PWD/engine" "$PWD/io" >build-check/coverage-lines.txt
    echo "coverage: branches never taken one way (file:line):"
    awk '/^\/.*:$/ { file = $0; sub(/:$/, "", file); sub(".*/(engine|io)/", "", file); next }
         /Branch \(/ && /(True|False): 0[],]/ { split($0, a, /[(:]/); print "  " file ":" a[2] }' \
        build-check/coverage-lines.txt | sort -u | paste -sd' ' | fold -s -w 110
    local branches
    branches=$(awk '$1 == "TOTAL" {print $(NF)}' build-check/coverage.txt | tr -d '%')
    echo "coverage: branches of engine/ and io/ ${branches} % (the uncovered ones: build-check/coverage-lines.txt)"
    awk -v b="$branches" 'BEGIN {exit !(b >= 90)}' || { echo "coverage: below 90 %"; return 1; }
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build
    exec ./build/ui/zoravina
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    sanitized_suite
    fuzz_smoke
    ;;
bench)
    # The benchmark table; Tracery's side needs Node and npm (skipped without them).
    install_missing "${packages[@]}"
    build
    if command -v npm >/dev/null && [ ! -d build/tracery/node_modules/tracery-grammar ]; then
        mkdir -p build/tracery
        npm install --silent --no-audit --no-fund --prefix build/tracery tracery-grammar >/dev/null || true
    fi
    ./build/bench/zoravina_bench_report --tracery-dir build/tracery 2>/dev/null
    ;;
*)
    echo "usage: bash dev.sh run|test|bench" >&2
    exit 2
    ;;
esac
