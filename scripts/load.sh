#!/usr/bin/env bash
# Runs every test (scripts/test.sh) on a busy machine: beside it, two other Wine sessions, each in
# a fresh prefix of its own on a virtual display of its own, start Typelens, wait for its window
# and close it, over and over, as two developers' tests would beside yours. The sessions end with
# the run, also when it is interrupted. Ends with the suite's status and how long it took.
#   scripts/load.sh                  every test, as scripts/test.sh runs them
#   scripts/load.sh -R e2e.window    the tests these ctest arguments pick, in build/test
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
build_tests >/dev/null
exe=$(pwd)/build/test/windows/Typelens.exe
probe=$(pwd)/build/test/windows/tools/probe/probe.exe
work=$(pwd)/build/load
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

loops=()
stop() {
  local pid session
  for pid in "${loops[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${loops[@]}"; do wait "$pid" 2>/dev/null || true; done
  for session in "$work"/busy*; do
    [[ -d $session/prefix ]] && WINEPREFIX=$session/prefix wineserver -k 2>/dev/null || true
    [[ -f $session/xvfb.pid ]] && kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    rm -f "$session/xvfb.pid"
  done
  scripts/wine-session.sh stop build/test/windows/wine-session  # ctest, interrupted, leaves it
}
trap stop EXIT
trap 'exit 130' INT TERM

# busy <dir>: one session. Each round is counted in <dir>/rounds once its window was seen and
# closed; a round that hangs is cut off and the next one starts.
busy() {
  local dir=$1 main
  export WINEPREFIX=$dir/prefix
  start_xvfb "$dir/xvfb.pid"
  boot_prefix
  window_frames N
  wineserver -p </dev/null >/dev/null 2>&1 || true  # kept up between the rounds
  cd "$WINEPREFIX/drive_c"
  while :; do
    timeout 60 wine "$exe" >/dev/null 2>&1 &
    local app=$! tries=300
    until main=$(wine "$probe" find Typelens.Glyphora 2>/dev/null | tr -d '\r') || ((--tries == 0)); do
      sleep 0.1
    done
    [[ -n $main ]] && wine "$probe" close "$main" >/dev/null 2>&1
    wait "$app" && echo >>"$dir/rounds" || true
  done
}

rm -rf "$work"
for n in 1 2; do
  mkdir -p "$work/busy$n"
  busy "$work/busy$n" </dev/null >>"$work/busy$n/messages.log" 2>&1 &
  loops+=($!)
done
# The suite starts once both sessions are busy.
for n in 1 2; do
  until [[ -s $work/busy$n/rounds ]]; do
    kill -0 "${loops[n - 1]}" 2>/dev/null || { echo "load: session $n broke off; see $work/busy$n/messages.log" >&2; exit 1; }
    sleep 1
  done
done
echo "load: two busy Wine sessions beside the suite ($work)"

start=$SECONDS
status=0
if (($# == 0)); then
  scripts/test.sh || status=$?
else
  (cd build/test && ctest --output-on-failure "$@") || status=$?
fi
echo "load: the suite took $((SECONDS - start)) s; the sessions started and closed Typelens" \
  "$(wc -l <"$work/busy1/rounds") and $(wc -l <"$work/busy2/rounds") times"
exit "$status"
