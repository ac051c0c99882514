#!/usr/bin/env bash
# Builds the page where needed, then checks it in headless Chromium.
# usage: run_web_test.sh SOURCE_DIR WEB_BUILD_DIR TERVOLIN_CALC
set -euo pipefail
TERVOLIN_WEB_BUILD_DIR="$2" bash "$1/scripts/web.sh" --build-only
/usr/bin/python3 "$(dirname "$0")/check_page.py" "$2/site" "$3" "$1/tables" ${TERVOLIN_SCREENSHOT_DIR:-}
