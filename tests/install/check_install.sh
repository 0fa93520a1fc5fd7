#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, checks every installed file, validates the desktop
# entry, the AppStream metadata and the man pages, and runs the installed programs without a display.
# Usage: check_install.sh BUILD_DIR VERSION
set -euo pipefail
build="$1" version="$2"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr > /dev/null
root="$dest/usr"
id=org.orvane.orvane
fail=0
expect() { [ -s "$root/$1" ] || { echo "missing from the install: $1"; fail=1; }; }
for f in bin/orvane bin/orvane-calc share/orvane/Federal.dtt share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/man/man1/orvane.1 share/man/man1/orvane-calc.1 share/orvane/manual/index.html \
         share/orvane/manual/manual.css; do
  expect "$f"
done
for size in 16 22 24 32 48 64 128 256; do
  png="share/icons/hicolor/${size}x${size}/apps/$id.png"
  expect "$png"
  # A PNG's width and height sit at bytes 16..23.
  dims=$(od -An -tu1 -j16 -N8 "$root/$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
  [ "$dims" = "${size}x${size}" ] || { echo "$png is not ${size}x${size}: $dims"; fail=1; }
done
cmp -s "$root/share/orvane/Federal.dtt" "$(dirname "$0")/../../data/Federal.dtt" \
  || { echo "the installed Federal.dtt differs from data/Federal.dtt"; fail=1; }

desktop-file-validate "$root/share/applications/$id.desktop" || fail=1
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml" > /dev/null \
  || { appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml"; fail=1; }
grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" \
  || { echo "the metainfo has no release $version"; fail=1; }
for page in orvane orvane-calc; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1" 2>&1 > /dev/null)
  [ -z "$warnings" ] || { echo "man $page: $warnings"; fail=1; }
done

# Without a display: the version and the help of both programs.
for prog in orvane orvane-calc; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/$prog" --version) \
    || { echo "$prog --version failed"; fail=1; }
  [ "$out" = "$prog $version" ] || { echo "$prog --version printed: $out"; fail=1; }
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/$prog" --help | grep -q "^usage: $prog" \
    || { echo "$prog --help printed no usage"; fail=1; }
done
help=$("$root/bin/orvane-calc" --help)
for word in --folder --user --week --2x --no-save --json --version "Label13 .*gross pay" \
            "lbTaxDed(0) .*federal tax" "lbNet .*net pay" "^  3 "; do
  grep -q -- "$word" <<<"$help" || { echo "orvane-calc --help lacks: $word"; fail=1; }
done

# Moved elsewhere, a program still finds the tables in ../share/orvane/ from itself, and offers them.
moved="$dest/moved"
mkdir -p "$moved/bin" "$moved/share/orvane" "$moved/work"
cp "$root/bin/orvane-calc" "$moved/bin/"
cp "$root/share/orvane/Federal.dtt" "$moved/share/orvane/"
out=$("$moved/bin/orvane-calc" --folder "$moved/work" 40 2>&1 || true)
grep -qF "$moved/share/orvane/Federal.dtt" <<<"$out" \
  || { echo "a moved orvane-calc did not name $moved/share/orvane/Federal.dtt: $out"; fail=1; }

# The first start with a fresh home makes ~/Orvane with the shipped tables and remembers it.
home="$dest/home"
mkdir -p "$home"
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$dest" QT_QPA_PLATFORM=offscreen \
  timeout 5 "$root/bin/orvane" > /dev/null 2>&1 || true
cmp -s "$home/Orvane/Federal.dtt" "$root/share/orvane/Federal.dtt" \
  || { echo "the first start did not make ~/Orvane/Federal.dtt"; fail=1; }
grep -qF "lastFolder=$home/Orvane" "$home/.config/Orvane/Orvane.conf" 2>/dev/null \
  || { echo "the first start did not remember ~/Orvane"; fail=1; }
exit $fail
