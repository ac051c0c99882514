#!/usr/bin/env bash
# The manual pages as man shows them: groff finds nothing undefined in any of them,
# and tervolin-calc(1)'s formulas read back as text with their superscripts and
# subscripts (r₀², F²(x), N_A/M), not as the subset signs of a misread escape.
#   check_man_pages.sh MAN_FOLDER
set -euo pipefail
folder="$1"
failed=0
for page in "$folder"/*.1; do
  warnings="$(groff -k -man -ww -Wbreak -z -Tutf8 "$page" 2>&1)"
  if [[ -n "$warnings" ]]; then echo "$page: groff: $warnings"; failed=1; fi
done
text="$(LANG=C.UTF-8 LC_ALL=C.UTF-8 MANWIDTH=200 MANPAGER=cat man -l "$folder/tervolin-calc.1" | col -bx | tr -s ' ')"
for wanted in 'r₀² ½ (1 + cos² θ) F²(x)' 'N_A/M per gram' 'cm²/g per degree' '1.43 to 150 keV'; do
  if [[ "$text" != *"$wanted"* ]]; then echo "tervolin-calc.1: \"$wanted\" not in the rendered page"; failed=1; fi
done
exit "$failed"
