#!/usr/bin/env bash
# Draws every picture the program carries (icon, toolbar images, list images, donation button,
# hand cursor) into app/resources/images. The results are kept in the repository, so a build
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

# Program icon: a white serif capital A on a blue square, at 48, 32 and 16 pixels.
for size in 48 32 16; do
  r=$((size / 8)); e=$((size - 1))
  convert -size ${size}x${size} xc:none \
    -fill "$BLUE" -draw "roundrectangle 0,0,$e,$e,$r,$r" \
    -fill white -font "$SERIF" -pointsize $((size * 3 / 4)) -gravity center -annotate +0+1 A \
    "$tmp/icon$size.png"
done
convert "$tmp/icon48.png" "$tmp/icon32.png" "$tmp/icon16.png" typelens.ico

# Toolbar: five 24 x 24 images side by side on magenta, drawn without smoothing so that no
# pinkish edge survives the mask.
tile() { convert -size 24x24 xc:"$MAGENTA" +antialias "$@"; }
tile -fill '#808890' -draw 'rectangle 3,15 20,22' -fill '#c8ccd2' -draw 'rectangle 4,16 19,20' \
     -fill '#20c020' -draw 'rectangle 14,17 15,18' \
     -fill '#d01818' -font "$SANS" -pointsize 14 -annotate +1+13 A \
     -fill '#109010' -draw 'polygon 15,1 19,1 19,7 22,7 17,13 12,7 15,7' \
     "$tmp/t1.png"
tile -fill "$BLUE" -font "$SANS" -pointsize 16 -gravity north -annotate +0-2 B \
     -font "$SANS" -pointsize 7 -gravity south -annotate +0+0 BOLD "$tmp/t2.png"
tile -fill "$BLUE" -font DejaVu-Serif-Bold-Italic -pointsize 16 -gravity north -annotate +0-2 I \
     -font "$SANS" -pointsize 6 -gravity south -annotate +0+0 ITALIC "$tmp/t3.png"
tile -fill '#d01818' -font "$SANS" -pointsize 9 -annotate +1+21 A \
     -fill "$BLUE" -font "$SERIF" -pointsize 20 -annotate +8+21 A "$tmp/t4.png"
tile -fill "$BLUE" -font "$SANS" -pointsize 16 -gravity north -annotate +0-2 '?' \
     -font "$SANS" -pointsize 6 -gravity south -annotate +0+0 ABOUT "$tmp/t5.png"
convert "$tmp"/t[1-5].png +append -type truecolor BMP3:toolbar.bmp

# List images, 16 x 16: 1 a closed yellow folder, 2 a page with a red letter A.
convert -size 16x16 xc:"$MAGENTA" +antialias \
  -fill '#c89a1c' -draw 'polygon 1,3 6,3 7,4 14,4 14,13 1,13' \
  -fill '#f4cd4a' -draw 'rectangle 2,6 13,12' -fill '#fbe48e' -draw 'line 2,6 13,6' \
  "$tmp/folder.png"
convert -size 16x16 xc:"$MAGENTA" +antialias \
  -fill white -stroke '#606060' -draw 'polygon 2,0 10,0 13,3 13,15 2,15' \
  -stroke none -fill '#d01818' -font "$SANS" -pointsize 11 -annotate +3+13 A \
  "$tmp/font.png"
convert "$tmp/folder.png" "$tmp/font.png" +append -type truecolor BMP3:list.bmp

# Donation button, 62 x 31: a wordmark above the word DONATE on a light background.
convert -size 62x31 xc:none \
  -fill '#ffe9a8' -stroke '#d9a520' -draw 'roundrectangle 0,0 61,30 7,7' -stroke none \
  -fill '#123a8a' -font DejaVu-Sans-Bold-Oblique -pointsize 10 -gravity north -annotate +0+2 PayPal \
  -fill '#1a1a4a' -font "$SANS" -pointsize 9 -gravity south -annotate +0+3 DONATE \
  -background '#ffffff' -flatten -type truecolor BMP3:donate.bmp

# Hand pointer, 32 x 32: a white hand with the index finger raised; its tip, at (14, 5), is the
# hot spot.
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
  -draw 'roundrectangle 12,4 16,18 2,2' \
  -draw 'roundrectangle 16,12 20,20 2,2' -draw 'roundrectangle 20,13 24,21 2,2' \
  -draw 'roundrectangle 24,14 27,22 2,2' \
  -draw 'polygon 12,18 12,14 9,15 7,19 11,26 13,29 25,29 27,24 27,19 12,19' \
  -stroke none -draw 'rectangle 13,17 26,22' \
  -stroke black -draw 'line 16,18 16,20' -draw 'line 20,18 20,21' -draw 'line 24,19 24,21' \
  "$tmp/hand.png"
convert "$tmp/hand.png" "$tmp/hand.ico"
# An icon file becomes a cursor file by its type word (2) and the hot spot in the places where
# an icon keeps its colour planes and bit count.
cp "$tmp/hand.ico" hand.cur
printf '\x02\x00' | dd of=hand.cur bs=1 seek=2 conv=notrunc status=none
printf '\x0e\x00\x05\x00' | dd of=hand.cur bs=1 seek=10 conv=notrunc status=none

echo "draw-images: wrote $(ls | tr '\n' ' ')"
