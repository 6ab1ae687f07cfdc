#!/usr/bin/env bash
# Builds the system and runs the runner or the tests. Installs the Debian
# packages the build needs when they are missing.
#   ./build.sh run    build, then start the runner from the build tree
#   ./build.sh test   build, then run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev dbus)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

case "${1:-}" in
run)
    install_missing
    build
    exec build/bin/Pelmor
    ;;
test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
