#!/bin/bash
# Installs the Debian packages that are missing; does nothing when they are all
# there already.
#   tools/setup.sh play   what building and playing the game needs (./run.sh)
#   tools/setup.sh test   that, and what the tests and benchmarks need (./test.sh)
set -euo pipefail

play=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev qt6-multimedia-dev
    libqt6sql6-sqlite
    libmspack-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools
    fonts-ipafont-gothic qt6-translations-l10n
    qt6-wayland
    edict
)
# Never for a player: a second input-method framework can change which one
# their desktop starts.
test=(
    libgtest-dev googletest libbenchmark-dev
    xvfb xdotool imagemagick x11-utils xsel dbus
    desktop-file-utils appstream dpkg-dev file
    fcitx5 fcitx5-mozc fcitx5-frontend-qt6 ibus ibus-mozc
    weston pulseaudio pulseaudio-utils sqlite3
    at-spi2-core python3-pyatspi
)
case ${1:-} in
play) packages=("${play[@]}") ;;
test) packages=("${play[@]}" "${test[@]}") ;;
*) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
