#!/usr/bin/env bash
# The pictures of the printed pages in docs/printouts: the pay stub, the check with its two stubs
# and the ledger of a sample user, printed by the built orvane-calc, and the main window's and the
# overtime window's pictures, printed by orvane-ui-probe through the program's printer; each a
# Letter PDF turned into a small PNG. Usage: bash tools/printout_pictures.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="$root/docs/printouts"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/data/Federal.dtt" "$root"/tests/fixtures/users/Smith.{use,and,cfe,ovw} "$root/tests/fixtures/users/Header.sav" "$work/"
# The check at offsets 0 and 0, as a new user prints it.
sed -i '1s/^[^,]*,[^,]*,/0,0,/' "$work/Smith.and"
mkdir -p "$out"
"$build/orvane-calc" --folder "$work" --user Smith --no-save --week 01/05/2007 --paste 1 \
  --stub "$work/stub.pdf" --check "$work/check.pdf" --ledger "$work/ledger.pdf" -- 40 0 2 >/dev/null 2>"$work/messages"
QT_QPA_PLATFORM=offscreen "$build/orvane-ui-probe" window-printouts "$work" 2>/dev/null
for page in stub check ledger window overtime; do
  pdftoppm -r 50 -png -singlefile "$work/$page.pdf" "$out/$page"
done
ls -l "$out"
