#!/bin/bash
# Runs the kill test on a file system of its own, on a loop device, and after
# each kill checks a copy of that disk as well: what a power cut at that moment
# would leave, since only what reached the disk is in the copy. Needs root and
# a loop device; without them it says so and is skipped.
set -euo pipefail
program=$1
if [ "$(id -u)" -ne 0 ] || ! command -v losetup >/dev/null || ! command -v mkfs.ext4 >/dev/null; then
    echo "SKIP: a power cut needs root, losetup and mkfs.ext4"
    exit 77
fi
folder=$(mktemp -d)
live=$folder/live
snapshot=$folder/snapshot
mkdir "$live" "$snapshot"
cleanup() {
    umount "$snapshot" 2>/dev/null || true
    umount "$live" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT

truncate -s 64M "$folder/disk.img"
mkfs.ext4 -q -F "$folder/disk.img"
# No timed journal commit and no early writing of renamed files, so that only
# what the game syncs itself is on the disk.
if ! mount -o loop,commit=600,noauto_da_alloc "$folder/disk.img" "$live" 2>"$folder/mount.err"; then
    echo "SKIP: no loop device could be mounted: $(cat "$folder/mount.err")"
    exit 77
fi
"$program" --power-cut "$folder/disk.img" "$live" "$snapshot"
