#!/usr/bin/env bash
# Paths handed over on the command line, as Explorer's "Open with" and shortcuts hand them: a font
# file on another drive opens there, selected and previewed; a folder is shown and listed; a path
# that is not there says so, and the window starts as usual.
source "$(dirname "$0")/lib.sh"
desktop
drive="$prefix/другой диск" sub="$prefix/другой диск/Шрифты и всё/Sub Folder"
S='D:\Шрифты и всё\Sub Folder'
fonts "$sub/Ёлка.ttf" "Qzx Yolka" cyrillic "$c/Fonts Here/here.ttf" "Qzx Here" western
ln -s "$drive" "$prefix/dosdevices/d:"
selected() { probe selected "$main" "$1"; }
typelens "$c" "$S\\Ёлка.ttf"
check "a file handed: its drive in the drive box" test "$(text 2003)" = d:
check "the tree open down to its folder" test "$(node 'D:\Шрифты и всё' | cut -d' ' -f5-)" = "1 1"
check "whose node is selected" test "$(selected 2004)" = "Sub Folder"
check "the folder's fonts listed" test "$(items)" = "Ёлка.ttf "
check "the file selected" test "$(selected 2005)" = Ёлка.ttf
check "and previewed" face "Qzx Yolka"
shot handed "$(probe control "$main")"
close

typelens "$c" 'Fonts Here'  # as a shortcut may hand it: relative to its start folder
check "a folder handed is shown" test "$(selected 2004)" = "Fonts Here"
check "and listed" test "$(items)" = "here.ttf "
close

launch "$c" 'C:\x\missing.ttf'
check "a path not there says so" wait_for 30 eval 'box=$(probe find "#32770" Typelens)'
check "in one sentence" test "$(probe text "$box" 65535)" = '"C:\x\missing.ttf" is not there.'
keys Return
check "then the window starts as usual" \
  wait_for 30 eval 'main=$(probe find Typelens.Glyphora) && [[ -n $(node "C:\\windows") ]]'
check "closing the window ends the program" close
finish
