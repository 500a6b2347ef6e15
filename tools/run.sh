#!/usr/bin/env bash
# tools/run.sh [FOLDER...]: builds tabora.exe and starts it under Wine on the given folders
# (default: a demo folder made on first use), on the current X display or else in Xvfb.
set -euo pipefail

# Folders are named relative to where the caller stands; Wine sees Linux's / as Z:.
folders=()
for arg in "$@"; do
    if [[ $arg =~ ^[A-Za-z]: ]]; then
        folders+=("$arg")
    else
        path=$(realpath -m -- "$arg")
        folders+=("Z:${path//\//\\}")
    fi
done

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

tools/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target tabora tabora_resources

# A folder that shows what the list has to cope with: Japanese and half-width kana names,
# names whose second Shift-JIS byte is a backslash (表, ソ, 能), a hidden file, a file
# beyond 4 GiB (sparse, so it costs no disk), nested folders, assorted dates.
make_demo() {
    local demo=$1 tmp=$1.tmp
    rm -rf "$tmp"
    mkdir -p "$tmp"/{ソース/include,能力,資料/古い資料,空のフォルダ}
    sjis() { iconv -f UTF-8 -t CP932 >"$1"; }
    printf '表示のテストです。\r\nこのフォルダは tools/run.sh が作りました。\r\n' | sjis "$tmp/表示.txt"
    printf 'ﾊﾝｶｸｶﾀｶﾅ\r\n' | sjis "$tmp/ﾊﾝｶｸ.txt"
    printf 'hidden\n' >"$tmp/.hidden"
    printf '#include <stdio.h>\nint main(void) { puts("hello"); return 0; }\n' >"$tmp/ソース/main.c"
    printf '#pragma once\n' >"$tmp/ソース/include/main.h"
    printf 'all:\n\tcc -o main main.c\n' >"$tmp/ソース/Makefile"
    printf '能力一覧\r\n' | sjis "$tmp/能力/一覧.txt"
    printf '[Section]\r\nKey=Value\r\n' >"$tmp/資料/settings.ini"
    printf 'old\r\n' >"$tmp/資料/古い資料/1999年.txt"
    head -c 123456 /dev/zero >"$tmp/資料/data.bin"
    printf 'readme\r\n' >"$tmp/README"
    printf 'a name with spaces\r\n' >"$tmp/name with spaces.txt"
    truncate -s 5G "$tmp/大きいファイル.iso"
    truncate -s 2G "$tmp/2GiB.img"
    touch -d '1999-12-31 23:59' "$tmp/資料/古い資料/1999年.txt" "$tmp/資料/古い資料"
    touch -d '2010-04-01 09:00' "$tmp/資料/settings.ini"
    touch -d '2020-02-29 12:34' "$tmp/README"
    mv "$tmp" "$demo"
}

if ((${#folders[@]} == 0)); then
    [[ -d build/demo ]] || make_demo "$root/build/demo"
    folders=("Z:${root//\//\\}\\build\\demo")
fi

# Started from beside the exe so that it finds its tabora.ini there. The prefix is not the
# tests' one: a tabora left open here must not meet the programs the tests start. Output
# is passed through raw because tabora starts children (notepad) that outlive it.
cd build/windows/bin
command=(env TABORA_WINE_RAW=1 "$root/tools/wine-run.sh" "$root/build/run" "$root/build/windows/bin/tabora.exe" "${folders[@]}")
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        echo "No DISPLAY: running in Xvfb (DISPLAY=$DISPLAY XAUTHORITY=$XAUTHORITY; screenshot: import -window root shot.png; stop: Ctrl+C)" >&2
        exec "$@"' run.sh "${command[@]}"
fi
exec "${command[@]}"
