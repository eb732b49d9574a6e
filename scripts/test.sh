#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless, each with a timeout.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${SESTAVIA_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
# Tests never touch the real profile: settings and data folders live in a temporary home.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 "$@"
