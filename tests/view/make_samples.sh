#!/bin/sh
# Generates the viewer's test images into $1, with ImageMagick, and their
# reference decodes by tools independent of the viewer: ImageMagick for BMP
# and GIF, libjpeg's djpeg for JPEG. A reference is raw 8-bit RGB (*.rgb).
set -eu
out=$1
mkdir -p "$out"
cd "$out"

rgb() { convert "$1" -depth 8 "rgb:$2"; }

# A colourful 101 x 77 picture: odd width, so every row needs padding.
convert -seed 7 -size 101x77 plasma:fractal -depth 8 PPM:base.ppm

convert base.ppm BMP3:bmp24.bmp
convert base.ppm -colors 200 -type Palette -compress None BMP3:bmp8.bmp
convert base.ppm -colors 200 -type Palette -compress RLE BMP3:bmp8rle.bmp
convert base.ppm -colors 16 -type Palette -compress None BMP3:bmp4.bmp
# A version 5 header with a short colour table, as ImageMagick writes by
# default: the rows start where the file header says.
convert base.ppm -colors 50 -type Palette -compress None BMP:bmp8v5.bmp
for f in bmp24 bmp8 bmp8rle bmp4 bmp8v5; do rgb $f.bmp $f.rgb; done

convert base.ppm -colors 256 GIF87:gif8.gif
rgb gif8.gif gif8.rgb
convert base.ppm -colors 256 GIF:gif89.gif

convert base.ppm -quality 90 colour.jpg
djpeg -ppm colour.jpg >colour.ppm && rgb colour.ppm colour.rgb
djpeg -colors 256 -bmp colour.jpg >colour256.bmp && rgb colour256.bmp colour256.rgb
djpeg -colors 16 -bmp colour.jpg >colour16.bmp && rgb colour16.bmp colour16.rgb
convert base.ppm -colorspace Gray grey.jpg
djpeg -grayscale -ppm grey.jpg >grey.ppm && rgb grey.ppm grey.rgb

# Sizes for the viewer's layout rules.
convert -size 100x80 gradient:navy-orange BMP3:centred.bmp
convert -size 640x480 gradient:white-black -type Palette -compress None BMP3:large.bmp
convert -size 1024x8 gradient:white-black BMP3:wide.bmp
# Panning: the virtual display is 100 pixels wider and 10 lines taller.
convert -seed 5 -size 420x250 plasma:fractal -colors 256 GIF87:pan.gif
touch .stamp
