#!/usr/bin/env bash
# Installs the Debian packages the build needs and configures build/, each only when needed:
# the package check is skipped while this file and the installed list are unchanged, the configure
# while the options are. Usage: tools/setup.sh [CMAKE_OPTION ...]
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(qt6-base-dev cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libxlsxwriter-dev fonts-liberation2 poppler-utils xvfb xauth
          librsvg2-bin desktop-file-utils appstream man-db dpkg-dev locales
          python3-pyatspi at-spi2-core dbus)

mkdir -p build
stamp_packages="build/.packages-checked"
if [ ! -f "$stamp_packages" ] || [ "$0" -nt "$stamp_packages" ] || [ /var/lib/dpkg/status -nt "$stamp_packages" ]; then
  missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
      if ! command -v sudo > /dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not installed. As root, run:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
      fi
      SUDO="sudo"
      echo "Installing ${missing[*]} needs root: asking sudo."
    fi
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
  fi
  touch "$stamp_packages"
fi

# The tests run once more under a decimal-comma locale, which a fresh machine has not generated.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && command -v sudo > /dev/null && SUDO="sudo"
  echo "Generating the locale de_DE.UTF-8 for the tests${SUDO:+ (asking sudo)}."
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "Could not generate de_DE.UTF-8: one test will fail." >&2
fi

options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@")
command -v ccache > /dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
stamp_configure="build/.configured-with"
if [ ! -f build/build.ninja ] || [ "$(cat "$stamp_configure" 2>/dev/null)" != "${options[*]}" ]; then
  cmake -S . -B build "${options[@]}" > /dev/null
  printf '%s' "${options[*]}" > "$stamp_configure"
fi
