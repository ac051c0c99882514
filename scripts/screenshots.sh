#!/usr/bin/env bash
# Makes the user guide's screenshots (docs/images/*.png): builds Tervolin, starts it
# on a virtual X display (Xvfb) in a scratch working directory with the bundled
# tables and with a scratch home folder, and drives it as a user would with the mouse
# and keyboard (xdotool), taking each window alone at its size. Each step below is one screen; add a step for a new
# screen where the walk reaches it. The walk runs twice: in Japanese into OUTPUT_DIR,
# and with LANGUAGE=en into OUTPUT_DIR/en.
#   screenshots.sh [OUTPUT_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mkdir -p "${1:-$root/docs/images}" && cd "${1:-$root/docs/images}" && pwd)"

if [[ -z "${TERVOLIN_SCREENSHOTS_INSIDE_XVFB:-}" ]]; then
  "$root/scripts/ensure-packages.sh" programs
  "$root/scripts/build.sh" --programs
  export TERVOLIN_SCREENSHOTS_INSIDE_XVFB=1
  TERVOLIN_SCREENSHOTS_LANGUAGE=ja xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$0" "$out"
  mkdir -p "$out/en"
  TERVOLIN_SCREENSHOTS_LANGUAGE=en exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$0" "$out/en"
fi

# The windows' titles in the language of the walk (LANGUAGE counts in a locale other
# than "C").
export LANGUAGE="${TERVOLIN_SCREENSHOTS_LANGUAGE:-ja}" LANG=C.UTF-8
unset LC_ALL LC_MESSAGES
if [[ "$LANGUAGE" == en ]]; then
  title_method='^　Spectral X-rays$' title_calc='^Angular probability density$' title_save='^Save graph$'
  title_polar='^Polar coordinates$' title_magnitudes='^Sizes of scattering$'
else
  title_method='^　スペクトルＸ線$' title_calc='^散乱角度の確率密度分布$' title_save='^グラフを保存$'
  title_polar='^極座標で表示$' title_magnitudes='^散乱の大きさを比較$'
fi

program="${TERVOLIN_BUILD_DIR:-$root/build}/ui/tervolin"
fail() { echo "screenshots: $*" >&2; exit 1; }
. "$root/tests/e2e/x_driving.sh"

enter_scratch_workdir "$root/tables"
trap 'rm -rf "$work"' EXIT

# A neutral home folder, made for this run and removed after it, so that no dialog
# shows the home of whoever makes the pictures (/root, run as root).
home="${TERVOLIN_SCREENSHOTS_HOME:-/home/user}"
mkdir "$home" 2>/dev/null \
  || fail "cannot make the home folder $home (it exists, or needs root); name another in TERVOLIN_SCREENSHOTS_HOME"
trap 'rm -rf "$work" "$home"' EXIT
export HOME="$home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME

shot() {  # shot WINDOW NAME: the window's client area alone, as docs/images/NAME.png
  xdotool mousemove 0 0
  sleep 0.5
  import -window "$1" -strip -define png:exclude-chunks=date,time "PNG8:$out/$2.png"
  echo "$out/$2.png"
}

pick_material() {  # pick_material WINDOW N: the N-th entry (0 = first) of the material list
  click "$1" $(( 3840 / 15 + 20 )) $(( 1560 / 15 + 12 ))
  xdotool key Home  # the list may have scrolled to keep an earlier choice in sight
  for _ in $(seq "$2"); do xdotool key Down; done
  sleep 0.3
}

draw() { click "$1" $(centre 720 5880 2055 615); sleep 0.5; }  # 計算・描画

menu_item() {  # menu_item WINDOW X Y N: the N-th item of the graph's context menu at (X, Y)
  xdotool mousemove --window "$1" "$2" "$3" click 3
  sleep 0.5
  for _ in $(seq "$4"); do xdotool key Down; done
  xdotool key Return
  sleep 0.6
}

wait_for_display
"$program" & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work" "$home"' EXIT

