#!/usr/bin/env bash
# Sets everything up, prepares a working folder (default ~/Orvane) with the shipped federal
# tables, and starts Orvane there.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/setup.sh"
folder="${1:-$HOME/Orvane}"
mkdir -p "$folder"
[ -f "$folder/Federal.dtt" ] || cp "$here/data/Federal.dtt" "$folder/Federal.dtt"
cd "$folder"
exec "$here/build/orvane" "$folder"
