#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${SESTAVIA_BUILD_DIR:-$root/build}"
# Without a display Qt would abort: fall back to a virtual one.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a "$build/sestavia" "$@"
fi
exec "$build/sestavia" "$@"
