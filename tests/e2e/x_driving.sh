# Driving Tervolin's windows on an X display like a person, with xdotool: sourced by
# the end-to-end test and by scripts/screenshots.sh. The sourcing script defines
# fail() first.

# A scratch working directory with the data files of TABLES_DIR; the shell moves
# into it and unsets QT_QPA_PLATFORM, so the program opens real windows.
enter_scratch_workdir() {  # enter_scratch_workdir TABLES_DIR
  work="$(mktemp -d)"
  cp -r "$1/Mus2018.dat" "$1/MuenAir.dat" "$1/XFS_Data" "$work/"
  cd "$work"
  unset QT_QPA_PLATFORM
}

# Client-area pixel of the centre of a control given in twips (15 twips = 1 pixel),
# plus an offset in twips for controls inside a frame.
centre() { echo $(( ($1 + $3 / 2 + ${5:-0}) / 15 )) $(( ($2 + $4 / 2 + ${6:-0}) / 15 )); }
# The indicator of an option button (left, top, height in twips; its frame's offset).
indicator() { echo $(( ($1 + ${4:-0}) / 15 + 8 )) $(( ($2 + $3 / 2 + ${5:-0}) / 15 )); }

window_of() {  # waits for a visible window whose title matches
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [[ -n "$id" ]] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window titled '$1'"
}

# Xvfb may take its time to accept clients on a loaded machine: the program starts
# only once the display answers. The server must run with -noreset: by default it
# resets when its last client leaves, and a program connecting just after this probe
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
