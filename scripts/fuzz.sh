#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for the given number of seconds (default 60) on its corpus under
# tests/fuzz/corpus/. With --keep, new inputs are added to that corpus; otherwise the
# corpus only seeds the run and the source tree is left as it was.
#   scripts/fuzz.sh [--keep] [SECONDS] [TARGET...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
keep=0
if [[ "${1:-}" == "--keep" ]]; then keep=1; shift; fi
seconds="${1:-60}"; shift || true
targets=("$@")
((${#targets[@]})) || targets=(leading_number item_reader tables_and_distributions spectrum)

build="${TERVOLIN_FUZZ_BUILD_DIR:-$root/build-fuzz}"
CXX=clang++ cmake -S "$root" -B "$build" -DTERVOLIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

for target in "${targets[@]}"; do
  corpus="$root/tests/fuzz/corpus/$target"
  scratch="$(mktemp -d)"
  dirs=("$scratch" "$corpus")
  ((keep)) && dirs=("$corpus")
  echo "== fuzz_$target for ${seconds}s"
  # Each input gets at most 10 s and 2 GiB; a crash, leak, sanitizer report, hang
  # or out-of-memory fails the run.
  log="$(mktemp)"
  status=0
  (cd "$scratch" && "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=200000 -print_final_stats=1 "${dirs[@]}" >"$log" 2>&1) || status=$?
  grep -E '^(Done|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' "$log" || true
  ((status == 0)) || tail -n 40 "$log" >&2
  rm -rf "$scratch" "$log"
  if ((status != 0)); then echo "fuzz_$target failed" >&2; exit "$status"; fi
done
