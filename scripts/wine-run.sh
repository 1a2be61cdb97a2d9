#!/usr/bin/env bash
# Runs a Windows program in the test run's Wine session (see wine-session.sh).
#   wine-run.sh <session dir> <program.exe> [arguments...]
set -uo pipefail
session=$1
shift
[[ -f "$session/env" ]] || { echo "wine-run: no Wine session in $session" >&2; exit 1; }
source "$session/env"
# Wine's own services, started by the first program of a prefix, inherit its output and outlive
# it; a file rather than the caller's pipe keeps them from holding the caller up.
log=$(mktemp)
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
