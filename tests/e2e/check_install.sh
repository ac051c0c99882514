#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks the installed layout:
# binary, launcher, data files, desktop entry and metainfo under the program's id,
# icon, manual page; then starts the launcher with a fresh XDG_DATA_HOME and checks it
# made the per-user working directory; starts it again after the user changed tables
# there and a newer release shipped a material, and checks the user's files were kept
# and only missing ones copied in.
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
launch() {
  local status=0
  XDG_DATA_HOME="$scratch/home-data" QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/tervolin" || status=$?
  ((status == 124)) || fail "the program ended early with status $status"
}
launch
work="$scratch/home-data/tervolin"
cmp -s "$work/Mus2018.dat" "$prefix/share/tervolin/Mus2018.dat" || fail "working directory lacks Mus2018.dat"
cmp -s "$work/MuenAir.dat" "$prefix/share/tervolin/MuenAir.dat" || fail "working directory lacks MuenAir.dat"
[[ -f "$work/XFS_Data/PMMA.xfs" ]] || fail "working directory lacks XFS_Data"

echo "% the teacher's copy" >> "$work/Mus2018.dat"
echo "% the teacher's iron" >> "$work/XFS_Data/鉄.xfs"
cp "$work/XFS_Data/鉄.xfs" "$work/XFS_Data/自作.xfs"
rm "$work/XFS_Data/PMMA.csv"
cp "$prefix/share/tervolin/XFS_Data/水.xfs" "$prefix/share/tervolin/XFS_Data/新素材.xfs"
launch
grep -q "teacher's copy" "$work/Mus2018.dat" || fail "the user's Mus2018.dat was overwritten"
grep -q "teacher's iron" "$work/XFS_Data/鉄.xfs" || fail "the user's 鉄.xfs was overwritten"
[[ -f "$work/XFS_Data/自作.xfs" ]] || fail "the user's own table is gone"
[[ -f "$work/XFS_Data/PMMA.csv" ]] || fail "a missing table was not copied again"
[[ -f "$work/XFS_Data/新素材.xfs" ]] || fail "a newly shipped material did not reach the working directory"
echo "install: 1 passed, 0 failed"
