#!/usr/bin/env bash
# Sets everything up (once), builds the two programs and starts Orvane: on FOLDER when given,
# otherwise on the folder used last (~/Orvane, made with the shipped tables, on the first start).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no display here (DISPLAY and WAYLAND_DISPLAY are empty), so the window cannot open." >&2
  echo "Without a display, use the command-line calculator once built (bash tools/test.sh builds it):" >&2
  echo "  $here/build/orvane-calc --help" >&2
  exit 1
fi
"$here/tools/setup.sh" -DORVANE_BUILD_TESTS=ON -DORVANE_BUILD_BENCH=ON
cmake --build "$here/build" --target orvane orvane-calc
[ $# -gt 0 ] && mkdir -p "$1"
exec "$here/build/orvane" "$@"
