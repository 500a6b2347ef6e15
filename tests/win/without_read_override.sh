#!/usr/bin/env bash
# without_read_override.sh COMMAND [ARGS...]
# Runs COMMAND without root's power to read and search any folder, so that a folder whose
# rights were taken away is as shut to it as to any user. Other users have no such power.
# Where root may not drop it (a container without CAP_SETPCAP), the test is told to skip.
set -euo pipefail
drop=(setpriv --bounding-set=-dac_override,-dac_read_search)
if ((EUID == 0)); then
    if "${drop[@]}" true 2>/dev/null; then
        exec "${drop[@]}" "$@"
    fi
    echo "${0##*/}: root cannot drop its read power here; the test skips" >&2
    unset TABORA_NO_READ_OVERRIDE
fi
exec "$@"
