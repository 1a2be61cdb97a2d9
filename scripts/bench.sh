#!/usr/bin/env bash
# Installs what is missing, builds, and measures Typelens against the bare platform in a fresh
# Wine prefix (2,000 installed fonts; 2,000 folders and 2,000 fonts in C:\; folders of 10,000
# fonts and 10,000 subfolders). Prints a table of ratios, each measured against the bare
# platform in the same run.
#   scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target windows >/dev/null

source scripts/lib.sh
work=$(pwd)/$build/bench-run
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all
echo "bench: preparing a fresh Wine prefix and the fonts and folders to read"
boot_prefix
c=$WINEPREFIX/drive_c
fonts=tests/fonts/make_fonts.py
/usr/bin/python3 "$fonts" --bench "$c/windows/Fonts" 2000
mkdir -p "$c"/Folder\ {0000..1999} "$c"/Bench/Folders/d{00000..09999} "$c/Bench/Files" "$c/Bench/Preview"
/usr/bin/python3 "$fonts" "$c/root font 0000.ttf" "Bench Root Face" western \
  "$c/Bench/Files/file00000.ttf" "Bench Listed Face" western \
  "$c/Bench/Preview/one.ttf" "Bench Preview One" western "$c/Bench/Preview/two.ttf" "Bench Preview Two" western
# Many names for one file: listing never reads the content, and the disk stays small.
/usr/bin/python3 -c 'import os, sys
for i in range(1, 2000): os.link(sys.argv[1] + "/root font 0000.ttf", sys.argv[1] + f"/root font {i:04}.ttf")
for i in range(1, 10000): os.link(sys.argv[1] + "/Bench/Files/file00000.ttf", sys.argv[1] + f"/Bench/Files/file{i:05}.ttf")' "$c"
start_xvfb "$work/xvfb.pid"
trap 'wineserver -k 2>/dev/null; kill "$(cat "$work/xvfb.pid")" 2>/dev/null' EXIT
window_frames N
wineserver -p </dev/null >/dev/null 2>&1 || true  # keep the server up between programs

windows() { echo "Z:$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" | tr / '\\'; }
echo "bench: measuring (about a minute)"
echo
wine "$build/windows/bench/typelens_bench.exe" "$(windows "$build/windows/Typelens.exe")" \
  "$(windows "$build/windows/bench/bare_window.exe")" 2>/dev/null | tr -d '\r'
