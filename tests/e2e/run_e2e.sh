#!/usr/bin/env bash
# End-to-end: Tervolin in a real X window under Xvfb, driven like a person with the
# mouse and keyboard (xdotool), checked from outside: a screenshot for the curve,
# the working directory for P_Spectrum.dat, the exit status; then that a termination
# signal ends the program as 終　了 does.
#   run_e2e.sh PROGRAM EXPECTATIONS TABLES_DIR
set -euo pipefail
program="$1" expectations="$2" tables="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [[ -z "${TERVOLIN_E2E_INSIDE_XVFB:-}" ]]; then
  export TERVOLIN_E2E_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$tables/Mus2018.dat" "$tables/MuenAir.dat" "$tables/XFS_Data" "$work/"
cd "$work"
unset QT_QPA_PLATFORM

fail() { echo "end-to-end: $*" >&2; exit 1; }

# Client-area pixel of the centre of a control given in twips (15 twips = 1 pixel),
# plus an offset in twips for controls inside a frame.
centre() { echo $(( ($1 + $3 / 2 + ${5:-0}) / 15 )) $(( ($2 + $4 / 2 + ${6:-0}) / 15 )); }

window_of() {  # waits for a visible window whose title matches
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window titled '$1'"
}

# Xvfb may take its time to accept clients on a loaded machine: the program starts
# only once the display answers. The server runs with -noreset: by default it resets
# when its last client leaves, and a program connecting just after this probe
# disconnected would meet the reset and fail to connect.
wait_for_display() {
  for _ in $(seq 300); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return
    sleep 0.1
  done
  fail "the display ${DISPLAY:-} does not answer"
}

click() {  # click WINDOW X Y (client pixels)
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.4
}

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

click "$calc" $(( (720 + 240) / 15 + 8 )) $(( (1080 + 1680 + 375 / 2) / 15 ))  # スペクトルＸ線 indicator
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
# program then. A logout sends SIGHUP.
for signal in TERM HUP; do
  cp "$work/expected.dat" P_Spectrum.dat
  "$program" & pid=$!
  window_of '^  Tervolin$' >/dev/null
  kill -s "$signal" "$pid"
  status=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  wait "$pid" || status=$?
  ((status == 0)) || fail "SIG$signal: the program ended with status $status"
  [[ ! -e P_Spectrum.dat ]] || fail "SIG$signal: P_Spectrum.dat is still there"
done
echo "end-to-end: 2 passed, 0 failed"
