#!/usr/bin/env bash
# wine-run.sh BUILD_DIR PROGRAM [ARGS...]
#
# Runs a Windows program under Wine in a prefix of its own inside BUILD_DIR, in the Japanese
# locale (code page 932), and exits with the program's exit code. ctest uses it as the
# cross-compiling emulator of the windows build.
#
# Environment:
#   DISPLAY          the X display to use; when unset the run gets a private Xvfb.
#   TABORA_WINE_RAW  1: pass the program's output through unconverted (CP932). Needed when
#                    the program starts a child that may outlive it (notepad, a second
#                    tabora): the child holds our output, so nothing may wait for it to close.
set -euo pipefail

if (($# < 2)); then
    echo "usage: ${0##*/} BUILD_DIR PROGRAM [ARGS...]" >&2
    exit 2
fi

# No display: run this whole script again inside an Xvfb of its own.
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "${BASH_SOURCE[0]}" "$@"
fi

mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
program=$2
shift 2

# Wine derives the ANSI code page from the locale; without it every test would fail oddly.
if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    echo "${0##*/}: the ja_JP.UTF-8 locale is missing (tools/deps.sh generates it)" >&2
    exit 2
fi

export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
# No offers to download Mono or Gecko, and no menu entries or file associations on the host.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=$build_dir/wine-prefix
# Wine writes into the home folder (desktop links, the recycle bin): keep it in the build.
export HOME=$build_dir/wine-home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
# Without the data folder, deleting to the recycle bin deletes for good.
mkdir -p "$XDG_DATA_HOME"
wineserver=${WINESERVER:-wineserver}

# Settings the prefix must carry. Changing this list re-applies it to existing prefixes.
registry=(
    # Without a window manager every closing top-level window costs about 2 s otherwise.
    'HKCU\Software\Wine\X11 Driver|Managed|REG_SZ|N'
    # A crash ends the process with its exception code instead of waiting in a debugger
    # dialog that nobody answers.
    'HKCU\Software\Wine\WineDbg|ShowCrashDialog|REG_DWORD|0'
    'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug|Debugger|REG_SZ|'
)
stamp=$WINEPREFIX/.tabora-setup
setup_log=$build_dir/wine-prefix-setup.log

prefix_ready() { [[ -f $stamp && $(<"$stamp") == "$(printf '%s\n' "${registry[@]}")" ]]; }

# Errors are checked one by one: this runs where errexit does not apply.
create_prefix() {
    if [[ ! -f $stamp ]]; then
        # A prefix without the stamp is a setup that was cut short: start over.
        rm -rf "$WINEPREFIX"
        wineboot -i || return 1
    fi
    # wineboot returns while the new prefix is still being set up; a program started then
    # may fail ("ShellExecuteEx failed: internal error"). Wait until its server is idle.
    "$wineserver" -w || true
    local entry key name type data try
    for entry in "${registry[@]}"; do
        IFS='|' read -r key name type data <<<"$entry"
        # A fresh prefix can still refuse the first programs: try again a few times.
        for try in 1 2 3 4 5; do
            wine reg add "$key" /v "$name" /t "$type" /d "$data" /f && break
            ((try < 5)) || return 1
            echo "wine reg add failed (try $try); again in $try s" >&2
            "$wineserver" -w || true
            sleep "$try"
        done
    done
    # Stopping the server writes the registry to disk before the stamp says it is there.
    "$wineserver" -k || true
}

set_up_prefix() {
    if ! create_prefix >"$setup_log" 2>&1; then
        echo "${0##*/}: setting up $WINEPREFIX failed:" >&2
        iconv -f CP932 -t UTF-8 -c "$setup_log" >&2
        exit 1
    fi
    printf '%s\n' "${registry[@]}" >"$stamp"
}

# Output is converted from CP932 by two iconv processes. They are started before the lock
# files are opened so that they cannot hold the locks.
raw=${TABORA_WINE_RAW:-0}
if [[ $raw != 1 ]]; then
    exec {out}> >(exec iconv -f CP932 -t UTF-8 -c)
    out_pid=$!
    exec {err}> >(exec iconv -f CP932 -t UTF-8 -c >&2)
    err_pid=$!
fi

# The prefix is created once, by whichever caller comes first.
exec {setup_lock}>"$build_dir/wine-prefix.lock"
if ! prefix_ready; then
    flock -x "$setup_lock"
    prefix_ready || set_up_prefix {setup_lock}>&-
fi
exec {setup_lock}>&-

# Every caller holds a shared lock while its program runs; only the last one out may stop
# the wineserver, which would otherwise kill the programs of the others.
exec {session_lock}>"$build_dir/wine-session.lock"
flock -s "$session_lock"

stop_wineserver_if_last() {
    if flock -xn "$session_lock"; then
        "$wineserver" -k {session_lock}>&- 2>/dev/null || true
        return 0
    fi
    return 1
}

pid=
on_signal() {
    trap - TERM INT HUP
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    stop_wineserver_if_last || true
    exit "$1"
}
trap 'on_signal 143' TERM
trap 'on_signal 130' INT
trap 'on_signal 129' HUP

# In the background so that the traps can run while it does; a background job would get
# /dev/null as its input unless given the real one explicitly.
{ exec {stdin}<&0; } 2>/dev/null || exec {stdin}</dev/null
if [[ $raw == 1 ]]; then
    wine "$program" "$@" <&"$stdin" {stdin}<&- {session_lock}>&- &
else
    wine "$program" "$@" <&"$stdin" >&"$out" 2>&"$err" {stdin}<&- {session_lock}>&- {out}>&- {err}>&- &
fi
pid=$!
rc=0
wait "$pid" || rc=$?
pid=

# The wineserver, Wine's services and any child the program left behind inherited our
# output; stopping them first lets the converters see the end of their input.
last=0
stop_wineserver_if_last && last=1
if [[ $raw != 1 ]]; then
    exec {out}>&- {err}>&-
    # Another caller's processes may still hold the pipes; then leave the converters to
    # finish on their own.
    if ((last)); then
        wait "$out_pid" "$err_pid" 2>/dev/null || true
    fi
fi
exit "$rc"
