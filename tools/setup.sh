#!/bin/bash
# Installs the Debian packages the build, the tests and a player need; does nothing
# when they are all there already.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config libmspack-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev googletest libbenchmark-dev
    fonts-ipafont-gothic
    xvfb xdotool imagemagick x11-utils
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
