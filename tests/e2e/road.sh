#!/usr/bin/env bash
# The road of one font as a user walks it, with a screenshot per stage: down the folder tree,
# the preview, size and styles, the installation, the About window, the end.
source "$(dirname "$0")/lib.sh"
desktop
lib='C:\Type Library'
fonts "$c/Type Library/Display/Geometric/road.ttf" "Qzx Road Geometric" cyrillic \
  "$c/Type Library/Display/Geometric/other.ttf" "Qzx Road Other" nocp
mkdir -p "$c/Type Library/Text"
typelens
stage() { shot "road-$1" "$(probe frame "$main")" && keep "road-$1" "road-$1"; }
has() { [[ -n $(node "$1") ]]; }
listed() { [[ $(probe items "$main" 2005 | wc -l) == "$1" ]]; }
stage 1-start

double_click "$(node "$lib")"
check "a double click reads a folder" wait_for 10 has "$lib\\Display"
check "one level only" test -z "$(node "$lib\\Display\\Geometric")"
double_click "$(node "$lib\\Display")"
check "and the next" wait_for 10 has "$lib\\Display\\Geometric"
stage 2-folders
click "$(node "$lib\\Display\\Geometric")"
check "a click lists the folder's fonts" wait_for 10 listed 2
stage 3-listed

preview=$(probe control "$main" 2007)
shot before "$preview"
click "$(file road.ttf)"
check "the face box names the clicked file's face" wait_for 10 eval '[[ $(text 2006) == "Qzx Road Geometric" ]]'
shot after "$preview"
check "the sample is drawn in the new face" test "$(differ before after)" -gt 2000
stage 4-preview

click "$(probe control "$main" 2002)"
keys F4 Down Return  # from 36 down to 72, the last entry of the size list
check "the size list applies at once" wait_for 5 eval '[[ $(text 2002) == 72 ]]'
click "$(button 2102)"
click "$(button 2103)"
shot styled "$preview"
check "72 points, bold and italic" test "$(differ after styled)" -gt 2000
check "bold and italic stay pressed" test "$(button 2102 | cut -d' ' -f5)$(button 2103 | cut -d' ' -f5)" = 11
stage 5-styled

click "$(button 2101)"
check "Install copies the file" wait_for 10 cmp -s "$c/Type Library/Display/Geometric/road.ttf" "$c/windows/Fonts/road.ttf"
check "and registers it" test "$(reg_value 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts' 'Qzx Road Geometric (TrueType)')" = road.ttf
stage 6-installed

click "$(button 2105)"
check "About opens" wait_for 10 eval 'about=$(probe find "#32770" About...)'
check "over a main window that takes no input" test "$(probe state "$main")" = "normal disabled"
shot road-7-about "$(probe frame "$about")" && keep road-7-about road-7-about
keys Escape
check "Esc closes About" wait_for 10 eval '[[ $(probe state "$main") == "normal enabled" ]]'
check "closing the window ends the program" close
finish
