#!/usr/bin/env bash
# The preview, proved from its pixels: fonts that declare what real fonts declare are each drawn
# in their own face, also bold (in heavier strokes), italic (slanted) and at 72 points; a symbol
# font does no harm; files that are no font, or are gone, say so and show no other font's face;
# the size box applies typed sizes as the focus leaves it.
source "$(dirname "$0")/lib.sh"
desktop
latin="western nocp japanese cyrillic"  # 1252 only, no code page at all, 1252 + 932, 1252 + 1251
fonts "$c/western.ttf" "Qzx Western" western "$c/nocp.ttf" "Qzx Nocp" nocp \
  "$c/japanese.ttf" "Qzx Japanese" japanese "$c/cyrillic.ttf" "Qzx Cyrillic" cyrillic \
  "$c/symbol.ttf" "Qzx Symbol" symbol "$c/empty.ttf" - broken-empty "$c/random.ttf" - broken-random \
  "$c/cut.ttf" - broken-cut "$c/offsets.ttf" - broken-offsets "$c/gone.ttf" "Qzx Gone" western
mkdir "$c/a folder.ttf"
typelens
rm "$c/gone.ttf"  # listed, then deleted
check "folders named *.ttf are not listed" test -z "$(file 'a folder.ttf')"
preview=$(sample)
show() {  # show <font>: a click, its face named, the preview shot as <font>-regular
  click "$(file "$1.ttf")"
  check "$1: its face named" wait_for 10 face "Qzx ${1^}"
  steady "$1-regular" "$preview"
}
pick() { click "$(probe control "$main" 2002)"; keys F4 "$@" Return; }
styles() { pick "$1"; click "$(button 2102)"; click "$(button 2103)"; }  # a size, bold, italic
drawn_apart() {  # no two pictures alike: no font was drawn in another face
  local style=$1 a b; shift
  for a in "$@"; do for b in "$@"; do
    [[ $a == "$b" ]] && break
    check "$style: $b is drawn unlike $a" test "$(differ "$a-$style" "$b-$style")" -gt 2000
  done; done
}

steady start-regular "$preview"
for font in $latin; do
  show $font
  click "$(button 2102)"
  wait_for 5 pressed 10
  steady $font-bold "$preview"
  check "$font: Bold draws heavier strokes, upright" eval 'heavier $font-regular $font-bold && ! leans $font-bold'
  pick Down  # from 36 to 72
  click "$(button 2103)"
  wait_for 5 pressed 11
  steady $font-styled "$preview"
  check "$font: Italic slants them" leans $font-styled
  styles Up
done
drawn_apart regular start $latin
drawn_apart styled $latin

show symbol  # no Latin letters: named, and the program goes on
show western
styles Down
wait_for 5 pressed 11
answered() { wait_for 10 eval "[[ \$(probe selected \"\$main\" 2005) == $1.ttf ]]"; }
for broken in empty random cut offsets gone; do
  click "$(file $broken.ttf)"
  answered $broken
  [[ $broken == gone ]] && why="no longer there" || why="not a usable font"
  check "$broken: $why, says the face box" face "$why"
  check "and Install is greyed" test "$(button 2101 | cut -d' ' -f6)" = 0
done
styles Up  # bold and italic off, back to 36
wait_for 5 pressed 00
steady after-broken "$preview"
check "the sample is back in its own face" test "$(differ start-regular after-broken)" = 0

# size <text>: typed into the size box, which is then left for the list (Tab would select a folder).
size() {
  click "$(probe control "$main" 2002)" && wait_for 5 focused 2002
  keys End shift+Home; xdotool type "$1"; click "$(file western.ttf)"
  wait_for 5 focused 2005
}
size 24
steady 24 "$preview"
check "leaving the box applies 24" test "$(differ after-broken 24)" -gt 2000

click "$(button 2102)"
click "$(button 2103)"
size 36
picture preview "$(probe control "$main")"
check "closing the window ends the program" close
finish
