#!/usr/bin/env bash
# Today's screens: at 96, 144 and 192 dots per inch the window, the toolbar's buttons, the font
# list's faces and the About window's pictures come out at their designed size in twips, from
# pictures drawn for that size, and the size box shows three digits whole.
source "$(dirname "$0")/lib.sh"
# sized <what> <x y w h> <width height in twips>: to a pixel.
sized() {
  local r=($2) t=($3) i
  for i in 0 1; do
    ((${r[i + 2]} * 1440 / dpi - t[i] <= 1440 / dpi && t[i] - ${r[i + 2]} * 1440 / dpi <= 1440 / dpi)) ||
      { fail "$dpi dpi: $1 is ${r[2]} x ${r[3]} pixels"; return; }
  done
}
# typed <text> <name>: typed into the size box, which is then left for the sample; its edit
# part, settled, shot as <name>.
typed() {
  click "$(probe control "$main" 2002)"
  keys End shift+Home
  xdotool type "$1"
  click "$(probe control "$main" 2007)"
  check "$dpi dpi: the size box left" wait_for 5 eval '[[ $(probe focus "$main") == 2007 ]]'
  steady "$2" "$(probe control "$main" 1001)"
}
ink() { convert "$prefix/$1.png" -fuzz 30% -format %@ info: | tr x+ '  '; }  # width height x y
left() { convert "$prefix/$1.png" -crop "$2x+0+0" +repage "$prefix/$1-left.png"; }
for dpi in 96 144 192; do
  desktop $dpi
  fonts "$c/row.ttf" "Qzx Row" western
  typelens
  sized "the client area" "$(probe client "$main")" "8925 6990"
  for button in 2101 2102 2103 2105; do sized "button $button" "$(button $button)" "450 465"; done
  sized "the size box" "$(probe control "$main" 2002)" "675 360"
  toolbar=($(probe control "$main" 2001)) size=($(probe control "$main" 2002))
  check "$dpi dpi: the size box 1740 twips along the toolbar" \
    test $(((size[0] - toolbar[0]) * 1440 / dpi)) -ge 1725 -a $(((size[0] - toolbar[0]) * 1440 / dpi)) -le 1755
  [[ $dpi == 192 ]] && picture main-window-192 "$(probe control "$main")"
  # The row's line 330 twips to the em, its capitals 0.7 of it high (the font's design).
  steady row "$(probe item "$main" 2005 row.ttf face)"
  row=($(ink row))
  check "$dpi dpi: a row's face at twice the names' size" \
    test $((row[1] * 1440 * 10 - 7 * 330 * dpi)) -le $((20 * 1440)) -a $((7 * 330 * dpi - row[1] * 1440 * 10)) -le $((20 * 1440))
  # "120" is whole: it begins with the "1" as drawn alone (not scrolled to "20"), and its ink
  # ends short of the edit part's right edge (not cut).
  typed 1 one
  typed 120 whole
  one=($(ink one)) whole=($(ink whole))
  left one $((one[0] + one[2])) && left whole $((one[0] + one[2]))
  check "$dpi dpi: \"120\" begins with its \"1\"" test "$(differ one-left whole-left)" = 0
  check "$dpi dpi: and ends inside the box" test $((whole[0] + whole[2])) -lt "$(identify -format %w "$prefix/whole.png")"
  typed 5000 refused
  check "$dpi dpi: a size the box does not take goes back" wait_for 5 eval '[[ $(text 2002) == 120 ]]'
  click "$(button 2105)"
  check "$dpi dpi: About opens" wait_for 10 eval 'about=$(probe find "#32770" About...)'
  sized "About" "$(probe client "$about")" "4830 3240"
  sized "the icon" "$(probe control "$about" 2202)" "720 720"
  sized "the donation button" "$(probe control "$about" 2205)" "930 465"
  [[ $dpi == 192 ]] && picture about-192 "$(probe control "$about")"
  keys Escape
  check "$dpi dpi: About closes" wait_for 10 eval '[[ -z $(probe find "#32770" About...) ]]'
  check "$dpi dpi: closing the window ends the program" close
done
finish
