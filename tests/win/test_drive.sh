#!/usr/bin/env bash
# test_drive.sh BUILD_DIR LETTER ROOT | --remove BUILD_DIR LETTER ROOT
# Maps drive LETTER of the build's Wine prefix to the host folder ROOT, holding a file and a
# folder, for the in-process test of a drive that goes away while shown; --remove takes the
# mapping and the folder away again.
set -euo pipefail
remove=0
if [[ ${1:-} == --remove ]]; then
    remove=1
    shift
fi
build=$1
link=$1/wine-prefix/dosdevices/${2,,}:
root=$3
rm -rf "$root"
rm -f "$link"
((remove)) && exit 0
# The prefix is made by its first program; a mapping put into a half-made one would be lost.
if [[ ! -f $build/wine-prefix/.tabora-setup ]]; then
    "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-run.sh" "$build" wineboot
fi
mkdir -p "$root/sub"
echo listed >"$root/listed.txt"
ln -s "$root" "$link"
