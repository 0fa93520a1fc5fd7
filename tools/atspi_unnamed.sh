#!/usr/bin/env bash
# The screen reader's view of every window: tools/atspi_unnamed.py on a virtual display with its
# own session bus and Qt's accessibility on. Lists the focusable controls without a name; fails
# when there are any. Usage: tools/atspi_unnamed.sh [PROBE [WINDOW ...]]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
probe="${1:-$here/build/orvane-ui-probe}"
shift || true
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
# The system's Python, which has the Debian package pyatspi.
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1366x768x24" /usr/bin/python3 "$here/tools/atspi_unnamed.py" "$probe" "$@"
