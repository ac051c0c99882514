#!/usr/bin/env bash
# Builds the benchmarks (Release) and prints each beside its floor, measured in the
# same run, as a ratio; then start-up to the first painted start screen beside a bare
# Qt window (medians of alternating runs) with both peak resident sizes; then a whole
# run of tervolin-calc for a spectral distribution beside /bin/true and beside the
# library call it makes.
#   scripts/bench.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
build="${TERVOLIN_BENCH_BUILD_DIR:-$root/build-bench}"
"$root/scripts/ensure-packages.sh" programs bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTERVOLIN_WITH_TESTS=OFF \
  -DTERVOLIN_WITH_TABLE_TOOL=OFF -DTERVOLIN_WITH_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_computation bench_drawing bench_startup \
  bench_calc tervolin-calc >/dev/null

results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
"$build/bench/bench_computation" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$results/computation.json"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_drawing" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$results/drawing.json"

cd "$root/tables"  # the start screen reads Mus2018.dat from its working directory
for _ in $(seq "$runs"); do
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" tervolin >>"$results/startup-tervolin.txt"
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" bare >>"$results/startup-bare.txt"
done
"$build/bench/bench_calc" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$results/calc.json"
/usr/bin/python3 "$root/bench/process_times.py" "$runs" "$results/process.json" \
  "calc=$build/cli/tervolin-calc angles --scattering incoherent --material iron --kv 150 --data $root/tables" \
  "true=/bin/true"
/usr/bin/python3 "$root/bench/ratios.py" "$results"
