# Sourced by the other scripts.

# build_tests: installs what is missing and builds everything, tests included, into build/test.
build_tests() {
  scripts/setup.sh
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/test -j"$(nproc)"
}

# start_xvfb <pid file>: starts a virtual display on a free number and exports DISPLAY.
start_xvfb() {
  local pidfile=$1 numberfile
  numberfile=$(mktemp)
  # Without -noreset the display would start afresh, keyboard layout and all, whenever its last
  # program ends.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$numberfile" </dev/null >/dev/null 2>&1 &
  echo $! >"$pidfile"
  for _ in $(seq 400); do
    [[ -s "$numberfile" ]] && break
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '\n' <"$numberfile")"
  rm -f "$numberfile"
  [[ "$DISPLAY" != ":" ]]
}

# boot_prefix: makes a new Wine prefix at $WINEPREFIX.
boot_prefix() {
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  # Debian's Wine does not find its own fonts (Tahoma, MS Sans Serif, Marlett...); a Windows
  # installation keeps such fonts in its fonts folder, and so does this prefix.
  local fonts=/usr/share/wine/fonts
  [[ -d "$fonts" ]] && ln -sf "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # The desktop process that booting started belongs to whatever display was set then; the next
  # program starts a new one on its own display.
  wineserver -w
}

# window_frames Y|N: whether a window manager draws the frames (Y) or Wine itself (N).
window_frames() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1
}
