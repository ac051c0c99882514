#!/usr/bin/env bash
# Installs the build into a scratch prefix and runs the installed tervolin-calc from
# a folder without data files: it must find share/tervolin beside its bin folder.
#   check_installed_calc.sh BUILD_DIR
set -euo pipefail
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for component in calc data; do  # only these, so the screens need not be built
  cmake --install "$1" --prefix "$scratch/prefix" --component "$component" >/dev/null
done
mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
fail() { echo "installed tervolin-calc: $*" >&2; exit 1; }
out="$(env -u TERVOLIN_DATA "$scratch/prefix/bin/tervolin-calc" angles --scattering coherent --material water --energy 30)" ||
  fail "did not run on the installed data"
[[ "$(sed -n 2p <<<"$out")" == 1,* ]] || fail "unexpected output: $(head -2 <<<"$out")"
[[ "$(wc -l <<<"$out")" == 181 ]] || fail "not 180 angles"
echo "installed tervolin-calc: 1 passed, 0 failed"
