#!/usr/bin/env bash
# Sets up, builds, and then runs the program or its tests.
#   bash dev.sh run    install what is missing, build, start the program
#   bash dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

# build-essential, cmake, pkg-config: the toolchain
# qt6-base-dev, qt6-multimedia-dev: the window, printing and sound
# gstreamer1.0-plugins-base, -good: the wave playback behind Qt Multimedia (without them Qt 6.4 crashes making a player)
# libgtest-dev, libgmock-dev, libbenchmark-dev: tests and benchmarks
# hunspell, hunspell-sl: the spelling check of the verse corpus
# fonts-liberation: metric-compatible stand-ins for the Windows fonts the layout assumes
# xvfb, xauth: a display for the screenshot test
packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good libgtest-dev libgmock-dev
          libbenchmark-dev hunspell hunspell-sl fonts-liberation xvfb xauth)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
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

case "${1:-}" in
run)
    install_missing
    build
    exec ./build/ui/zoravina
    ;;
test)
    install_missing
    build
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: bash dev.sh run|test" >&2
    exit 2
    ;;
esac
