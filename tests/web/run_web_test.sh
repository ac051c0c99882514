#!/usr/bin/env bash
# Builds the page where needed, fetches axe-core (the accessibility checker, an npm
# package) once into the web build folder, then checks the page in headless Chromium.
# usage: run_web_test.sh SOURCE_DIR WEB_BUILD_DIR TERVOLIN_CALC
set -euo pipefail
TERVOLIN_WEB_BUILD_DIR="$2" bash "$1/scripts/web.sh" --build-only
tools="$2/test-tools"
axe="$tools/node_modules/axe-core/axe.min.js"
if [[ ! -f "$axe" ]]; then
  # Debian's npm only where no npm is installed (a Node.js from elsewhere brings its own).
  command -v npm >/dev/null || "$1/scripts/ensure-packages.sh" page-npm
  npm install --prefix "$tools" --no-audit --no-fund --silent axe-core@4
fi
/usr/bin/python3 "$(dirname "$0")/check_page.py" "$2/site" "$3" "$1/tables" "$axe" ${TERVOLIN_SCREENSHOT_DIR:-}
