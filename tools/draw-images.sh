#!/usr/bin/env bash
# Draws every picture the program carries (icon, toolbar images, list images, donation button,
# hand cursor) into app/resources/images: each bitmap for 96, 120, 144 and 192 dots per inch, the icon
# and the cursor in every size those need. The results are kept in the repository, so a build
# never needs ImageMagick; run this after changing a drawing.
#   tools/draw-images.sh
set -euo pipefail
cd "$(dirname "$0")/../app/resources/images"

need() { command -v "$1" >/dev/null || { echo "draw-images: needs $1 ($2)" >&2; exit 1; }; }
need convert "apt-get install imagemagick"
fc-list | grep -q DejaVuSerif-Bold || { echo "draw-images: needs fonts-dejavu-core" >&2; exit 1; }

SERIF=DejaVu-Serif-Bold
SANS=DejaVu-Sans-Bold
BLUE='#1d4fa8'
MAGENTA='#ff00ff'   # the toolbar and list images' transparent colour
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# s <text>: every number in a drawing's geometry times the scale $f, rounded.
s() { perl -pe "s/(\\d+)/int(\$1*$f+0.5)/ge" <<<"$1"; }

# Program icon: a white serif capital A on a blue square, in every size a screen asks for.
for size in 96 72 64 48 40 32 24 20 16; do
  r=$((size / 8)); e=$((size - 1))
  convert -size ${size}x${size} xc:none \
    -fill "$BLUE" -draw "roundrectangle 0,0,$e,$e,$r,$r" \
    -fill white -font "$SERIF" -pointsize $((size * 3 / 4)) -gravity center -annotate +0+1 A \
    "$tmp/icon$size.png"
done
convert "$tmp"/icon{96,72,64,48,40,32,24,20,16}.png typelens.ico

