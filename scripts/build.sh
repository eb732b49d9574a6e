#!/usr/bin/env bash
# Configures and builds the project in build/ (Release). Used by run.sh and test.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${SESTAVIA_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -- -j"${SESTAVIA_JOBS:-2}"
