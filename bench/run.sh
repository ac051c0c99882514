#!/usr/bin/env bash
# Runs the benchmarks built in BUILD_DIR and prints each beside its floor, measured in
# the same run, as a ratio; then start-up to the first painted start screen beside a
# bare Qt window (medians of alternating runs) with both peak resident sizes; then a
# whole run of tervolin-calc for a spectral distribution beside /bin/true and beside
# the library call it makes. --quick measures each briefly, once or twice: the table
# in seconds, its ratios rough (the test suite's check that it runs).
#   bench/run.sh BUILD_DIR [RUNS] [--quick]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
runs="${2:-15}"
repetitions=(--benchmark_repetitions=5)
if [[ "${3:-}" == --quick ]]; then
  repetitions=(--benchmark_repetitions=2 --benchmark_min_time=0.01)
fi
google=("${repetitions[@]}" --benchmark_report_aggregates_only=true --benchmark_format=json)

results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
"$build/bench/bench_computation" "${google[@]}" >"$results/computation.json"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_drawing" "${google[@]}" >"$results/drawing.json"

cd "$root/tables"  # the start screen reads Mus2018.dat from its working directory
for _ in $(seq "$runs"); do
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" tervolin >>"$results/startup-tervolin.txt"
  QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" bare >>"$results/startup-bare.txt"
done
"$build/bench/bench_calc" "${google[@]}" >"$results/calc.json"
/usr/bin/python3 "$root/bench/process_times.py" "$runs" "$results/process.json" \
  "calc=$build/cli/tervolin-calc angles --scattering incoherent --material iron --kv 150 --data $root/tables" \
  "true=/bin/true"
/usr/bin/python3 "$root/bench/ratios.py" "$results"
