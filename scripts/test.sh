#!/bin/bash
# Builds everything (host unit tests, the i686 and x86_64 Glimmerbox.scr, the
# Wine tests) and runs all tests with CTest. Installs what it needs first.
# Usage: scripts/test.sh [extra ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GLIMMERBOX_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure "$@"
