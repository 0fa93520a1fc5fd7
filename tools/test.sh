#!/usr/bin/env bash
# Sets everything up (once), builds everything with the tests and benchmarks, and runs every test
# (views on Qt's offscreen platform). Under CI (CI=true) warnings are errors.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
options=(-DORVANE_BUILD_TESTS=ON -DORVANE_BUILD_BENCH=ON)
[ "${CI:-}" = true ] && options+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
"$here/tools/setup.sh" "${options[@]}"
cmake --build "$here/build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$here/build"
ctest --output-on-failure -j2
