#!/usr/bin/env bash
# Writes the bitmaps of tests/data/im-*.bmp with ImageMagick, an independent
# writer: each compressed or bit-field file beside the uncompressed 24-bit file
# of the same picture. Run from this folder; the files are committed.
set -euo pipefail
# 19 x 9: runs, single pixels, a gradient row of distinct colours, magenta.
convert -size 19x9 xc:white -fill red -draw "rectangle 2,1 12,3" -fill blue -draw "point 4,5" \
  -fill lime -draw "line 0,8 18,8" -fill black -draw "point 18,0" \
  \( -size 19x1 gradient:yellow-navy \) -geometry +0+6 -composite \
  -fill "rgb(255,0,255)" -draw "rectangle 14,2 17,4" /tmp/im-picture.png
convert /tmp/im-picture.png -type TrueColor BMP3:im-picture.bmp
convert /tmp/im-picture.png -type Palette -compress RLE BMP3:im-picture-rle8.bmp
convert /tmp/im-picture.png -type TrueColorAlpha BMP:im-picture-argb32.bmp
# 13 x 7 of full and empty channels only, which 5 and 6 bits hold exactly.
convert -size 13x7 xc:white -fill red -draw "rectangle 2,1 9,3" -fill blue -draw "point 4,5" \
  -fill lime -draw "line 0,6 12,6" -fill black -draw "point 12,0" /tmp/im-primaries.png
convert /tmp/im-primaries.png -type TrueColor BMP3:im-primaries.bmp
convert /tmp/im-primaries.png -type TrueColor -define bmp:subtype=RGB565 BMP:im-primaries-rgb565.bmp
convert /tmp/im-primaries.png -type TrueColor -define bmp:subtype=RGB555 BMP:im-primaries-rgb555.bmp
# A palette GIF for the picture conversion: a gradient, red top left, blue bottom right.
convert -size 16x16 xc:white \( -size 16x16 gradient:yellow-navy \) -composite -fill red \
  -draw "point 0,0" -fill blue -draw "point 15,15" -fill lime -draw "rectangle 4,4 7,7" \
  -colors 256 -type Palette GIF:im-palette.gif
rm /tmp/im-picture.png /tmp/im-primaries.png
