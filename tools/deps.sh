#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing tabora need, and the
# Japanese locale Wine takes its code page from. Does nothing (and quickly) when all is there.
set -euo pipefail

packages=(
    cmake g++ make
    clang-format         # the formatting check of tools/test.sh
    g++-mingw-w64-x86-64-posix
    wine wine64
    xvfb xauth
    locales
    fonts-ipafont-gothic # readable Japanese in screenshots
    imagemagick          # screenshots and their conversion to PNG
    python3              # draws the list images from their text pixel art
    googletest           # sources, built for both the host and MinGW
    libbenchmark-dev
)

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "deps.sh: need root to run: $*" >&2
        return 1
    fi
}

# One dpkg-query for all names keeps the no-op case fast.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null \
    | awk '$2 == "installed" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
    grep -qxF "$p" <<<"$installed" || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "deps.sh: installing ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    # No recommends: Wine's would pull in 32-bit and multimedia stacks that we never use.
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine picks the ANSI code page (932) from the Unix locale, so it has to exist.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    echo "deps.sh: generating the ja_JP.UTF-8 locale" >&2
    if [[ -f /etc/locale.gen ]]; then
        if grep -qE '^[# ]*ja_JP\.UTF-8 UTF-8' /etc/locale.gen; then
            as_root sed -i -E 's/^[# ]*(ja_JP\.UTF-8 UTF-8)/\1/' /etc/locale.gen
        else
            echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
        fi
        as_root locale-gen >/dev/null
    else
        as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi
fi
