#!/usr/bin/env bash
# Installs what is missing, builds, runs the end-to-end tests that take the README's pictures and
# puts their screenshots into docs/screenshots.
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
build_tests
build=build/test
rm -rf "$build/screenshots"
(cd "$build" && ctest --output-on-failure -R '^e2e\.')
cp "$build"/screenshots/*.png docs/screenshots/
echo "screenshots: $(ls "$build"/screenshots/*.png | wc -l) pictures in docs/screenshots"
