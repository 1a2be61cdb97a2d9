# Sourced by every end-to-end test: a fresh Wine prefix on a virtual display of its own,
# Typelens started as a user starts it, real mouse and keys through xdotool, its windows read by
# the probe, screenshots compared with ImageMagick. The test run's environment names the files
# (see CMakeLists.txt).
set -uo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8  # names in any script
prefix=$E2E_WORK/$(basename "$0" .sh)
c=$prefix/drive_c
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# check <what> <command...>: the command must succeed. A failure says what was checked, as run,
# for a log that is all a run elsewhere leaves.
check() { local what=$1; shift; "$@" || fail "$what: ${*@Q}"; }
# wait_for <seconds> <command...>: retries the command until it succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  until "$@"; do ((--tries > 0)) || return 1; sleep 0.1; done
}
finish() { ((failures == 0)) && echo "$(basename "$0"): passed"; exit $((failures > 0)); }

# desktop [<dpi>]: a new prefix and display, torn down when the test ends or another is made. A
# test that failed (or any, with E2E_KEEP=1) keeps its prefix and screenshots and says where.
teardown() {
  [[ -f $prefix/xvfb.pid ]] || return 0
  wineserver -k 2>/dev/null
  kill "$(cat "$prefix/xvfb.pid")" && rm -f "$prefix/xvfb.pid"
  if ((failures > 0)) || [[ -n ${E2E_KEEP:-} ]]; then
    echo "$(basename "$0"): the prefix and screenshots are kept in $prefix" >&2
  else
    rm -rf "$prefix"
  fi
}
desktop() {
  teardown
  "$SCRIPTS/clone-prefix.sh" "$TEMPLATE" "$prefix"
  export WINEPREFIX=$prefix
  source "$SCRIPTS/lib.sh"
  start_xvfb "$prefix/xvfb.pid"
  trap teardown EXIT
  trap 'exit 130' INT TERM  # interrupted, it still tears down
  # A Russian layout beside the US one, as a Russian user has it: xdotool types Cyrillic through
  # it. A letter the keyboard lacks it would map onto a spare key for a moment, and Wine, when
  # busy, reads the key once the moment is over.
  setxkbmap -display "$DISPLAY" -layout us,ru
  [[ -z ${1:-} ]] || wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -p
}

# fonts <host path> <family> <kind> ...: generated font files (see tools/make_fonts.py).
fonts() { /usr/bin/python3 "$MAKE_FONTS" "$@"; }

# probe <question...>: the probe's answer. A probe that Wine failed to start, or that could not
# ask, has not answered: it is started again. "No" is its status 3, given back as 1.
probe() {
  local answer status tries=3
  until answer=$(wine "$PROBE" "$@" 2>/dev/null); status=$?; ((status == 0 || status == 3)); do
    ((--tries > 0)) || break
    echo "probe $1: no answer (status $status), asked again" >&2
  done
  [[ -z $answer ]] || printf '%s\n' "${answer//$'\r'/}"
  return $((status != 0))
}
# launch [<folder> [<arguments>...]]: starts the program there (C:\ by default).
launch() { (cd "${1:-$c}" && exec wine "$TYPELENS_EXE" "${@:2}" >/dev/null 2>&1) & app=$!; }
# typelens [<folder> [<arguments>...]]: launches the program and waits until its window is shown,
# laid out and drawn, and takes the keys.
typelens() {
  launch "$@"
  wait_for 30 eval 'main=$(probe find Typelens.Glyphora)' &&
    wait_for 20 eval 'probe painted "$main" && [[ $(xdotool getwindowfocus getwindowname 2>&1) == "$TITLE" ]]' ||
    { fail "no main window"; finish; }
}
# closes the main window; the process must end by itself.
close() { probe close "$main"; wait_for 30 eval '! kill -0 $app 2>/dev/null'; }

