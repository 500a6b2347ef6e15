#!/usr/bin/env bash
# without_read_override.sh COMMAND [ARGS...]
# Runs COMMAND without root's power to read and search any folder, so that a folder whose
# rights were taken away is as shut to it as to any user. Other users have no such power.
set -euo pipefail
if ((EUID == 0)); then
    exec setpriv --bounding-set=-dac_override,-dac_read_search "$@"
fi
exec "$@"
