#!/usr/bin/env bash
# Install, into the prefix's fonts folder and registry: the copy and its value, what is refused,
# and a program started afterwards that counts the face as installed.
source "$(dirname "$0")/lib.sh"
desktop
fonts "$c/In/neat.ttf" "Qzx Neat" cyrillic "$c/In/other.ttf" "Qzx Other" cyrillic \
  "$c/In/third.ttf" "Qzx Third" cyrillic "$c/windows/Fonts/other.ttf" "Qzx Occupant" cyrillic
cp "$c/windows/Fonts/other.ttf" "$prefix/occupant.ttf"
machine='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
# freeze|thaw <folder>: unwritable for Wine, also when it runs as root.
freeze() { chattr +i "$1" 2>/dev/null || chmod a-w "$1"; }
thaw() { chattr -i "$1" 2>/dev/null; chmod u+w "$1"; }
typelens
preview() { local face=$2; click "$(file "$1")" && wait_for 10 eval '[[ $(text 2006) == "$face" ]]'; }

click "$(button 2101)"  # nothing previewed yet
click "$(node 'C:\In')"
check "the folder is listed" wait_for 10 eval '[[ -n $(file third.ttf) ]]'
check "nothing was installed before a preview" test ! -e "$c/windows/Fonts/neat.ttf"
check "neat previews" preview neat.ttf "Qzx Neat"
click "$(button 2101)"
click "$(button 2101)"
check "installed twice: one copy" wait_for 10 cmp -s "$c/In/neat.ttf" "$c/windows/Fonts/neat.ttf"
check "and one value" test "$(reg_value "$machine" "Qzx Neat (TrueType)")" = neat.ttf

check "other previews" preview other.ttf "Qzx Other"
click "$(button 2101)"
sleep 1
check "a different font of the same name stays" cmp -s "$prefix/occupant.ttf" "$c/windows/Fonts/other.ttf"
check "and nothing names the new one" test -z "$(reg_value "$machine" "Qzx Other (TrueType)")"

freeze "$c/windows/Fonts"
check "third previews" preview third.ttf "Qzx Third"
click "$(button 2101)"
sleep 1
thaw "$c/windows/Fonts"
check "an unwritable fonts folder: no copy" test ! -e "$c/windows/Fonts/third.ttf"
check "and no value" test -z "$(reg_value "$machine" "Qzx Third (TrueType)")"
check "closing the window ends the program" close

typelens  # a program started now has the installed face among the installed ones
double_click "$(node 'C:\windows')"
wait_for 10 eval '[[ -n $(node "C:\\windows\\Fonts") ]]'
click "$(node 'C:\windows\Fonts')"
check "the installed copy is listed" wait_for 10 eval '[[ -n $(file neat.ttf) ]]'
click "$(file neat.ttf)"
sleep 2
check "and brings no new face" test -z "$(text 2006)"
close
finish
