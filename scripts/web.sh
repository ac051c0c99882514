#!/usr/bin/env bash
# Tervolin in a browser: installs what is missing (Emscripten), builds the page (the
# library compiled to WebAssembly, with the shipped tables) into build-web/ (or
# $TERVOLIN_WEB_BUILD_DIR) and serves it with Python's http.server on 127.0.0.1:8080
# (or $PORT). With --build-only it stops after the build.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TERVOLIN_WEB_BUILD_DIR:-$root/build-web}"

"$root/scripts/ensure-packages.sh" page

# Emscripten's JavaScript tools need acorn, which Debian keeps in /usr/share/nodejs;
# a Node.js from elsewhere does not look there by itself.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  emcmake cmake -S "$root/web" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)"

[[ "${1:-}" == "--build-only" ]] && exit 0
port="${PORT:-8080}"
echo "Tervolin in a browser: http://127.0.0.1:$port/"
cd "$build/site"
exec python3 -m http.server --bind 127.0.0.1 "$port"
