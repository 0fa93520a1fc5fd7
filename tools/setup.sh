#!/usr/bin/env bash
# Installs the Debian packages the build needs (once) and builds Orvane into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(qt6-base-dev cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libxlsxwriter-dev fonts-liberation2 poppler-utils xvfb xauth)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build
