#!/usr/bin/env bash
# Installs what is missing, builds, runs the end-to-end tests that take the README's pictures and
# puts their screenshots into docs/screenshots.
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/screenshots"
(cd "$build" && ctest --output-on-failure -R '^e2e\.')
cp "$build"/screenshots/*.png docs/screenshots/
echo "screenshots: $(ls "$build"/screenshots/*.png | wc -l) pictures in docs/screenshots"
