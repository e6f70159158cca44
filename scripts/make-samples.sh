#!/bin/bash
# Draws the sample pictures of the show and the screenshots (never downloaded):
# plasma.bmp, sun.bmp, title.bmp and checks.bmp in the folder given.
# Usage: scripts/make-samples.sh FOLDER
set -euo pipefail
folder=$1
mkdir -p "$folder"
convert -seed 7 -size 360x240 plasma:orange-purple "BMP3:$folder/plasma.bmp"
convert -size 260x260 radial-gradient:gold-darkgreen "BMP3:$folder/sun.bmp"
convert -size 420x160 gradient:navy-deepskyblue -font /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc \
    -fill white -pointsize 56 -gravity center -annotate 0 'Glimmerbox' "BMP3:$folder/title.bmp"
convert -size 240x180 pattern:checkerboard -fill crimson -tint 60 "BMP3:$folder/checks.bmp"
