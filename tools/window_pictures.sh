#!/usr/bin/env bash
# The pictures of every window in docs/windows/, made by the program itself (orvane-ui-probe) on
# virtual screens: at 1920x1080 in the desktop's font (docs/windows/), and as a person with a
# small laptop or a large font sees them, at 1366x768 and at 1920x1080 scaled by 1.5, both with a
# 14 pt font (docs/windows/1366x768/, docs/windows/1920x1080-150/). Each window opens within the
# screen it is on, so a picture's size is the size it gets there. Needs build/orvane-ui-probe and
# xvfb-run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/docs/windows"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
pictures() {  # OUTDIR SCREEN [FONT-POINTS]
  mkdir -p "$1"
  XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 $2x24" "$here/build/orvane-ui-probe" windows "$1" ${3:-}
}
unset QT_SCALE_FACTOR
pictures "$out" 1920x1080
pictures "$out/1366x768" 1366x768 14
QT_SCALE_FACTOR=1.5 pictures "$out/1920x1080-150" 1920x1080 14
ls -R "$out"
