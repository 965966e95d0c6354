#!/bin/bash
# Installs the build into a scratch DESTDIR and checks the tree a desktop needs.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
id=org.mojiro.Typing
expected=(
    usr/bin/mojiro
    usr/share/mojiro/辞書.txt
    usr/share/mojiro/ZkHelp.chm
    usr/share/mojiro/ZkHelp_en.chm
    usr/share/mojiro/単語リスト/たべもの.txt
    usr/share/mojiro/単語リスト/かんじのことば.txt
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/doc/mojiro/copyright
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
# The sound module, where the program looks for it from its own folder.
[ -n "$(find "$dest/usr/lib" -path '*/mojiro/libmojiro_sound.so' 2>/dev/null)" ] ||
    { echo "missing: the sound module under usr/lib"; status=1; }
for f in "${expected[@]}"; do
    [ -f "$dest/$f" ] || { echo "missing: $f"; status=1; }
done
desktop-file-validate "$dest/usr/share/applications/$id.desktop" | grep -v '^.*: hint:' || true
desktop-file-validate "$dest/usr/share/applications/$id.desktop" >/dev/null || status=1
appstreamcli validate --no-net "$dest/usr/share/metainfo/$id.metainfo.xml" || status=1
# The desktop entry starts the game in its own folder, the binary it names is installed.
grep -qx "Exec=mojiro --data-home" "$dest/usr/share/applications/$id.desktop" || status=1
[ $status -eq 0 ] && echo "ok: installed tree complete and valid"
exit $status
