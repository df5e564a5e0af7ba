#!/bin/sh
# Draws the utility's icon and its two About box pictures into the given
# directory: an evaluation board carrying the chip, and an LCD panel showing
# colour bars. 8-bit pictures with their own palette, as the About box
# expects.
set -eu
out=$1
mkdir -p "$out"

# The chip as drawing primitives: a dark square of side size - 2 * inset with
# pins on every side and a blue mark at pin 1.
chip() {
    size=$1 inset=$2 pin=$3
    far=$((size - inset - 1))
    echo "fill #b8b8b8"
    i=$((inset + pin))
    while [ $i -lt $((far - pin)) ]; do
        echo "rectangle $i,$((inset - pin)) $((i + pin / 2)),$((far + pin))"
        echo "rectangle $((inset - pin)),$i $((far + pin)),$((i + pin / 2))"
        i=$((i + pin * 2))
    done
    echo "fill #202428 rectangle $inset,$inset $far,$far"
    echo "fill #2f6fd0 circle $((inset + pin * 2)),$((inset + pin * 2)) $((inset + pin * 3)),$((inset + pin * 2))"
}

convert -size 96x96 xc:'#1d6b3a' \
    -fill '#2a8a4d' -draw 'rectangle 4,4 91,91' \
    -fill '#d9b44a' -draw 'rectangle 10,84 86,91' \
    -stroke '#1d6b3a' -draw 'line 20,84 20,91 line 40,84 40,91 line 60,84 60,91 line 80,84 80,91' \
    -stroke none -draw "$(chip 96 26 4)" \
    -fill '#c0c0c0' -draw 'rectangle 72,10 86,20' \
    -type Palette -colors 64 BMP3:"$out/about_board.bmp"

convert -size 96x96 xc:'#3a3a3a' \
    -fill '#101010' -draw 'rectangle 6,10 89,75' \
    \( -size 10x58 xc:red xc:yellow xc:lime xc:cyan xc:blue xc:magenta xc:white xc:black \
       +append -resize 76x58\! \) -geometry +10+14 -composite \
    -fill '#5a5a5a' -draw 'rectangle 40,76 55,86 rectangle 28,86 67,90' \
    -type Palette -colors 64 BMP3:"$out/about_panel.bmp"

for size in 32 16; do
    convert -size "${size}x$size" xc:'#1d6b3a' -draw "$(chip "$size" $((size / 4)) $((size / 16)))" \
        -type Palette BMP3:"$out/icon$size.bmp"
done
convert "$out/icon32.bmp" "$out/icon16.bmp" "$out/program.ico"
rm -f "$out"/icon*.bmp
