#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit tests on Linux, the
# Win32 tests under Wine and the end-to-end tests that drive the real Typelens.exe.
#   scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
build_tests
build=build/test

set +e
(cd "$build" && ctest --output-on-failure --timeout 600) 2>&1 | tee "$build/ctest.log"
status=${PIPESTATUS[0]}
set -e
echo
grep -E 'tests passed' "$build/ctest.log" | tail -n 1
exit "$status"
