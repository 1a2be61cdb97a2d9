#!/usr/bin/env bash
# Paths handed over on the command line, as Explorer's "Open with" and shortcuts hand them: a font
# file on another drive opens there, selected and previewed; a folder is shown and listed; a path
# that is not there says so, and the window starts as usual. F5 reads the shown folder again
# after folders and fonts were made and removed meanwhile.
source "$(dirname "$0")/lib.sh"
desktop
drive="$prefix/другой диск" sub="$prefix/другой диск/Шрифты и всё/Sub Folder"
S='D:\Шрифты и всё\Sub Folder'
fonts "$sub/Ёлка.ttf" "Qzx Yolka" cyrillic "$c/Fonts Here/here.ttf" "Qzx Here" western
mkdir -p "$sub/a" "$sub/c/deep"
ln -s "$drive" "$prefix/dosdevices/d:"
selected() { probe selected "$main" "$1"; }
opened() { [[ $(node "$1" | cut -d' ' -f5-) == "$2" ]]; }  # children, 1 when expanded
typelens "$c" "$S\\Ёлка.ttf"
check "a file handed: its drive in the drive box" test "$(text 2003)" = d:
check "the tree open down to its folder" opened 'D:\Шрифты и всё' "1 1"
check "whose node is selected" test "$(selected 2004)" = "Sub Folder"
check "the folder's fonts listed" test "$(items)" = "Ёлка.ttf "
check "the file selected, the list focused" eval '[[ $(selected 2005) == Ёлка.ttf && $(probe focus "$main") == 2005 ]]'
check "and previewed" face "Qzx Yolka"
shot handed "$(probe control "$main")"

for folder in "$S" "$S\\c"; do
  double_click "$(node "$folder")"
  wait_for 10 eval '[[ $(node "$folder" | cut -d" " -f6) == 1 ]]'
done
click "$(node "$S")"
wait_for 10 eval '[[ $(selected 2004) == "Sub Folder" ]]'
mkdir "$sub/b" && rm -r "$sub/a" && fonts "$sub/new.ttf" "Qzx New" western
keys F5
check "F5 lists a font made meanwhile" wait_for 10 eval '[[ $(items) == "new.ttf Ёлка.ttf " ]]'
check "shows a folder made meanwhile in its place by name" \
  test "$(node "$S\\b" | cut -d' ' -f2)" -lt "$(node "$S\\c" | cut -d' ' -f2)"
check "takes out one removed" test -z "$(node "$S\\a")"
check "and keeps an open one open" opened "$S\\c" "1 1"
click "$(node "$S\\c\\deep")"
wait_for 10 eval '[[ $(selected 2004) == deep ]]'
rm -r "$sub/c" && mkdir "$sub/a"
keys F5
check "a shown folder removed gives way to the one above it" \
  wait_for 10 eval '[[ $(selected 2004) == "Sub Folder" && $(items) == "new.ttf Ёлка.ttf " ]]'
check "and its node goes" test -z "$(node "$S\\c")"
check "a folder made again under a name removed before comes back" test -n "$(node "$S\\a")"
check "closing the window ends the program" close

typelens "$c" 'Fonts Here'  # as a shortcut may hand it: relative to its start folder
check "a folder handed is shown" test "$(selected 2004)" = "Fonts Here"
check "and listed" test "$(items)" = "here.ttf "
check "that window closed too" close

launch "$c" 'C:\x\missing.ttf'
check "a path not there says so" wait_for 30 eval 'box=$(probe find "#32770" Typelens)'
check "in one sentence" test "$(probe text "$box" 65535)" = '"C:\x\missing.ttf" is not there.'
keys Return
check "then the window starts as usual" \
  wait_for 30 eval 'main=$(probe find Typelens.Glyphora) && [[ -n $(node "C:\\windows") ]]'
check "as does the last one" close
finish
