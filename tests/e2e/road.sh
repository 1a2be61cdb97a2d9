#!/usr/bin/env bash
# The road of one font as a user walks it, with a screenshot per stage: down the folder tree,
# the preview, size and styles, the installation, the About window (modal, its picture and link
# asking the shell once per click, closed by Esc, Enter, Alt+O, OK and its close box), the end.
source "$(dirname "$0")/lib.sh"
desktop
# The prefix's web browser notes each address it is asked to open.
wine reg add 'HKCR\https\shell\open\command' /ve /d 'cmd.exe /c echo %1>>C:\opened.txt' /f >/dev/null 2>&1
lib='C:\Type Library'
fonts "$c/Type Library/Display/Geometric/road.ttf" "Qzx Road Geometric" cyrillic \
  "$c/Type Library/Display/Geometric/other.ttf" "Qzx Road Other" nocp
mkdir -p "$c/Type Library/Text"
typelens
stage() { picture "road-$1" "$(probe control "$main")"; }
has() { [[ -n $(node "$1") ]]; }
listed() { [[ $(probe items "$main" 2005 | wc -l) == "$1" ]]; }
stage 1-start

double_click "$(node "$lib")"
check "a double click reads a folder" wait_for 10 has "$lib\\Display"
check "and leaves it open" test "$(node "$lib" | cut -d' ' -f6)" = 1
check "one level only" test -z "$(node "$lib\\Display\\Geometric")"
double_click "$(node "$lib\\Display")"
check "and the next" wait_for 10 has "$lib\\Display\\Geometric"
stage 2-folders
click "$(node "$lib\\Display\\Geometric")"
check "a click lists the folder's fonts" wait_for 10 listed 2
stage 3-listed

click "$(file road.ttf)"
check "a click previews the file" wait_for 10 eval '[[ $(text 2006) == "Qzx Road Geometric" ]]'
stage 4-preview

click "$(probe control "$main" 2002)"
keys F4 Down Return  # from 36 down to 72, the last entry of the size list
check "the size list applies at once" wait_for 5 eval '[[ $(text 2002) == 72 ]]'
click "$(button 2102)"
click "$(button 2103)"
check "bold and italic stay pressed" wait_for 5 pressed 11
stage 5-styled

click "$(button 2101)"
check "Install copies the file" wait_for 10 cmp -s "$c/Type Library/Display/Geometric/road.ttf" "$c/windows/Fonts/road.ttf"
check "and registers it" wait_for 10 eval \
  '[[ $(reg_value "HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts" "Qzx Road Geometric (TrueType)") == road.ttf ]]'
stage 6-installed

open_about() { click "$(button 2105)" && wait_for 10 eval 'about=$(probe find "#32770" About...)'; }
closed() { [[ $(probe state "$main") == "normal enabled" && -z $(probe find "#32770" About...) ]]; }
check "About opens" open_about
check "over a main window that takes no input" test "$(probe state "$main")" = "normal disabled"
picture road-7-about "$(probe control "$about")"
check "client area 4830 x 3240 twips" test "$(probe client "$about" | cut -d' ' -f3-)" = "322 216"
check "the notice" eval '[[ $(probe text "$about" 2201) == *2026*"consider donating!" ]]'
xdotool mousemove $(center "$(probe control "$about" 2205)") click --repeat 2 --delay 700 1  # no double click
click "$(probe control "$about" 2203)"
check "one page per click" wait_for 10 eval '[[ $(tr -d "\r " <"$c/opened.txt" | tr "\n" " ") == "https://typelens.example/donate.php https://typelens.example/donate.php https://typelens.example/ " ]]'
click "$(file other.ttf)"
for closer in Escape Return alt+o ok box; do
  case $closer in
    ok) click "$(probe control "$about" 1)" ;;
    box) r=($(probe control "$about")); xdotool mousemove $((r[0] + r[2] - 12)) $((r[1] + 11)) click 1 ;;
    *) click "$(probe control "$about" 2204)"; keys "$closer" ;;  # the title gives it the keys
  esac
  check "$closer closes About" wait_for 10 closed
  [[ $closer == box ]] || check "About opens again after $closer" open_about
done
check "the main window took no click while About was open" test "$(text 2006)" = "Qzx Road Geometric"
click "$(file other.ttf)"
check "then the main window answers again" wait_for 10 eval '[[ $(text 2006) == "Qzx Road Other" ]]'
check "closing the window ends the program" close
finish
