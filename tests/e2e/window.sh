#!/usr/bin/env bash
# The main window as designed: where each control is, the tab order, the tool tips, the drive
# box, the keyboard alone, and the layout as the window is resized, maximised and minimised.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/Keys/a.ttf" "Qzx Key A" western "$c/Keys/b.ttf" "Qzx Key B" nocp
mkdir -p "$c/Keys/Sub/Deeper"
typelens /tmp  # started elsewhere, it shows the drive whose folders the tree shows
# at <id> <left top width height>: the control is there, in twips of the client area at 96 dpi.
at() {
  local r=($(probe control "$main" "$1")) o=($(probe client "$main")) t=($2) i d
  r[0]=$((r[0] - o[0])) r[1]=$((r[1] - o[1]))
  for i in 0 1 2 3; do d=$((r[i] - (t[i] + 7) / 15)); ((d >= -1 && d <= 1)) || return 1; done
}
shot main-window "$(probe frame "$main")" && keep main-window main-window
check "client area 8925 x 6990 twips" test "$(probe client "$main" | cut -d' ' -f3-)" = "595 466"
check "caption" test "$(probe text "$main")" = "Typelens 1.2"
check "Toolbar1" at 2001 "0 0 8925 540"
check "cmbSize on its placeholder" at 2002 "1740 60 675 360"
check "Drive1" at 2003 "60 600 4372 315"
check "Dir1" at 2004 "60 960 4372 2790"
check "File1" at 2005 "4492 600 4372 2820"
check "txFontName" at 2006 "4492 3480 4372 285"
check "txPreview" at 2007 "60 3825 8774 3105"
check "the size box says 36" test "$(text 2002)" = 36
check "the drive box shows C:, as the tree does" test "$(text 2003)" = c:
check "the sample text" test "$(text 2007 | head -n 4 | tr '\n' '|')" = "The Quick |Brown Fox |Jumps over the |lazy dog|"

order=
for _ in 1 2 3 4 5 6; do keys Tab; order+="$(probe focus "$main") "; done
check "tab order" test "$order" = "2007 2002 2004 2005 2006 2003 "
# The keyboard alone: a folder found by its name and read with Enter, fonts run through with Down.
face() { [[ $(text 2006) == "$1" ]]; }
keys Tab Tab Tab
xdotool type K
check "a folder reached by its name is listed" wait_for 10 eval '[[ $(probe items "$main" 2005 | wc -l) == 2 ]]'
keys Return
check "Enter reads its subfolders" wait_for 10 eval '[[ $(node "C:\\Keys" | cut -d" " -f5) == 1 ]]'
keys Tab Home
check "Home previews the first font" wait_for 10 face "Qzx Key A"
keys Down
check "Down previews the next" wait_for 10 face "Qzx Key B"
click "$(probe control "$main" 2007)"
keys ctrl+End
xdotool type " typed here"
keys Escape
sleep 1
check "Esc in the preview closes nothing" test "$(probe state "$main")" = "normal enabled"
check "and keeps what was typed" eval '[[ $(text 2007) == *"typed here"* ]]'
keys shift+Tab z  # back to the drive box, and z:
check "a drive change reads the new root" wait_for 10 eval '[[ -n $(node "Z:\\usr") ]]'

xdotool mousemove $(center "$(button 2101)")
check "the Install button's tip" wait_for 10 eval '[[ $(probe text "$(probe find tooltips_class32)") == "Install the selected font" ]]'

# The spec's relations, to a pixel of rounding: the preview ends 60 twips above the client's
# bottom, the file list 60 short of its right edge, the face box 60 below the list, the
# preview's right edge 30 left of the list's, the tree 75 above the preview.
laid_out() {
  local o=($(probe client "$main")) l=($(probe control "$main" 2005)) f=($(probe control "$main" 2006))
  local p=($(probe control "$main" 2007)) t=($(probe control "$main" 2004)) gap
  for gap in "$((o[1] + o[3] - p[1] - p[3])) 4" "$((o[0] + o[2] - l[0] - l[2])) 4" \
    "$((f[1] - l[1] - l[3])) 4" "$((l[0] + l[2] - p[0] - p[2])) 2" "$((p[1] - t[1] - t[3])) 5"; do
    set -- $gap
    (($1 >= $2 - 1 && $1 <= $2 + 1)) || return 1
  done
}
for size in "900 640" "420 330" "760 520"; do
  probe size "$main" $size
  check "laid out at $size" wait_for 5 laid_out
done
probe show "$main" max
check "laid out maximised" wait_for 5 eval '[[ $(probe state "$main") == "maximized enabled" ]] && laid_out'
shot main-window-large "$(probe frame "$main")" && keep main-window-large main-window-large
size() { probe control "$main" 2007 | cut -d' ' -f3-; }
before=$(size)
probe show "$main" min
check "minimised, nothing changes size" wait_for 5 eval '[[ $(probe state "$main") == "minimized enabled" && $(size) == "$before" ]]'
probe show "$main" restore
check "laid out restored" wait_for 5 laid_out
check "closing the window ends the program" close
finish
