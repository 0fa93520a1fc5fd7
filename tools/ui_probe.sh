#!/usr/bin/env bash
# Start-up time of the main window on the offscreen platform, five runs: milliseconds from the
# program's exec until its window is shown and the event loop turns. Needs build/orvane-ui-probe.
# The clock starts in the very process that then becomes the program (exec), so the figure holds
# loading the libraries, start-up, building and showing the window.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
probe="$here/build/orvane-ui-probe"
folder="$(mktemp -d)"
runtime="$(mktemp -d)"
trap 'rm -rf "$folder" "$runtime"' EXIT
cp "$here/data/Federal.dtt" "$folder/"
for run in 1 2 3 4 5; do
  out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" python3 -c '
import os, sys, time
print("start-ns", time.time_ns(), flush=True)
os.execv(sys.argv[1], sys.argv[1:])' "$probe" startup "$folder" 2>/dev/null)
  start=$(sed -n 's/^start-ns //p' <<<"$out")
  shown=$(sed -n 's/^shown-at-ns //p' <<<"$out")
  awk -v run="$run" -v start="$start" -v shown="$shown" \
    'BEGIN { printf "run %d: window shown %.1f ms after exec\n", run, (shown - start) / 1e6 }'
done
