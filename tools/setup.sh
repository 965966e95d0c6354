#!/bin/bash
# Installs the Debian packages the build, the tests and a player need; does nothing
# when they are all there already.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config libmspack-dev libfontconfig-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev googletest libbenchmark-dev
    fonts-ipafont-gothic qt6-translations-l10n
    xvfb xdotool imagemagick x11-utils
    desktop-file-utils appstream dpkg-dev file
    qt6-base-private-dev dbus xsel
    fcitx5 fcitx5-mozc fcitx5-frontend-qt6 ibus ibus-mozc
)

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
