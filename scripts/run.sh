#!/usr/bin/env bash
# Starts the built program. Without a display it runs under Xvfb. With --temp-home it uses
# a fresh temporary data root and settings, so the real ones are not touched.
#   ./scripts/run.sh [--temp-home] [program arguments...]
# CICLARA_PROGRAM names another build of the program to start.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${CICLARA_PROGRAM:-$PWD/build/bin/Ciclara}"
[ -x "$program" ] || { echo "Build first: ./scripts/build.sh" >&2; exit 1; }

if [ "${1:-}" = "--temp-home" ]; then
    shift
    home="$(mktemp -d)"
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/data" "$home/config" "$home/share" "$home/run"
    chmod 700 "$home/run"
    export CICLARA_HOME="$home/data/" XDG_CONFIG_HOME="$home/config"
    export XDG_DATA_HOME="$home/share" XDG_RUNTIME_DIR="$home/run"
    echo "Temporary home: $home"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1024x768x24" "$program" "$@"
else
    "$program" "$@"
fi
