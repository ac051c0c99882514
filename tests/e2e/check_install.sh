#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks the installed layout:
# binary, launcher, data files, desktop entry and metainfo under the program's id,
# icon, manual page; then starts the launcher with a
# fresh XDG_DATA_HOME and checks it made the per-user working directory.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build="$1" id="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install: $*" >&2; exit 1; }
for file in bin/tervolin bin/tervolin-calc libexec/tervolin/tervolin share/tervolin/Mus2018.dat share/tervolin/MuenAir.dat \
            share/tervolin/XFS_Data/鉄.xfs share/tervolin/XFS_Data/水.csv \
            share/tervolin/XFS_Data/骨.xfs share/tervolin/XFS_Data/materials.txt \
            "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
            share/icons/hicolor/scalable/apps/tervolin.svg share/man/man1/tervolin.1.gz; do
  [[ -e "$prefix/$file" ]] || fail "missing $file"
done
[[ -x "$prefix/bin/tervolin" ]] || fail "the launcher is not executable"
if [[ -e "$build/tools/tervolin-tables" ]]; then
  "$prefix/bin/tervolin-tables" list-sources | grep -qx 'Bone, Cortical (ICRP)' || fail "tervolin-tables not installed"
fi
grep -q '^Exec=tervolin$' "$prefix/share/applications/$id.desktop" || fail "desktop entry without Exec"

# The launcher keeps the program running; end it after a few seconds.
status=0
XDG_DATA_HOME="$scratch/home-data" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tervolin" || status=$?
((status == 124)) || fail "the program ended early with status $status"
work="$scratch/home-data/tervolin"
cmp -s "$work/Mus2018.dat" "$prefix/share/tervolin/Mus2018.dat" || fail "working directory lacks Mus2018.dat"
cmp -s "$work/MuenAir.dat" "$prefix/share/tervolin/MuenAir.dat" || fail "working directory lacks MuenAir.dat"
[[ -f "$work/XFS_Data/PMMA.xfs" ]] || fail "working directory lacks XFS_Data"

# A later start adds the shipped materials the working directory lacks and keeps the
# user's own files.
rm "$work/XFS_Data/骨.xfs"
echo "the user's own" >"$work/XFS_Data/水.csv"
status=0
XDG_DATA_HOME="$scratch/home-data" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tervolin" || status=$?
((status == 124)) || fail "the program ended early with status $status on its second start"
cmp -s "$work/XFS_Data/骨.xfs" "$prefix/share/tervolin/XFS_Data/骨.xfs" || fail "a shipped material was not added"
[[ "$(cat "$work/XFS_Data/水.csv")" == "the user's own" ]] || fail "a user's data file was replaced"
echo "install: 1 passed, 0 failed"
