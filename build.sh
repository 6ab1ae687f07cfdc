#!/usr/bin/env bash
# Builds the system and runs the runner or the tests. Installs the Debian
# packages the build needs when they are missing.
#   ./build.sh run    build, then start the runner from the build tree
#   ./build.sh test   build, then run every test
#   ./build.sh package  build, then make the Debian package in build/deb
#                       and check it with lintian and the desktop tools
set -euo pipefail
cd "$(dirname "$0")"

# xvfb, x11-utils and xdotool: the tests that need a real X server start one
# of their own, look at its windows and type into them. dbus: the history
# tests start a session bus of their own.
packages=(cmake g++ ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb x11-utils xdotool dbus)

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

# The package's file, and its menu entries and AppStream description
# checked as installed.
check_package() {
    local deb
    deb=$(ls build/deb/pelmor_*.deb)
    lintian --info "$deb"
    local tree
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' RETURN
    dpkg-deb -x "$deb" "$tree"
    desktop-file-validate "$tree"/usr/share/applications/*.desktop "$tree"/usr/share/pelmor/autostart/*.desktop
    appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.xml
    echo "$deb"
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
package)
    packages+=(dpkg-dev fakeroot help2man lintian desktop-file-utils appstream)
    install_missing
    build
    rm -rf build/deb
    cpack --config build/CPackConfig.cmake -B build/deb
    check_package
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 2
    ;;
esac
