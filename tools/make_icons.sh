#!/bin/bash
# Renders the application icon (the Start picture) into the sizes a desktop
# asks for, under data/desktop/icons/. The PNGs are committed; run this after
# editing ui/pictures/start.svg. Needs librsvg2-bin (rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/.."
id=org.mojiro.Typing
out=data/desktop/icons/hicolor
rm -rf "$out"; mkdir -p "$out"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "$out/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" ui/pictures/start.svg -o "$out/${size}x${size}/apps/$id.png"
done
mkdir -p "$out/scalable/apps"
cp ui/pictures/start.svg "$out/scalable/apps/$id.svg"