# The start screen, then each explanation screen (キャンセル goes back to the start).
start=$(window_of '^  Tervolin$')
shot "$start" start
click "$start" $(centre 7920 5520 2775 615)                 # 非干渉性散乱
incoherent=$(window_of '^ Incoherent scattering$')
shot "$incoherent" incoherent
click "$incoherent" $(centre 13800 7200 1935 735)           # キャンセル
start=$(window_of '^  Tervolin$')
click "$start" $(centre 7920 4680 2775 615)                 # 干渉性散乱
coherent=$(window_of '^ Coherent scattering$')
shot "$coherent" coherent

# The data reference and the spectral method, opened from the explanation screen.
click "$coherent" $(centre 8040 6840 1815 375)              # データ出典
source=$(window_of '^　Data reference$')
shot "$source" data-source
click "$source" $(centre 3360 3240 1095 495)                # 閉じる
click "$coherent" $(centre 11280 6720 4095 495)             # スペクトルＸ線に対する計算方法
method=$(window_of "$title_method")
shot "$method" spectral-method
click "$method" $(centre 5160 5280 1335 495)                # 閉じる

# Single energy: iron in red, lead in dark green, water in blue, all at 100 keV.
click "$coherent" $(centre 11280 5880 1935 735)             # 次へ進む
calc=$(window_of "$title_calc")
click "$calc" $(centre 600 960 1095 495 720 1080)           # energy field in its frame
xdotool type --delay 50 "100"
pick_material "$calc" 2 && draw "$calc"                     # 鉄
click "$calc" $(indicator 1680 480 375 720 4440)            # 濃緑色
pick_material "$calc" 3 && draw "$calc"                     # 鉛
click "$calc" $(indicator 3120 480 360 720 4440)            # 青色
pick_material "$calc" 6 && draw "$calc"                     # 水
shot "$calc" calculation

# The graph's context menu: the legend, then the save dialog (Ctrl+S) with a PNG name.
menu_item "$calc" 700 200 3                                 # 凡例を表示
shot "$calc" calculation-legend
# Maximised on the 1920 × 1080 screen: the graph takes the room, the controls stay.
xdotool windowmove "$calc" 0 0 windowsize "$calc" 1920 1080
sleep 1
shot "$calc" calculation-maximised
xdotool windowsize "$calc" 1028 509
sleep 0.6
xdotool key ctrl+s
save=$(window_of "$title_save")
shot "$save" save-dialog
xdotool key Escape
sleep 0.4

# The teaching views: the free electron's curves beside the atoms', then per solid
# angle with the polar diagram.
menu_item "$calc" 700 200 4                                 # 自由電子の曲線を重ねる
shot "$calc" view-free-electron
menu_item "$calc" 700 200 4                                 # off again
menu_item "$calc" 700 200 5                                 # 立体角あたりで表示
shot "$calc" view-per-solid-angle
menu_item "$calc" 700 200 7                                 # 極座標で表示…
polar=$(window_of "$title_polar")
shot "$polar" view-polar
click "$polar" 20 20
xdotool key Escape
menu_item "$calc" 700 200 5                                 # per angle again

# Coherent and incoherent scattering on one absolute scale: water at 60 keV, then lead
# at 30 keV on a logarithmic axis (Ctrl+L); the window closes with Esc after each.
magnitudes_for() {  # magnitudes_for ENERGY N: the N-th material at ENERGY keV, drawn and compared
  click "$calc" $(centre 600 960 1095 495 720 1080)
  xdotool key ctrl+a && xdotool type --delay 50 "$1"
  pick_material "$calc" "$2" && draw "$calc"
  menu_item "$calc" 700 200 8                               # 散乱の大きさを比較…
  magnitudes=$(window_of "$title_magnitudes")
}
magnitudes_for 60 6                                         # 水
shot "$magnitudes" magnitudes-water
xdotool key Escape
magnitudes_for 30 3                                         # 鉛
xdotool key ctrl+l && sleep 0.4
shot "$magnitudes" magnitudes-lead-log
xdotool key ctrl+l Escape

