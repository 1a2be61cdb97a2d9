#!/usr/bin/env bash
# Install, into the prefix's fonts folders and registry: for the machine, a family's styles side
# by side, for the user alone where the machine's fonts folder may not be written, names in other
# scripts, and a program started afterwards that names and draws the families installed.
source "$(dirname "$0")/lib.sh"
desktop
greek='Ελληνικά'
fonts "$c/In/neat.ttf" "Qzx Neat" western "$c/In/third.ttf" "Qzx Third" western \
  "$c/In/Fam-Regular.ttf" "Qzx Fam/Regular" western "$c/In/Fam-Bold.ttf" "Qzx Fam/Bold" cyrillic \
  "$c/$greek/шрифт.ttf" "Qzx шрифт" cyrillic "$c/$greek/字体.ttf" "Qzx 字体" japanese
fonts_key='Software\Microsoft\Windows NT\CurrentVersion\Fonts'
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')  # C:\users\<name>\AppData\Local
user_fonts="$c/$(tr '\\' / <<<"${appdata:3}")/Microsoft/Windows/Fonts"
typelens
preview() { click "$(file "$1")" && wait_for 10 face "$2"; }
installed() {  # installed <file> <face>: the copy is the file, and the machine's value names it
  local file=$1 name=$2
  wait_for 10 eval 'cmp -s "$file" "$c/windows/Fonts/${file##*/}" &&
    [[ $(reg_value "HKEY_LOCAL_MACHINE\\$fonts_key" "$name (TrueType)") == "${file##*/}" ]]'
}

click "$(node 'C:\In')"
check "the folder is listed" wait_for 10 eval '[[ -n $(file third.ttf) ]]'
check "neat previews" preview neat.ttf "Qzx Neat"
click "$(button 2101)"
click "$(button 2101)"
check "installed twice: one copy, one value" installed "$c/In/neat.ttf" "Qzx Neat"

# A family's Regular installed, then its Bold: drawn from its own file, installed beside it.
preview=$(sample)
check "the Regular previews" preview Fam-Regular.ttf "Qzx Fam"
steady regular "$preview"
click "$(button 2102)"
wait_for 5 pressed 10
steady regular-bold "$preview"
click "$(button 2102)"
click "$(button 2101)"
check "the Regular is installed under its family" installed "$c/In/Fam-Regular.ttf" "Qzx Fam"
click "$(file Fam-Bold.ttf)"
wait_for 10 eval '[[ $(probe selected "$main" 2005) == Fam-Bold.ttf ]]'  # the face box stays "Qzx Fam"
steady bold "$preview"
check "the Bold is named by its family" test "$(text 2006)" = "Qzx Fam"
check "and drawn from its own file, unlike the Regular" test "$(differ regular bold)" -gt 2000
check "and unlike the Regular made bold" test "$(differ regular-bold bold)" -gt 2000
click "$(button 2101)"
check "the Bold is installed under its full name" installed "$c/In/Fam-Bold.ttf" "Qzx Fam Bold"
check "beside the Regular" installed "$c/In/Fam-Regular.ttf" "Qzx Fam"
picture family-style "$(probe control "$main")"

# The fonts folder unwritable for the program, as for a user without admin rights.
chattr +i "$c/windows/Fonts" 2>/dev/null || chmod a-w "$c/windows/Fonts"
check "third previews" preview third.ttf "Qzx Third"
click "$(button 2101)"
check "installed for the user: the copy" wait_for 10 cmp -s "$c/In/third.ttf" "$user_fonts/third.ttf"
chattr -i "$c/windows/Fonts" 2>/dev/null; chmod u+w "$c/windows/Fonts"
check "and the user's value, naming it by its full path" wait_for 10 eval \
  '[[ $(reg_value "HKEY_CURRENT_USER\\$fonts_key" "Qzx Third (TrueType)") == "$appdata\\Microsoft\\Windows\\Fonts\\third.ttf" ]]'
check "nothing for the machine" test ! -e "$c/windows/Fonts/third.ttf"

click "$(node "C:\\$greek")"
for name in шрифт 字体; do
  check "$name is listed and previews in its own name" preview $name.ttf "Qzx $name"
  click "$(button 2101)"
  check "$name is installed under its own name" installed "$c/$greek/$name.ttf" "Qzx $name"
done
check "closing the window ends the program" close

typelens  # a program started now has the families installed for the machine
double_click "$(node 'C:\windows')"
wait_for 10 eval '[[ -n $(node "C:\\windows\\Fonts") ]]'
click "$(node 'C:\windows\Fonts')"
check "the installed copy is listed" wait_for 10 eval '[[ -n $(file Fam-Bold.ttf) ]]'
check "a style of a family installed at start is named" preview Fam-Bold.ttf "Qzx Fam"
steady installed-bold "$preview"
check "and drawn in its own face" test "$(differ bold installed-bold)" = 0
close
finish
