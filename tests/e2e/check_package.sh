#!/usr/bin/env bash
# Builds the Debian package from the build's install step (cpack) and checks it as an
# administrator would: its name and version, the dependencies, every installed file,
# lintian, the metadata validators; then unpacks it into a scratch folder and runs
# the launcher (offscreen, fresh XDG_DATA_HOME) and the command-line programs built.
#   check_package.sh BUILD_DIR VERSION APP_ID PROGRAM[,PROGRAM...] [WEB_SITE]
set -euo pipefail
build="$1" version="$2" id="$3"
IFS=, read -r -a programs <<< "$4"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() { echo "package: $*" >&2; exit 1; }
built() { [[ " ${programs[*]} " == *" $1 "* ]]; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb="$scratch/out/tervolin_${version}_amd64.deb"
[[ -f "$deb" ]] || fail "no $(basename "$deb")"
[[ "$(dpkg-deb --field "$deb" Version)" == "$version" ]] || fail "Version field is not $version"

# Libraries found by dpkg-shlibdeps in the binaries, and the fonts named by hand.
depends="$(dpkg-deb --info "$deb" | sed -n 's/^ Depends: //p')"
for package in libc6 libqt6widgets6 libqt6svgwidgets6 fonts-noto-cjk fonts-liberation2 qt6-translations-l10n; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

expected=(usr/bin/tervolin usr/libexec/tervolin/tervolin usr/share/tervolin/Mus2018.dat
          usr/share/tervolin/XFS_Data/鉄.xfs usr/share/tervolin/XFS_Data/水.csv
          "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
          usr/share/icons/hicolor/scalable/apps/tervolin.svg usr/share/man/man1/tervolin.1.gz
          usr/share/doc/tervolin/copyright usr/share/doc/tervolin/changelog.gz)
for program in "${programs[@]:1}"; do
  expected+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
# The page, when it was built before the package.
if [[ -f "${5:-}/index.html" ]]; then
  expected+=(usr/share/tervolin/web/index.html usr/share/tervolin/web/tervolin.wasm usr/share/tervolin/web/tervolin.data)
fi
dpkg-deb --contents "$deb" | awk '{ print $NF }' > "$scratch/contents"
for file in "${expected[@]}"; do
  grep -qxF "./$file" "$scratch/contents" || fail "the package lacks /$file"
done

lintian --fail-on error "$deb" > "$scratch/lintian.log" 2>&1 || { cat "$scratch/lintian.log" >&2; fail "lintian reports errors"; }
grep -v '^running with root' "$scratch/lintian.log" || true

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
  || fail "the metainfo file does not validate"
# The tree check also finds the desktop entry that the metainfo names as launchable.
appstreamcli validate-tree --no-net "$root" > "$scratch/tree.log" 2>&1 \
  || { cat "$scratch/tree.log" >&2; fail "the installed tree does not validate"; }
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks release $version"
problems="$(desktop-file-validate "$root/usr/share/applications/$id.desktop" | grep -v ': hint: ' || true)"
[[ -z "$problems" ]] || fail "the desktop entry does not validate: $problems"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$root/usr/share/doc/tervolin/copyright" \
  || fail "the copyright file is not in the machine-readable format"

# Every manual page names each data file the programs read: the entries of the
# installed data folder and the files in XFS_Data that belong to no one material
# (not the page in web/, which carries its own copy and no program reads).
data="$root/usr/share/tervolin"
mapfile -t data_files < <(find "$data" -mindepth 1 -maxdepth 1 ! -name web -printf '%f\n'
                          find "$data/XFS_Data" -type f ! -name '*.xfs' ! -name '*.csv' -printf '%f\n')
((${#data_files[@]} >= 4)) || fail "the data folder holds only: ${data_files[*]}"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  text="$(zcat "$page")"
  for file in "${data_files[@]}"; do
    [[ "$text" == *"$file"* ]] || fail "$(basename "$page") does not name $file"
  done
done

# The launcher keeps the program running; end it after a few seconds.
status=0
XDG_DATA_HOME="$scratch/home-data" QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/tervolin" || status=$?
((status == 124)) || fail "the unpacked program ended early with status $status"
[[ -f "$scratch/home-data/tervolin/XFS_Data/鉄.xfs" ]] || fail "the launcher did not make the working directory"

# From a folder without data, so the programs find the data installed beside them.
mkdir "$scratch/elsewhere" && cd "$scratch/elsewhere"
if built tervolin-calc; then
  env -u TERVOLIN_DATA "$root/usr/bin/tervolin-calc" angles --scattering coherent --material iron --energy 100 \
    > "$scratch/angles.csv" || fail "tervolin-calc failed"
  (($(wc -l < "$scratch/angles.csv") == 181)) || fail "tervolin-calc printed no distribution of 180 angles"
  grep -q '^180,' "$scratch/angles.csv" || fail "tervolin-calc's last row is not θ = 180"
fi
if built tervolin-tables; then
  "$root/usr/bin/tervolin-tables" list-sources | grep -qF 'Water, Liquid' || fail "tervolin-tables lists no NIST names"
fi
echo "package: 1 passed, 0 failed"
