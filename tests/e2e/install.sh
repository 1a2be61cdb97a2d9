#!/usr/bin/env bash
# Install, into the prefix's fonts folders and registry: for the machine, a family's styles side
# by side under their whole names, which the face list cuts, for the user alone where the
# machine's fonts folder may not be written, names in other scripts, and a program started
# afterwards that names and draws the families installed. Typelens runs as a download, from a
# folder where someone left a dwrite.dll of their own.
source "$(dirname "$0")/lib.sh"
desktop
greek='Ελληνικά'
long='Typelens Remarkably Long Family Name Q'  # 38 letters; the face list gives 31
fonts "$c/In/neat.ttf" "Qzx Neat" western "$c/In/third.ttf" "Qzx Third" western \
  "$c/In/Fam-Regular.ttf" "$long/Regular" western "$c/In/Fam-Bold.ttf" "$long/Bold" cyrillic \
  "$c/$greek/шрифт.ttf" "Qzx шрифт" cyrillic "$c/$greek/字体.ttf" "Qzx 字体" japanese \
  "$c/In/dword.ttf" "Qzx Dword" western
# Values of each name the face may take already there, but no text: they may register anything,
# and stay.
wine reg add "HKLM\\$fonts_key" /v "Qzx Dword (TrueType)" /t REG_DWORD /d 7 /f >/dev/null 2>&1
wine reg add "HKLM\\$fonts_key" /v "Qzx Dword Regular (TrueType)" /t REG_BINARY /d 0700 /f >/dev/null 2>&1
# Wine, told to prefer a native dwrite.dll, takes one beside the program first, as Windows does; a
# program that loads it by its bare name from there runs the planted one.
downloads=$c/Downloads
mkdir -p "$downloads"
cp "$TYPELENS_EXE" "$PROBE" "$PLANTED_DWRITE" "$downloads/"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;dwrite=n,b" TYPELENS_EXE=$downloads/Typelens.exe
check "a library planted there is loaded by its bare name" \
  eval 'wine "$downloads/probe.exe" load dwrite.dll && test -e "$c/planted.txt"'
rm -f "$c/planted.txt"
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')  # C:\users\<name>\AppData\Local
user_fonts="$c/$(tr '\\' / <<<"${appdata:3}")/Microsoft/Windows/Fonts"
typelens
# preview <file> <face>: a click, answered (the file selected), and the face named.
preview() {
  click "$(file "$1")"
  wait_for 10 eval "[[ \$(probe selected \"\$main\" 2005) == '$1' ]]" && wait_for 10 face "$2"
}

click "$(node 'C:\In')"
check "the folder is listed" wait_for 10 eval '[[ -n $(file third.ttf) ]]'
said() { [[ $(text 2008) == "$noted" ]]; }
note() { noted=$1 wait_for 10 said; }  # beside the buttons
check "neat previews" preview neat.ttf "Qzx Neat"
click "$(button 2101)"
check "neat is installed" installed "$c/In/neat.ttf" "Qzx Neat"
check "and that is said beside the button" note "Installed for every user"
click "$(file neat.ttf)"
check "the next preview says nothing yet" note ""
click "$(button 2101)"
check "installed again from this very file: said, and nothing changes" \
  note "Installed already, from this very file"
check "one copy, one value" installed "$c/In/neat.ttf" "Qzx Neat"

check "dword previews" preview dword.ttf "Qzx Dword"
click "$(button 2101)"
check "a value in the way that holds no text is a refusal" \
  wait_for 10 eval 'box=$(probe find "#32770" Typelens)'
check "that says why" test "$(probe text "$box" 65535)" = \
  'The face "Qzx Dword" has a value in the list of installed fonts that cannot be read, and it stays as it is.'
keys Return
check "and the values stay" eval '[[ $(reg_value "HKEY_LOCAL_MACHINE\\$fonts_key" "Qzx Dword (TrueType)") == dword:00000007 &&
  $(reg_value "HKEY_LOCAL_MACHINE\\$fonts_key" "Qzx Dword Regular (TrueType)") == hex:07,00 ]]'
check "with no copy beside it" test ! -e "$c/windows/Fonts/dword.ttf"

# A family's Bold alone, then its Regular installed and the Bold again: named whole, drawn from
# its own file as it was alone, and installed beside the Regular under its whole names.
preview=$(sample)
check "the Bold alone is named whole" preview Fam-Bold.ttf "$long"
steady bold-alone "$preview"
check "the Regular previews" preview Fam-Regular.ttf "$long"
steady regular "$preview"
click "$(button 2102)"
wait_for 5 pressed 10
steady regular-bold "$preview"
click "$(button 2102)"
click "$(button 2101)"
check "the Regular is installed under its family" installed "$c/In/Fam-Regular.ttf" "$long"
check "the Bold previews beside it" preview Fam-Bold.ttf "$long"
steady bold "$preview"
check "drawn exactly as it was alone" test "$(differ bold-alone bold)" = 0
check "which is unlike the Regular" test "$(differ regular bold)" -gt 2000
check "and unlike the Regular made bold" test "$(differ regular-bold bold)" -gt 2000
click "$(button 2101)"
check "the Bold is installed under its full name" installed "$c/In/Fam-Bold.ttf" "$long Bold"
check "beside the Regular" installed "$c/In/Fam-Regular.ttf" "$long"
xdotool mousemove $(center "$preview")  # away from the buttons, whose tips would hide the drive box
wait_for 10 eval '! probe find tooltips_class32 >/dev/null'
picture family-style "$(probe control "$main")"

# The fonts folder unwritable for the program, as for a user without admin rights.
chattr +i "$c/windows/Fonts" 2>/dev/null || chmod a-w "$c/windows/Fonts"
check "third previews" preview third.ttf "Qzx Third"
click "$(button 2101)"
check "installed for the user: the copy" wait_for 10 cmp -s "$c/In/third.ttf" "$user_fonts/third.ttf"
check "and that is said" note "Installed for you alone: the machine's fonts folder may not be written"
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
check "a style of a family installed at start is named" preview Fam-Bold.ttf "$long"
steady installed-bold "$preview"
check "and drawn in its own face" test "$(differ bold installed-bold)" = 0
check "that window closed too" close
check "the library planted beside Typelens was never loaded" test ! -e "$c/planted.txt"
finish
