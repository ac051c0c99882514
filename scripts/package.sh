#!/usr/bin/env bash
# Installs what is missing, builds Tervolin into build/ (or $TERVOLIN_BUILD_DIR) and
# makes its Debian package there: tervolin_<version>_amd64.deb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/ensure-packages.sh" programs page packaging
"$root/scripts/build.sh"
"$root/scripts/web.sh" --build-only  # the page the package ships
build="${TERVOLIN_BUILD_DIR:-$root/build}"
(cd "$build" && cpack -G DEB)
echo "Package: $(ls "$build"/tervolin_*_amd64.deb)"
