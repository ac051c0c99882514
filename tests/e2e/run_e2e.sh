#!/usr/bin/env bash
# End-to-end: Tervolin in a real X window under Xvfb, driven like a person with the
# mouse and keyboard (xdotool), checked from outside: a screenshot for the curve,
# the working directory for P_Spectrum.dat, the exit status; then that a termination
# signal ends the program as 終　了 does, leaving a P_Spectrum.dat it did not write.
#   run_e2e.sh PROGRAM EXPECTATIONS TABLES_DIR
set -euo pipefail
program="$1" expectations="$2" tables="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [[ -z "${TERVOLIN_E2E_INSIDE_XVFB:-}" ]]; then
  export TERVOLIN_E2E_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

fail() { echo "end-to-end: $*" >&2; exit 1; }
. "$here/x_driving.sh"

enter_scratch_workdir "$tables"
trap 'rm -rf "$work"' EXIT

wait_for_display
"$program" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

start=$(window_of '^  Tervolin$')
click "$start" $(centre 7920 4680 2775 615)                 # 干渉性散乱
coherent=$(window_of '^ Coherent scattering$')
click "$coherent" $(centre 11280 5880 1935 735)             # 次へ進む
calc=$(window_of '^散乱角度の確率密度分布$')

click "$calc" $(centre 600 960 1095 495 720 1080)           # energy field in its frame
xdotool type --delay 50 "100"
click "$calc" $(( 3840 / 15 + 20 )) $(( 1560 / 15 + 12 ))   # first material in the list
xdotool key --delay 100 Down Down                           # 水素 → 炭素 → 鉄
click "$calc" $(centre 720 5880 2055 615)                   # 計算・描画
sleep 0.5
import -window "$calc" "$work/curve.png"
"$expectations" curve "$tables" 鉄 100 > "$work/curve.txt" || fail "no expected curve"
/usr/bin/python3 "$here/check_curve.py" "$work/curve.png" "$work/curve.txt" || fail "curve not where the distribution puts it"

click "$calc" $(indicator 240 1680 375 720 1080)            # スペクトルＸ線
click "$calc" $(centre 480 2160 1815 615 720 1080)          # スペクトル計算
spectrum=$(window_of '^X-ray spectrum$')
click "$spectrum" $(centre 10080 5640 2175 615)             # スペクトル計算
click "$spectrum" $(centre 10080 6600 2175 615)             # OK
[[ -f P_Spectrum.dat ]] || fail "P_Spectrum.dat was not written"
"$expectations" spectrum "$tables" > "$work/expected.dat" || fail "no expected spectrum"
cmp P_Spectrum.dat "$work/expected.dat" || fail "P_Spectrum.dat differs from the model's output"

click "$calc" $(centre 1080 6840 3615 495)                  # 終了して初期画面に戻る
start=$(window_of '^  Tervolin$')
click "$start" $(centre 7920 6480 2775 615)                 # 終　了
status=0
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || status=$?
((status == 0)) || fail "the program ended with status $status"
[[ ! -e P_Spectrum.dat ]] || fail "P_Spectrum.dat is still there after 終　了"

# SIGINT is left out: a background job of a script ignores it, and so does the
# program then. A logout sends SIGHUP. The P_Spectrum.dat there now is another
# program's (this one did not write it): the program ends and leaves it.
for signal in TERM HUP; do
  cp "$work/expected.dat" P_Spectrum.dat
  "$program" & pid=$!
  window_of '^  Tervolin$' >/dev/null
  kill -s "$signal" "$pid"
  status=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  wait "$pid" || status=$?
  ((status == 0)) || fail "SIG$signal: the program ended with status $status"
  cmp -s P_Spectrum.dat "$work/expected.dat" || fail "SIG$signal: another program's P_Spectrum.dat was removed"
done
echo "end-to-end: 2 passed, 0 failed"
