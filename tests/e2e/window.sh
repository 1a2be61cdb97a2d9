#!/usr/bin/env bash
# The main window as designed: where each control is, the tab order, the tool tips, the drive
# box, the keyboard alone, and the layout as the window is resized and maximised.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/Keys/a.ttf" "Qzx Key A" western "$c/Keys/B.ttf" "Qzx Key B" nocp
mkdir -p "$c/Keys/Sub/Deeper" "$c/Keys/alpha"
typelens /tmp  # started elsewhere, it shows the drive whose folders the tree shows
# at <id> <left> <top> <width> <height>: the control is there, in twips of the client area.
at() {
  local r=($(probe control "$main" "$1")) o=($(probe client "$main")) t=("${@:2}") i d
  r[0]=$((r[0] - o[0])) r[1]=$((r[1] - o[1]))
  for i in 0 1 2 3; do d=$((r[i] - (t[i] + 7) / 15)); ((d >= -1 && d <= 1)) || return 1; done
}
picture main-window "$(probe control "$main")"
check "client area 8925 x 6990 twips" wait_for 5 eval '[[ $(probe client "$main" | cut -d" " -f3-) == "595 466" ]]'
check "caption" test "$(probe text "$main")" = "$TITLE"
for place in "2001 0 0 8925 540" "2002 1740 60 675 360" "2003 60 600 4372 315" \
  "2004 60 960 4372 2790" "2005 4492 600 4372 2820" "2006 4492 3480 4372 285" "2007 60 3825 8774 3105"; do
  check "control ${place%% *} where the layout puts it" wait_for 5 at $place
done
check "the size box says 36" test "$(text 2002)" = 36
check "the drive box shows C:, as the tree does" test "$(text 2003)" = c:
check "the sample text" test "$(text 2007 | head -n 4 | tr '\n' '|')" = "The Quick |Brown Fox |Jumps over the |lazy dog|"

for id in 2007 2002 2004 2005 2006 2003; do
  keys Tab
  check "Tab goes on to $id" wait_for 5 focused $id
done
check "tabbing through the sample leaves it unselected" test "$(probe selection "$main" 2007)" = "0 0"
# The keyboard alone: a folder found by its name and read with Enter, fonts run through with Down.
keys Tab Tab Tab
xdotool type K
check "a folder reached by its name is listed, by name" \
  wait_for 10 eval '[[ $(items) == "a.ttf B.ttf " ]]'
keys Return
check "Enter reads its subfolders" wait_for 10 eval '[[ $(node "C:\\Keys" | cut -d" " -f5) == 2 ]]'
check "which come by name" test "$(node 'C:\Keys\alpha' | cut -d' ' -f2)" -lt "$(node 'C:\Keys\Sub' | cut -d' ' -f2)"
keys Tab Home
check "Home previews the first font" wait_for 10 face "Qzx Key A"
keys Down
check "Down previews the next" wait_for 10 face "Qzx Key B"
xdotool type a
check "typing a name previews its font" wait_for 10 face "Qzx Key A"
click "$(probe control "$main" 2007)"
keys ctrl+End
xdotool type " typed here"
keys ctrl+Tab Escape
xdotool type "after a tab"
check "Ctrl+Tab types a tab in the sample" wait_for 10 eval 'text 2007 | grep -qP "typed here\tafter a tab"'
check "and Esc closes nothing" test "$(probe state "$main")" = "normal enabled"
click "$(node 'C:\Keys\alpha')"
wait_for 5 focused 2004
steady unselected "$(sample)"
click "$(probe control "$main" 2007)"
keys shift+Left shift+Left shift+Left
wait_for 5 eval 'probe selection "$main" 2007 | awk "{ exit \$2 - \$1 != 3 }"'
click "$(node 'C:\Keys\alpha')"
wait_for 5 focused 2004
steady left "$(sample)"
check "a selection in the sample is not drawn once the focus has left it" test "$(differ unselected left)" = 0
keys Down Right
check "Right reads a folder as well" wait_for 10 eval '[[ $(node "C:\\Keys\\Sub" | cut -d" " -f5-) == "1 1" ]]'

xdotool mousemove $(center "$(button 2101)")
check "the Install button's tip" wait_for 10 eval '[[ $(probe text "$(probe find tooltips_class32)") == "Install the selected font (Ctrl+Shift+I)" ]]'

# The layout's relations, to a pixel of rounding: the preview ends 60 twips above the client's
# bottom, the file list 60 short of its right edge, the face box 60 below the list.
laid_out() {
  local o=($(probe client "$main")) l=($(probe control "$main" 2005)) f=($(probe control "$main" 2006))
  local p=($(probe control "$main" 2007)) gap
  for gap in $((o[1] + o[3] - p[1] - p[3])) $((o[0] + o[2] - l[0] - l[2])) $((f[1] - l[1] - l[3])); do
    ((gap >= 3 && gap <= 5)) || return 1
  done
}
probe maximize "$main"
check "laid out maximised" wait_for 5 eval '[[ $(probe state "$main") == "maximized enabled" ]] && laid_out'
picture main-window-large "$(probe control "$main")"
check "closing the window ends the program" close
finish
