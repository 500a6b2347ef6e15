#!/usr/bin/env bash
# make_huge_folder.sh PARENT COUNT | --remove PARENT
# Makes PARENT/huge with COUNT empty files for the end-to-end test of huge folders, on the
# host side; --remove takes it away again.
set -euo pipefail
if [[ ${1:-} == --remove ]]; then
    rm -rf "$2"
    exit 0
fi
parent=$1
count=$2
rm -rf "$parent"
mkdir -p "$parent/huge"
cd "$parent/huge"
seq -f 'f%06g.txt' 1 "$count" | xargs touch
