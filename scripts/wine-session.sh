#!/usr/bin/env bash
# A fresh Wine world for one test run, kept under the build folder:
#   wine-session.sh start <dir>   boots a clean prefix (<dir>/template, left untouched for the
#                                 end-to-end tests to copy), a working copy for the Win32 tests
#                                 (<dir>/win32) and a virtual display; writes <dir>/env
#   wine-session.sh stop <dir>    stops the servers and the display
set -Eeuo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A step that fails says which, for the test's log.
trap 'echo "wine session: \"$BASH_COMMAND\" failed with $? (line $LINENO)" >&2' ERR

stop() {
  for prefix in "$dir"/template "$dir"/win32; do
    [[ -d "$prefix" ]] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  [[ -f "$dir/xvfb.pid" ]] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
  rm -f "$dir/xvfb.pid"
}

case "$command" in
  start)
    stop
    rm -rf "$dir/template" "$dir/win32" "$dir/env"
    source "$here/lib.sh"
    WINEPREFIX="$dir/template" boot_prefix
    WINEPREFIX="$dir/template" window_frames N  # no window manager on the test displays
    WINEPREFIX="$dir/template" wineserver -w
    "$here/clone-prefix.sh" "$dir/template" "$dir/win32"
    start_xvfb "$dir/xvfb.pid"
    WINEPREFIX="$dir/win32" wineserver -p </dev/null >/dev/null 2>&1
    printf 'export WINEPREFIX=%q DISPLAY=%q WINEDEBUG=-all\n' "$dir/win32" "$DISPLAY" >"$dir/env"
    echo "wine session: prefix $dir/win32 on display $DISPLAY"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop <dir>" >&2
    exit 2
    ;;
esac