# One set of bitmaps for each resolution: the 96-dpi drawing, its coordinates scaled.
for dpi in 96 120 144 192; do
  f=$(perl -e "print $dpi / 96")
  suffix=$([[ $dpi == 96 ]] || echo "-$dpi")
  t=$(s 24)
  # Toolbar: five square images side by side on magenta, drawn without smoothing so that no
  # pinkish edge survives: the program takes the magenta out before it scales a picture.
  tile() { convert -size ${t}x${t} xc:"$MAGENTA" +antialias "$@"; }
  tile -fill '#808890' -draw "$(s 'rectangle 3,15 20,22')" -fill '#c8ccd2' -draw "$(s 'rectangle 4,16 19,20')" \
       -fill '#20c020' -draw "$(s 'rectangle 14,17 15,18')" \
       -fill '#d01818' -font "$SANS" -pointsize "$(s 14)" -annotate "$(s +1+13)" A \
       -fill '#109010' -draw "$(s 'polygon 15,1 19,1 19,7 22,7 17,13 12,7 15,7')" "$tmp/t1.png"
  tile -fill "$BLUE" -font "$SANS" -pointsize "$(s 16)" -gravity north -annotate "+0-$(s 2)" B \
       -font "$SANS" -pointsize "$(s 7)" -gravity south -annotate +0+0 BOLD "$tmp/t2.png"
  tile -fill "$BLUE" -font DejaVu-Serif-Bold-Italic -pointsize "$(s 16)" -gravity north -annotate "+0-$(s 2)" I \
       -font "$SANS" -pointsize "$(s 6)" -gravity south -annotate +0+0 ITALIC "$tmp/t3.png"
  tile -fill '#d01818' -font "$SANS" -pointsize "$(s 9)" -annotate "$(s +1+21)" A \
       -fill "$BLUE" -font "$SERIF" -pointsize "$(s 20)" -annotate "$(s +8+21)" A "$tmp/t4.png"
  tile -fill "$BLUE" -font "$SANS" -pointsize "$(s 16)" -gravity north -annotate "+0-$(s 2)" '?' \
       -font "$SANS" -pointsize "$(s 6)" -gravity south -annotate +0+0 ABOUT "$tmp/t5.png"
  convert "$tmp"/t[1-5].png +append -type truecolor "BMP3:toolbar$suffix.bmp"

  # List images, 16 pixels square at 96 dpi: 1 a closed yellow folder, 2 a page with a red A.
  l=$(s 16)
  convert -size ${l}x${l} xc:"$MAGENTA" +antialias \
    -fill '#c89a1c' -draw "$(s 'polygon 1,3 6,3 7,4 14,4 14,13 1,13')" \
    -fill '#f4cd4a' -draw "$(s 'rectangle 2,6 13,12')" -fill '#fbe48e' -draw "$(s 'line 2,6 13,6')" \
    "$tmp/folder.png"
  convert -size ${l}x${l} xc:"$MAGENTA" +antialias \
    -fill white -stroke '#606060' -draw "$(s 'polygon 2,0 10,0 13,3 13,15 2,15')" \
    -stroke none -fill '#d01818' -font "$SANS" -pointsize "$(s 11)" -annotate "$(s +3+13)" A \
    "$tmp/font.png"
  convert "$tmp/folder.png" "$tmp/font.png" +append -type truecolor "BMP3:list$suffix.bmp"

  # Donation button, 62 x 31 at 96 dpi: a wordmark above the word DONATE on a light background.
  convert -size "$(s 62)x$(s 31)" xc:none \
    -fill '#ffe9a8' -stroke '#d9a520' -draw "$(s 'roundrectangle 0,0 61,30 7,7')" -stroke none \
    -fill '#123a8a' -font DejaVu-Sans-Bold-Oblique -pointsize "$(s 10)" -gravity north -annotate "+0+$(s 2)" PayPal \
    -fill '#1a1a4a' -font "$SANS" -pointsize "$(s 9)" -gravity south -annotate "+0+$(s 3)" DONATE \
    -background '#ffffff' -flatten -type truecolor "BMP3:donate$suffix.bmp"

  # Hand pointer, 32 pixels square at 96 dpi: a white hand with the index finger raised.
  convert -size "$(s 32)x$(s 32)" xc:none -fill white -stroke black -strokewidth "$(s 1)" \
    -draw "$(s 'roundrectangle 12,4 16,18 2,2')" \
    -draw "$(s 'roundrectangle 16,12 20,20 2,2')" -draw "$(s 'roundrectangle 20,13 24,21 2,2')" \
    -draw "$(s 'roundrectangle 24,14 27,22 2,2')" \
    -draw "$(s 'polygon 12,18 12,14 9,15 7,19 11,26 13,29 25,29 27,24 27,19 12,19')" \
    -stroke none -draw "$(s 'rectangle 13,17 26,22')" \
    -stroke black -draw "$(s 'line 16,18 16,20')" -draw "$(s 'line 20,18 20,21')" \
    -draw "$(s 'line 24,19 24,21')" "$tmp/hand$dpi.png"
done

# An icon file becomes a cursor file by its type word (2) and, in each image's directory entry,
# the hot spot where an icon keeps its colour planes and bit count: the fingertip, (14, 5) at
# 96 dpi.
convert "$tmp"/hand{96,144,192}.png "$tmp/hand.ico"
cp "$tmp/hand.ico" hand.cur
printf '\x02\x00' | dd of=hand.cur bs=1 seek=2 conv=notrunc status=none
for entry in 0 1 2; do
  size=$(od -An -tu1 -j $((6 + 16 * entry)) -N1 hand.cur | tr -d ' ')
  x=$((14 * size / 32)); y=$((5 * size / 32))
  printf "\\x$(printf %02x $x)\\x00\\x$(printf %02x $y)\\x00" |
    dd of=hand.cur bs=1 seek=$((6 + 16 * entry + 4)) conv=notrunc status=none
done

echo "draw-images: wrote $(ls | tr '\n' ' ')"
