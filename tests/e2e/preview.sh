#!/usr/bin/env bash
# The preview, proved from its pixels: each font drawn in its own face, the size box, and files
# that are no font.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/blocks.ttf" "Qzx Blocks" cyrillic "$c/dots.ttf" "Qzx Dots" cyrillic \
  "$c/empty.ttf" - broken-empty "$c/random.ttf" - broken-random "$c/cut.ttf" - broken-cut \
  "$c/text.ttf" - broken-text "$c/offsets.ttf" - broken-offsets "$c/vanishing.ttf" "Qzx Gone" cyrillic
mkdir "$c/a folder.ttf"
typelens
preview=$(probe control "$main" 2007)
face() { [[ $(text 2006) == "$1" ]]; }
check "folders named *.ttf are not listed" test -z "$(file 'a folder.ttf')"

shot start "$preview"
click "$(file blocks.ttf)"
check "blocks: its face named" wait_for 10 face "Qzx Blocks"
shot blocks "$preview"
check "blocks: drawn in it" test "$(differ start blocks)" -gt 2000
click "$(file dots.ttf)"
check "dots: its face named" wait_for 10 face "Qzx Dots"
shot dots "$(probe control "$main" 2007)"
check "dots: drawn unlike blocks" test "$(differ blocks dots)" -gt 2000

rm "$c/vanishing.ttf"
for name in empty random cut text offsets vanishing; do
  click "$(file $name.ttf)"
  check "$name: the face stays" face "Qzx Dots"
done
shot after-broken "$preview"
check "no usable font changes nothing" test "$(differ dots after-broken)" = 0

# A typed size counts once the focus leaves the box: Enter alone changes nothing, and a text that
# is no number is taken back after its leading number was applied.
size() { click "$(probe control "$main" 2002)"; keys End shift+Home; xdotool type "$1"; }
size 24
keys Return
shot typed "$preview"
check "Enter alone changes nothing" test "$(differ dots typed)" = 0
keys Tab
shot 24 "$preview"
check "leaving the box applies 24" test "$(differ typed 24)" -gt 2000
size 12abc
keys Tab
check "12abc: the text goes back" wait_for 5 eval '[[ $(text 2002) == 24 ]]'
shot 12 "$preview"
check "12abc: 12 points" test "$(differ 24 12)" -gt 2000
shot preview "$(probe frame "$main")" && keep preview preview
check "closing the window ends the program" close
finish
