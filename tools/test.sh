#!/usr/bin/env bash
# Sets everything up, builds, and runs every test (views on Qt's offscreen platform).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$here/build"
ctest --output-on-failure -j2
