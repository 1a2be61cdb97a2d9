#!/usr/bin/env bash
# The font list shows each file drawn in its own face, from the file itself: two files of one
# name and one family name in two folders, unlike in their glyphs, with a third of those names
# installed, are each drawn as their own copies are, in the sample as typed, the selected one
# highlighted whole; files stay free to be renamed while shown; a folder of 200 damaged copies of
# a font, scrolled end to end, does no harm.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/A/same.ttf" "Qzx Same" western "$c/B/same.ttf" "Qzx Same" nocp \
  "$c/windows/Fonts/same.ttf" "Qzx Same" cyrillic
cp "$c/A/same.ttf" "$c/A/twin.ttf" && cp "$c/B/same.ttf" "$c/B/twin.ttf"
wine reg add "HKLM\\$fonts_key" /v "Qzx Same (TrueType)" /d same.ttf /f >/dev/null 2>&1
fonts --damaged "$c/Damaged" 200
typelens
# face <shot> <file>: the row's face, once drawn, in <shot>.png.
face() { steady "$1" "$(probe item "$main" 2005 "$2" face)"; }
show() { click "$(node "$1")" && wait_for 10 eval '[[ -n $(file twin.ttf) ]]'; }

show 'C:\A'
face a-same same.ttf
face a-twin twin.ttf
# Renamed and back, by Windows' own rules for a file another program holds.
check "a file shown is free to be renamed" wine cmd /c move 'C:\A\same.ttf' 'C:\A\moved.ttf' '>nul'
wine cmd /c move 'C:\A\moved.ttf' 'C:\A\same.ttf' '>nul'
show 'C:\B'
face b-same same.ttf
face b-twin twin.ttf
check "each row drawn from its own file, as its copy's" test "$(differ a-same a-twin)$(differ b-same b-twin)" = 00
check "not by the name it shares with another file and an installed font" test "$(differ a-same b-same)" -gt 200
click "$(sample)" && keys ctrl+Home && xdotool type Zq
typed() { shot b-typed "$(probe item "$main" 2005 same.ttf face)" && (($(differ b-same b-typed) > 0)); }
check "the rows follow the sample as it is typed" wait_for 10 typed
# The selection, moved by a key, is one row high and reaches the list's left edge; the row it
# left keeps none of it.
click "$(file same.ttf)" && keys Down
list=($(probe control "$main" 2005)) row=($(file twin.ttf))
selection() {
  steady selection "${list[*]}"
  [[ $(convert "$prefix/selection.png" -fuzz 20% -fill black +opaque "#3399ff" -fill white \
    -opaque "#3399ff" -format %@ info:) =~ ^[0-9]+x${row[3]}\+2\+$((row[1] - list[1]))$ ]]
}
check "the selection is the selected row whole, and only that" wait_for 10 selection

# drawn <shot> <file>: the file's name is drawn in its row. A fault inside a row's drawing is
# lost with the paint it broke, which leaves the rows blank.
drawn() {
  steady "$1" "$(file "$2")"
  (($(convert "$prefix/$1.png" -format %k info:) > 1))
}
click "$(node 'C:\Damaged')"
check "the damaged copies are listed" wait_for 10 eval '[[ -n $(file damaged000.ttf) ]]'
check "the first page drawn" drawn damaged-start damaged000.ttf
xdotool mousemove $(center "$(probe control "$main" 2005)")
for _ in $(seq 40); do xdotool click --repeat 5 --delay 20 5; done  # the wheel, down to the end
check "and the last" drawn damaged-end damaged199.ttf
steady damaged "$(probe control "$main" 2005)"
check "and the window answers" test "$(probe state "$main")" = "normal enabled"
check "closing the window ends the program" close
finish
