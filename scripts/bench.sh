#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them (bench/run.sh): each beside its floor,
# measured in the same run, as a ratio; then start-up to the first painted start screen
# beside a bare Qt window (medians of alternating runs) with both peak resident sizes;
# then a whole run of tervolin-calc for a spectral distribution beside /bin/true and
# beside the library call it makes. --quick measures each briefly, as the test suite
# does.
#   scripts/bench.sh [--quick] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
quick=()
if [[ "${1:-}" == --quick ]]; then quick=(--quick); shift; fi
runs="${1:-$([[ ${#quick[@]} -gt 0 ]] && echo 1 || echo 15)}"
build="${TERVOLIN_BENCH_BUILD_DIR:-$root/build-bench}"
"$root/scripts/ensure-packages.sh" programs bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTERVOLIN_WITH_TESTS=OFF \
  -DTERVOLIN_WITH_TABLE_TOOL=OFF -DTERVOLIN_WITH_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_computation bench_drawing bench_startup \
  bench_calc tervolin-calc >/dev/null
bash "$root/bench/run.sh" "$build" "$runs" "${quick[@]}"
