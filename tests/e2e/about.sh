#!/usr/bin/env bash
# The About window: modal over the main window, its picture and link ask the shell to open a
# web page once per click, and Esc, Enter, Alt+O, OK and the close box each close it.
source "$(dirname "$0")/lib.sh"
desktop
# The prefix's web browser notes each address it is asked to open.
wine reg add 'HKCR\https\shell\open\command' /ve /d 'cmd.exe /c echo %1>>C:\opened.txt' /f >/dev/null 2>&1
fonts "$c/style.ttf" "Qzx Style" cyrillic
typelens
open_about() { click "$(button 2105)" && wait_for 10 eval 'about=$(probe find "#32770" About...)'; }
closed() { [[ $(probe state "$main") == "normal enabled" && -z $(probe find "#32770" About...) ]]; }

check "About opens" open_about
shot about "$(probe frame "$about")" && keep about about
check "client area 4830 x 3240 twips" test "$(probe client "$about" | cut -d' ' -f3-)" = "322 216"
check "the notice" eval '[[ $(probe text "$about" 2201) == *2026*"consider donating!" ]]'
for id in 2205 2205 2203; do click "$(probe control "$about" $id)"; sleep 0.7; done  # not a double click
check "one page per click" wait_for 10 eval '[[ $(tr -d "\r " <"$c/opened.txt" | tr "\n" " ") == "https://typelens.example/donate.php https://typelens.example/donate.php https://typelens.example/ " ]]'
click "$(file style.ttf)"
sleep 1
check "the main window takes no clicks meanwhile" test -z "$(text 2006)"

for closer in Escape Return alt+o ok box; do
  case $closer in
    ok) click "$(probe control "$about" 1)" ;;
    box) r=($(probe frame "$about")); xdotool mousemove $((r[0] + r[2] - 12)) $((r[1] + 11)) click 1 ;;
    *) click "$(probe control "$about" 2204)"; keys "$closer" ;;  # the title gives it the keys
  esac
  check "$closer closes About" wait_for 10 closed
  check "About opens again after $closer" open_about
done
keys Escape
wait_for 10 closed
click "$(file style.ttf)"
check "then the main window answers again" wait_for 10 eval '[[ $(text 2006) == "Qzx Style" ]]'
check "closing the window ends the program" close
finish
