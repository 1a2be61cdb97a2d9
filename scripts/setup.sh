#!/usr/bin/env bash
# Installs what building and testing Typelens needs on Debian, and only what is missing.
#   scripts/setup.sh
set -euo pipefail

packages=(
  cmake make g++ googletest                                   # host build and unit tests
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev              # the Windows build
  wine wine64 fonts-wine                                      # running it
  xvfb xauth xdotool imagemagick x11-utils x11-xkb-utils       # a display, real input, screenshots
  python3-fonttools                                           # the fonts the tests generate
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