# Ten curves with the legend on: iron in red at four energies, lead in dark green and
# water in blue at three; a colour that comes again takes the next line style.
click "$calc" $(centre 3120 5880 2055 615)                  # グラフ消去
draw_at() {  # draw_at ENERGY N: the N-th material at ENERGY keV in the chosen colour
  click "$calc" $(centre 600 960 1095 495 720 1080)
  xdotool key ctrl+a && xdotool type --delay 30 "$1"
  pick_material "$calc" "$2" && draw "$calc"
}
click "$calc" $(indicator 360 480 360 720 4440)             # 赤色
for energy in 20 60 100 500; do draw_at "$energy" 2; done   # 鉄
click "$calc" $(indicator 1680 480 375 720 4440)            # 濃緑色
for energy in 60 100 500; do draw_at "$energy" 3; done      # 鉛
click "$calc" $(indicator 3120 480 360 720 4440)            # 青色
for energy in 60 100 500; do draw_at "$energy" 6; done      # 水
shot "$calc" calculation-ten-curves

# A spectrum of the default tube (100 kV), accepted, and iron's curve weighted by it.
click "$calc" $(centre 3120 5880 2055 615)                  # グラフ消去
click "$calc" $(indicator 240 1680 375 720 1080)            # スペクトルＸ線
click "$calc" $(centre 480 2160 1815 615 720 1080)          # スペクトル計算
spectrum=$(window_of '^X-ray spectrum$')
click "$spectrum" $(centre 10080 5640 2175 615)             # スペクトル計算
shot "$spectrum" spectrum
# Two more tubes, 80 and 120 kV, beside it with the legend; then the 100 kV again.
for kv in 80 120; do
  click "$spectrum" $(centre 12240 1680 975 405)            # tube voltage
  xdotool key ctrl+a && xdotool type --delay 50 "$kv"
  click "$spectrum" $(centre 10080 5640 2175 615)            # スペクトル計算
done
menu_item "$spectrum" 300 150 3                             # 凡例を表示
shot "$spectrum" spectrum-legend
# The same three on a common scale.
menu_item "$spectrum" 300 150 4                             # スペクトルを共通の尺度で表示
shot "$spectrum" spectrum-common-scale
click "$spectrum" $(centre 12240 1680 975 405)
xdotool key ctrl+a && xdotool type --delay 50 "100"
click "$spectrum" $(centre 10080 5640 2175 615)             # スペクトル計算
click "$spectrum" $(centre 10080 6600 2175 615)             # OK
click "$calc" $(indicator 360 480 360 720 4440)             # 赤色
pick_material "$calc" 2 && draw "$calc"                     # 鉄
shot "$calc" calculation-spectral
pick_material "$calc" 6 && draw "$calc"                     # 水
menu_item "$calc" 700 200 8                                 # 散乱の大きさを比較…
magnitudes=$(window_of "$title_magnitudes")
shot "$magnitudes" magnitudes-spectrum
xdotool key Escape
# The standard quality RQR 8 from the list below the spectrum graph, on a screen
# opened afresh; キャンセル leaves the accepted spectrum as it was.
click "$calc" $(centre 480 2160 1815 615 720 1080)          # スペクトル計算
click "$spectrum" $(centre 2760 7320 1800 420) && xdotool key Escape
for _ in $(seq 7); do xdotool key Down; done                # なし, RQR 2 … RQR 8
click "$spectrum" $(centre 10080 5640 2175 615)             # スペクトル計算
shot "$spectrum" spectrum-quality
click "$spectrum" $(centre 12600 6720 1575 495)             # キャンセル

click "$calc" $(centre 1080 6840 3615 495)                  # 終了して初期画面に戻る
start=$(window_of '^  Tervolin$')
click "$start" $(centre 7920 6480 2775 615)                 # 終　了
wait "$pid" || fail "Tervolin ended with status $?"