text() { probe text "$main" "$1"; }
face() { [[ $(text 2006) == "$1" ]]; }                          # the face box says $1
items() { probe items "$main" 2005 | tr '\n' ' '; }              # the list's names, in order
# The preview box without its scroll bar, for screenshots of the sample.
sample() { probe control "$main" 2007 | awk '{print $1, $2, $3 - 22, $4}'; }
center() { local r=($1); echo $((r[0] + r[2] / 2)) $((r[1] + r[3] / 2)); }
click() { xdotool mousemove $(center "$1") click 1; }
double_click() { xdotool mousemove $(center "$1") click --repeat 2 --delay 90 1; }
keys() { xdotool key --delay 60 "$@"; }
node() { probe node "$main" 2004 "$1"; }     # Dir1's node: x y w h children expanded
file() { probe item "$main" 2005 "$1"; }     # File1's item
button() { probe button "$main" 2001 "$1"; } # Toolbar1's button: x y w h checked enabled
# pressed <Bold><Italic>: which of the two are pressed, each 1 or 0.
pressed() { [[ $(button 2102 | cut -d' ' -f5)$(button 2103 | cut -d' ' -f5) == "$1" ]]; }
focused() { [[ $(probe focus "$main") == "$1" ]]; }
# shot <name> <x y w h>: a screenshot of that part of the screen in $prefix/<name>.png.
shot() {
  local r=($2)
  import -silent -display "$DISPLAY" -window root -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage "$prefix/$1.png"
}
# steady <name> <x y w h>: the shot once the program has drawn all it was asked to and two shots
# in a row agree (the drawing has reached the display).
steady() {
  local tries=20
  wait_for 10 probe painted "$main" || fail "$1: the window was not drawn"
  shot "$1" "$2"
  until ((--tries == 0)) || { sleep 0.2; shot "$1.next" "$2"; [[ $(differ "$1" "$1.next") == 0 ]]; }; do
    mv "$prefix/$1.next.png" "$prefix/$1.png"
  done
}
# picture <name> <x y w h>: a screenshot kept for people to look at (scripts/screenshots.sh puts
# them into docs/screenshots).
picture() { steady "$1" "$2" && mkdir -p "$SCREENSHOTS" && cp "$prefix/$1.png" "$SCREENSHOTS/"; }
differ() { compare -metric AE "$prefix/$1.png" "$prefix/$2.png" null: 2>&1 | cut -d' ' -f1; }
# installed <file> <face>: the copy in the machine's fonts folder is the file, and the machine's
# value "<face> (TrueType)" names it.
fonts_key='Software\Microsoft\Windows NT\CurrentVersion\Fonts'
installed() {
  local file=$1 name=$2  # the value is written after the copy: both are waited for
  wait_for 10 eval 'cmp -s "$file" "$c/windows/Fonts/${file##*/}" &&
    [[ $(reg_value "HKEY_LOCAL_MACHINE\\$fonts_key" "$name (TrueType)") == "${file##*/}" ]]'
}
# ink <name>: the shot's ink in black pixels (a grey one counts by its darkness), and its lean: how
# many pixels the ink of a row lies right of the ink 8 rows below, where the two match best (0 for
# upright letters, 2 for Windows' italic).
ink() {
  convert "$prefix/$1.png" -shave 3x3 -colorspace gray -depth 8 -compress none pgm:- |
    awk -v RS='[ \t\r\n]+' 'NR == 2 { w = $0 } NR > 4 && $0 < 255 { dark[NR - 5] = 255 - $0; all += 255 - $0 }
      END {
        for (s = -4; s <= 4; ++s) {
          sum = 0
          for (i in dark) if ((i + 8 * w + s) in dark) sum += dark[i] * dark[i + 8 * w + s]
          if (sum > best) { best = sum; lean = -s }
        }
        print int(all / 255), lean
      }'
}
heavier() { local a=($(ink "$1")) b=($(ink "$2")); ((b[0] * 2 > a[0] * 3)); }  # by half at least
leans() { (($(ink "$1" | cut -d' ' -f2) > 0)); }
# the data of a registry value, read back through Wine's own registry editor.
reg_value() {
  wine regedit /E "$prefix/export.reg" "$1" >/dev/null 2>&1
  iconv -f UTF-16 -t UTF-8 "$prefix/export.reg" | tr -d '\r' | grep -F "\"$2\"=" | cut -d= -f2- |
    sed -e 's/^"//' -e 's/"$//' -e 's/\\\\/\\/g'
}
