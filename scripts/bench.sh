#!/usr/bin/env bash
# Installs what is missing, builds, and measures Typelens against the floor of the same work in a
# fresh Wine prefix; every figure is a ratio measured in one run. Start-up with C:\ as a fresh
# prefix has it, then with 2,000 folders and 2,000 font files in C:\, then with 2,000 more
# installed faces; and on drive D:, folders of 10,000 font files (its first rows drawn in their
# faces, then every row, a page at a time), of 1,000 fonts (opened, a page down) and of 10,000
# subfolders, and previews: of new families, and of styles of an installed family; and whether
# previews leak (the memory and handles after the 2,000th preview against the 200th). Exits with
# 1 when a row is over its bound.
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
mkdir -p "$work/d"
export WINEPREFIX=$work/prefix WINEDEBUG=-all
echo "bench: preparing a fresh Wine prefix and the fonts and folders to read"
boot_prefix
ln -s "$work/d" "$WINEPREFIX/dosdevices/d:"
fonts=tools/make_fonts.py
c=$WINEPREFIX/drive_c d=$work/d
mkdir -p "$d"/Folders/d{00000..09999} "$d/Files" "$d/Rows" "$d/Preview" "$work/installed"
/usr/bin/python3 "$fonts" "$work/root.ttf" "Bench Root Face" western \
  "$d/Files/file00000.ttf" "Bench Listed Face" western \
  "$d/Preview/one.ttf" "Bench Preview One" western "$d/Preview/two.ttf" "Bench Preview Two" nocp \
  "$d/Preview/family-Regular.ttf" "Bench Family/Regular" western \
  "$d/Preview/family-Bold.ttf" "Bench Family/Bold" western \
  "$d/Preview/family-Italic.ttf" "Bench Family/Italic" cyrillic
# The floor previews fonts of its own, alike but for their names: sharing the files, each would
# find the other's faces in the font table, or have them taken out.
/usr/bin/python3 "$fonts" "$d/Preview/floor-one.ttf" "Bench Floor One" western \
  "$d/Preview/floor-two.ttf" "Bench Floor Two" nocp \
  "$d/Preview/floor-family-Regular.ttf" "Bench Floor Family/Regular" western \
  "$d/Preview/floor-family-Bold.ttf" "Bench Floor Family/Bold" western \
  "$d/Preview/floor-family-Italic.ttf" "Bench Floor Family/Italic" cyrillic
/usr/bin/python3 "$fonts" --bench "$work/installed" 2000
# Many names for one file: listing never reads the content, and the disk stays small.
link() { /usr/bin/python3 -c 'import os, sys
for name in sys.argv[2:]: os.link(sys.argv[1], name)' "$@"; }
link "$d/Files/file00000.ttf" "$d"/Files/file{00001..09999}.ttf
# A folder of 1,000 fonts, each its own, as the rows drawn in their faces need.
/usr/bin/python3 -c 'import os, sys
for i in range(1000): os.link(f"{sys.argv[1]}/bench{i:04}.ttf", f"{sys.argv[2]}/bench{i:04}.ttf")' \
  "$work/installed" "$d/Rows"

start_xvfb "$work/xvfb.pid"
trap 'wineserver -k 2>/dev/null; kill "$(cat "$work/xvfb.pid")" 2>/dev/null' EXIT
window_frames N
wineserver -p </dev/null >/dev/null 2>&1 || true  # keep the server up between programs

windows() { echo "Z:$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" | tr / '\\'; }
# Each row that is over its bound makes the whole run fail, once every row is measured.
status=0
# A run that ends without its rows (it could not start a program, or broke off) says so; the
# messages of the programs it started are kept in bench-messages.log.
bench() {
  local rc=0 rows
  rows=$(wine "$build/windows/bench/typelens_bench.exe" "$@" 2>>"$work/bench-messages.log" | tr -d '\r') || rc=$?
  [[ -z $rows ]] || echo "$rows"
  ((rc == 0)) || status=1
  [[ -n $rows ]] || echo "bench: typelens_bench $1 ended with $rc and no rows; see $work/bench-messages.log"
}
# startup <pairs> (<label> <bound> <floor's arguments>)...: a start-up alone varies by a tenth
# and more here, so the ratios are medians of many alternated pairs.
startup() {
  bench startup "$(windows "$build/windows/Typelens.exe")" \
    "$(windows "$build/windows/bench/floor.exe")" "$@"
}
phases() { wine "$build/windows/bench/typelens_bench.exe" phases "$(windows "$build/windows/bench/typelens_phases.exe")" 2>/dev/null | tr -d '\r'; }
echo "bench: measuring (about seven minutes)"
echo
echo "| Measure | Typelens | Floor | Ratio (middle half of the pairs) | Bound |"
echo "|---|---:|---:|---:|---|"
startup 81 "C:\\ as a fresh prefix has it" 1.1 ""
fresh=$(phases)
bench work 'D:\'
bench memory 'D:\'
mkdir -p "$c"/Folder\ {0000..1999}
cp "$work/root.ttf" "$c/root font 0000.ttf"
link "$c/root font 0000.ttf" "$c"/root\ font\ {0001..1999}.ttf
startup 61 "also 2,000 folders and 2,000 font files in C:\\, against a floor that also reads C:\\ once" 1.15 /read \
  "also 2,000 folders and 2,000 font files in C:\\, against the empty floor" 0 ""
full=$(phases)
rm -rf "$c"/Folder\ * "$c"/root\ font\ *
cp "$work"/installed/*.ttf "$c/windows/Fonts/"
startup 41 "C:\\ fresh, 2,000 more installed faces" 1.15 ""
echo
echo "Start-up of the benchmark's build of Typelens: when each phase ended, in ms since the launch"
echo "(medians of 11 starts), and how long it took."
echo
echo "| Phase | C:\\ fresh | | 2,000 folders and font files in C:\\ | |"
echo "|---|---:|---:|---:|---:|"
paste <(echo "$fresh") <(echo "$full") | awk -F'\t' '{ printf "| %s | %s ms | %s ms | %s ms | %s ms |\n", $1, $2, $3, $5, $6 }'
echo
((status == 0)) && echo "bench: every row within its bound" || echo "bench: a row is over its bound"
exit "$status"
