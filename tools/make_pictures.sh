#!/bin/bash
# Regenerates the icons, the autosave bitmap and the title banner in
# ui/pictures/ from their SVG sources. The generated files are committed, so
# building the program never needs this; run it from the repo root after
# editing an SVG (it finds the root itself, too). Output is byte-for-byte
# the same on every run.
#
# Needs (Debian): librsvg2-bin (rsvg-convert), python3-pil, and
# fonts-ipafont-gothic for the title lettering.
#
# Choices worth knowing:
# - The toolbar icons use the 16-colour VGA palette, 4 bpp, with an AND mask,
#   in the classic Windows style; each SVG holds a 32x32 drawing and a
#   separately fitted 16x16 one side by side (pack_pictures.py crops them).
# - start.ico is a single 32x32 image at 8 bpp (256 colours).
# - autosave.bmp has no transparency, so its SVG paints the button face
#   colour behind the disk: 240,240,240, the button face of Windows since
#   Vista, which Qt's Windows style takes over (and within a shade of Qt's
#   own default), rather than the classic 192,192,192.
# - title.gif keeps one transparent colour; pixels under half opacity are
#   dropped and the rest flattened onto white, so no fringe shows.
set -euo pipefail

cd "$(dirname "$0")/.."
pics=ui/pictures
helper=tools/pack_pictures.py

if [[ ! -d $pics || ! -f $helper ]]; then
    echo "make_pictures.sh: run me from the repo root" >&2
    exit 1
fi

# The first python3 on PATH may be a private build without PIL.
py=
for cand in python3 /usr/bin/python3; do
    if command -v "$cand" >/dev/null && "$cand" -c 'import PIL' 2>/dev/null; then
        py=$cand
        break
    fi
done
if [[ -z $py ]]; then
    echo "make_pictures.sh: needs python3 with PIL (apt-get install python3-pil)" >&2
    exit 1
fi
command -v rsvg-convert >/dev/null || {
    echo "make_pictures.sh: needs rsvg-convert (apt-get install librsvg2-bin)" >&2
    exit 1
}
# Without the font librsvg silently falls back to another one.
[[ -n $(fc-list 'IPAPGothic' family) ]] || {
    echo "make_pictures.sh: needs the IPAPGothic font (apt-get install fonts-ipafont-gothic)" >&2
    exit 1
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for name in save clear help end light_red light_amber light_green; do
    rsvg-convert -w 48 -h 32 "$pics/$name.svg" -o "$tmp/$name.png"
    "$py" "$helper" ico4 "$tmp/$name.png" "$pics/$name.ico"
done

rsvg-convert -w 32 -h 32 "$pics/start.svg" -o "$tmp/start.png"
"$py" "$helper" ico8 "$tmp/start.png" "$pics/start.ico"

rsvg-convert -w 16 -h 16 "$pics/autosave.svg" -o "$tmp/autosave.png"
"$py" "$helper" bmp4 "$tmp/autosave.png" "$pics/autosave.bmp"

rsvg-convert -w 318 -h 61 "$pics/title.svg" -o "$tmp/title.png"
"$py" "$helper" gif "$tmp/title.png" "$pics/title.gif"

echo "make_pictures.sh: pictures in $pics are up to date"
