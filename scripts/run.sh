#!/usr/bin/env bash
# Installs what is missing, builds Typelens and starts it under Wine on your display. Without a
# display it starts it on a virtual one, saves a screenshot once the window is up, says where,
# and closes it again.
#   scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/app
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
exe=$(pwd)/$build/windows/Typelens.exe

# Typelens keeps to a Wine prefix of its own, never your ~/.wine.
export WINEPREFIX=$(pwd)/$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source scripts/lib.sh
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "run: preparing a Wine prefix in $WINEPREFIX (once)"
  boot_prefix
fi

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  window_frames Y
  cd "$WINEPREFIX/drive_c"
  exec wine "$exe"
fi

start_xvfb "$build/xvfb.pid"
trap 'wineserver -k 2>/dev/null; kill "$(cat "$build/xvfb.pid")" 2>/dev/null' EXIT
window_frames N  # no window manager here: Wine draws the frames itself
(cd "$WINEPREFIX/drive_c" && wine "$exe" </dev/null >/dev/null 2>&1) &
program=$!
# xdotool gives up on windows that vanish while it looks (Wine makes and drops a few as it
# starts), so it looks again until the main window is there.
window=
for _ in $(seq 120); do
  window=$(xdotool search --onlyvisible --name '^Typelens [0-9.]+$' 2>/dev/null | head -n 1 || true)
  [[ -n "$window" ]] && break
  sleep 0.5
done
[[ -n "$window" ]] || { echo "run: the Typelens window did not appear" >&2; exit 1; }
sleep 1  # let it finish drawing
shot=$(pwd)/$build/typelens.png
import -silent -window "$window" "$shot"
echo "run: Typelens is up on the virtual display $DISPLAY; screenshot: $shot"
# Without /f, taskkill asks the window to close, as its close box would.
wine taskkill /im Typelens.exe >/dev/null 2>&1 || true
if timeout 15 tail --pid="$program" -f /dev/null; then
  echo "run: closed; the process has ended"
fi
