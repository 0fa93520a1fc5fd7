#!/usr/bin/env bash
# The pictures of every window in docs/windows/, made by the program itself (orvane-ui-probe)
# on a virtual 1920x1080 screen. Needs build/orvane-ui-probe and xvfb-run.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/docs/windows"
mkdir -p "$out"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR="$runtime" xvfb-run -a -s "-screen 0 1920x1080x24" "$here/build/orvane-ui-probe" windows "$out"
ls "$out"
