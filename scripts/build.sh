#!/usr/bin/env bash
# Configures and builds Tervolin into build/ (or $TERVOLIN_BUILD_DIR): everything, or
# with --programs only the programs (tervolin, and tervolin-calc and tervolin-tables
# where they are built), not the tests.
#   build.sh [--programs] [CMAKE_OPTION...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TERVOLIN_BUILD_DIR:-$root/build}"
target=()
if [[ "${1:-}" == "--programs" ]]; then target=(--target programs); shift; fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" "${target[@]}"
