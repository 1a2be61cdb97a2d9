#!/usr/bin/env bash
# What a Windows user expects: names in Explorer's order and found by their first letters in any
# script, folders that can be opened showing their button, a drive's own fonts, every command on
# the keyboard, Enter in the size box, Install greyed once done and a refusal that says why.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/Keys/Борщ.ttf" "Qzx Borsch" cyrillic "$c/Keys/арбуз.ttf" "Qzx Arbuz" cyrillic \
  "$c/Keys/font2.ttf" "Qzx Two" western "$c/Keys/font10.ttf" "Qzx Ten" nocp \
  "$prefix/stick/stick.ttf" "Qzx Stick" western
mkdir -p "$c/Keys/Гриб/Внутри" "$c/Keys/empty" "$prefix/stick/Sub"
cp "$c/Keys/font10.ttf" "$c/windows/Fonts/font2.ttf"  # a different font of that name, installed
ln -s "$prefix/stick" "$prefix/dosdevices/s:"          # a stick of fonts
typelens
selected() { probe selected "$main" "$1"; }
preview=$(sample)

click "$(node 'C:\Keys')"
check "names in Explorer's order" wait_for 10 eval '[[ $(items) == "font2.ttf font10.ttf арбуз.ttf Борщ.ttf " ]]'
click "$(file font2.ttf)"
check "a click previews" wait_for 10 face "Qzx Two"
xdotool type 'б'
check "a small Cyrillic letter finds a name that begins with a capital" wait_for 10 face "Qzx Borsch"
double_click "$(node 'C:\Keys')"
wait_for 10 eval '[[ -n $(node "C:\\Keys\\Гриб") ]]'
xdotool type 'гр'
check "and in the tree" wait_for 10 eval '[[ $(selected 2004) == Гриб ]]'

check "a folder not read yet shows its button" eval 'probe expander "$main" 2004 "C:\\Keys\\Гриб" >/dev/null'
xdotool mousemove $(probe expander "$main" 2004 'C:\Keys\Гриб') click 1
check "its button reads it and opens it" wait_for 10 eval '[[ $(node "C:\\Keys\\Гриб" | cut -d" " -f5-) == "1 1" ]]'
xdotool mousemove $(probe expander "$main" 2004 'C:\Keys\empty') click 1
check "a folder found empty loses its button" wait_for 10 eval '! probe expander "$main" 2004 "C:\\Keys\\empty"'

click "$(node 'C:\Keys')"
wait_for 10 eval '[[ -n $(file арбуз.ttf) ]]'
click "$(file арбуз.ttf)"
check "арбуз previews" wait_for 10 face "Qzx Arbuz"
steady plain "$preview"
keys ctrl+i
check "Ctrl+I presses Italic" wait_for 5 pressed 01
steady italic "$preview"
check "which slants the sample" leans italic
keys ctrl+b
check "Ctrl+B presses Bold" wait_for 5 pressed 11
steady styled "$preview"
check "which draws it in heavier strokes" heavier italic styled
keys ctrl+b ctrl+i
keys F1
check "F1 opens About" wait_for 10 eval 'about=$(probe find "#32770" About...)'
keys Escape
check "Esc closes it" wait_for 10 eval '[[ -z $(probe find "#32770" About...) ]]'
check "and the focus is back where it was" wait_for 5 eval '[[ $(probe focus "$main") == 2005 ]]'

click "$(probe control "$main" 2002)"
keys End shift+Home
xdotool type 24
keys Return
check "Enter in the size box applies the size there and then" \
  wait_for 10 eval 'steady sized "$preview"; (($(differ plain sized) > 2000))'
check "and leaves the focus in the box" test "$(probe focus "$main")" = 2002

keys ctrl+shift+i
check "Ctrl+Shift+I installs the previewed font" wait_for 10 cmp -s "$c/Keys/арбуз.ttf" "$c/windows/Fonts/арбуз.ttf"
check "and Install is greyed once done" wait_for 5 eval '[[ $(button 2101 | cut -d" " -f6) == 0 ]]'
click "$(file font2.ttf)"
check "until the next preview" wait_for 10 eval '[[ $(button 2101 | cut -d" " -f6) == 1 ]]'
click "$(button 2101)"
check "a refusal says why, over the main window" wait_for 10 eval 'box=$(probe find "#32770" Typelens)'
check "in one sentence" test "$(probe text "$box" 65535)" = 'A different font named "font2.ttf" is in the fonts folder already.'
picture refusal "$(probe control "$box")"
keys Return
check "Enter closes it" wait_for 10 eval '[[ -z $(probe find "#32770" Typelens) ]]'
check "and the font in the way stays" cmp -s "$c/Keys/font10.ttf" "$c/windows/Fonts/font2.ttf"

# A drive picked by the keyboard, once the drive box lists it.
wait_for 10 eval 'probe entries "$main" 2003 | grep -q ^s:'
click "$(probe control "$main" 2003)"
keys Escape s
check "a drive's folders" wait_for 10 eval '[[ -n $(node "S:\\Sub") ]]'
check "and its own fonts" wait_for 10 eval '[[ $(items) == "stick.ttf " ]]'
check "closing the window ends the program" close
finish
