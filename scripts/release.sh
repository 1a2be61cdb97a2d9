#!/usr/bin/env bash
# Installs what is missing, builds Typelens and writes what a Windows user downloads:
# dist/Typelens-<version>-win64.zip (Typelens.exe, the README and the licence) and its SHA-256.
#   scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

version=$(sed -n 's/^project(Typelens VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target windows >/dev/null

name=Typelens-$version-win64
stage=$build/$name
rm -rf "$stage" && mkdir -p "$stage" dist
cp "$build/windows/Typelens.exe" README.md LICENSE "$stage/"
rm -f "dist/$name.zip"
(cd "$stage" && cmake -E tar cf "../../../dist/$name.zip" --format=zip Typelens.exe README.md LICENSE)
(cd dist && sha256sum "$name.zip" >"$name.zip.sha256")
echo "release: dist/$name.zip ($(du -h "dist/$name.zip" | cut -f1)), SHA-256 in dist/$name.zip.sha256"
