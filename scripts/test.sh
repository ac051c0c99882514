#!/usr/bin/env bash
# Installs what is missing, builds Tervolin with its tests and runs the whole suite:
# the normal build (core, data, tables, screens, end-to-end), then the toolkit-free
# library and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/ensure-packages.sh" programs tests page page-test packaging

# One test reads numbers under a comma-decimal locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# A compiler cache, where the machine has one, serves every checkout of the same
# sources: paths below the checkout are hashed relative to it.
if command -v ccache >/dev/null && [[ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]]; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$root"
fi

build="${TERVOLIN_BUILD_DIR:-$root/build}"
sanitized="${TERVOLIN_SANITIZE_BUILD_DIR:-$root/build-sanitize}"

"$root/scripts/build.sh"
# The page, built here so that its browser test in ctest only checks it.
"$root/scripts/web.sh" --build-only
TERVOLIN_BUILD_DIR="$sanitized" "$root/scripts/build.sh" \
  -DTERVOLIN_WITH_UI=OFF -DTERVOLIN_WITH_TABLE_TOOL=OFF -DTERVOLIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

# A short smoke run of every fuzz target over its corpus.
TERVOLIN_FUZZ_BUILD_DIR="${TERVOLIN_FUZZ_BUILD_DIR:-$root/build-fuzz}" "$root/scripts/fuzz.sh" 15

ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$sanitized" --output-on-failure -j2 --timeout 300
ctest --test-dir "$build" --output-on-failure -j2 --timeout 300
