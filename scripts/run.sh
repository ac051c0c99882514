#!/usr/bin/env bash
# Installs what is missing, builds the programs (not the tests: scripts/test.sh builds
# those) and starts Tervolin in a working directory that holds its data files. Without a display it starts Tervolin on a virtual X
# display, saves a screenshot of the start screen and ends it again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/ensure-packages.sh" programs
"$root/scripts/build.sh" --programs
program="${TERVOLIN_BUILD_DIR:-$root/build}/ui/tervolin"

# The program reads Mus2018.dat, MuenAir.dat and XFS_Data/ from, and writes
# P_Spectrum.dat to, its working directory: never the source tree. Data files already
# there are kept, the user's own tables among them; only missing ones are copied in.
workdir="${TERVOLIN_WORKDIR:-${XDG_DATA_HOME:-$HOME/.local/share}/tervolin}"
mkdir -p "$workdir" "$workdir/XFS_Data"
. "$root/packaging/copy-missing.sh"
for file in Mus2018.dat MuenAir.dat; do
  [[ -e "$workdir/$file" ]] || cp "$root/tables/$file" "$workdir/"
done
copy_missing "$root/tables/XFS_Data" "$workdir/XFS_Data"
cd "$workdir"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program"
fi

shot="$workdir/tervolin-start-screen.png"
echo "No display found: starting Tervolin on a virtual X display (Xvfb)."
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  "$1" & pid=$!
  if xdotool search --sync --onlyvisible --name "Tervolin" >/dev/null 2>&1; then
    sleep 1
    import -window root "$2"
  fi
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
' _ "$program" "$shot" &
runner=$!
# xdotool --sync waits forever when no window appears; give it 60 seconds.
for _ in $(seq 60); do kill -0 "$runner" 2>/dev/null || break; sleep 1; done
kill "$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
if [[ -s "$shot" ]]; then
  echo "Screenshot of the start screen: $shot"
else
  echo "Tervolin did not show its start screen; no screenshot was taken." >&2
  exit 1
fi
echo "Interactive use needs a display: run this command again from a desktop session."
