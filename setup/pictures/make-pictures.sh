#!/usr/bin/env bash
# Draws the launcher's decorative pictures (committed beside this script). Needs
# ImageMagick 6 (`convert`). Run it from anywhere: ./setup/pictures/make-pictures.sh
set -euo pipefail
cd "$(dirname "$0")"

# Two small charts for the title: a hythergraph loop and a climograph.
convert -size 40x40 xc:white -fill none -stroke '#808080' -draw 'rectangle 1,1 38,38' \
  -stroke '#0060C0' -strokewidth 2 \
  -draw 'polyline 8,30 10,26 14,21 19,16 25,11 31,9 33,12 30,17 24,22 17,26 12,29 8,30' \
  -stroke none -fill '#FF0000' -draw 'circle 25,11 27,11' -fill '#00A000' -draw 'circle 12,29 14,29' \
  hythergraph.gif
convert -size 40x40 xc:white -fill none -stroke '#808080' -draw 'rectangle 1,1 38,38' -stroke none \
  -fill '#4080FF' -draw 'rectangle 5,28 8,36' -draw 'rectangle 11,24 14,36' -draw 'rectangle 17,16 20,36' \
  -draw 'rectangle 23,12 26,36' -draw 'rectangle 29,20 32,36' \
  -fill none -stroke '#E00000' -strokewidth 2 -draw 'polyline 6,24 12,18 18,11 24,8 30,13 34,20' \
  climograph.gif

# Weather signs for the row above the buttons, on a transparent ground.
convert -size 24x24 xc:none -stroke '#FF9900' -strokewidth 2 \
  -draw 'line 12,1 12,5' -draw 'line 12,19 12,23' -draw 'line 1,12 5,12' -draw 'line 19,12 23,12' \
  -draw 'line 4,4 7,7' -draw 'line 17,17 20,20' -draw 'line 4,20 7,17' -draw 'line 17,7 20,4' \
  -stroke none -fill '#FFCC00' -draw 'circle 12,12 17,12' sun.gif
convert -size 24x24 xc:none -fill '#A0A8B8' -draw 'circle 8,14 8,19' -draw 'circle 15,11 15,18' \
  -draw 'circle 18,15 18,19' -draw 'rectangle 8,15 18,19' cloud.gif
convert -size 24x24 xc:none -fill '#3070E0' -draw 'circle 12,15 12,21' -draw 'polygon 12,2 7,13 17,13' rain.gif
convert -size 24x24 xc:none -stroke '#40A0E0' -strokewidth 2 \
  -draw 'line 12,2 12,22' -draw 'line 3,7 21,17' -draw 'line 3,17 21,7' snow.gif
convert -size 24x24 xc:none -fill none -stroke '#606060' -strokewidth 1 -draw 'roundrectangle 9,1 15,17 3,3' \
  -stroke none -fill '#E00000' -draw 'circle 12,18 12,23' -draw 'rectangle 11,8 13,18' thermometer.gif

# The buttons' pictures, 16 by 16 on a transparent ground: an arrow into a tray (install),
# an open book (the guide) and a cross (close).
convert -size 16x16 xc:none -fill '#00A000' -stroke none -draw 'rectangle 6,1 9,7' -draw 'polygon 2,7 13,7 8,12' \
  -fill none -stroke '#404040' -strokewidth 1 -draw 'polyline 1,10 1,14 14,14 14,10' install.gif
convert -size 16x16 xc:none -fill '#FFFFFF' -stroke '#2060C0' -strokewidth 1 \
  -draw 'polygon 1,3 7,4 7,14 1,13' -draw 'polygon 14,3 8,4 8,14 14,13' \
  -stroke '#90A8D0' -draw 'line 2,6 6,7' -draw 'line 2,9 6,10' -draw 'line 9,7 13,6' -draw 'line 9,10 13,9' guide.gif
convert -size 16x16 xc:none -stroke '#D00000' -strokewidth 3 -draw 'line 3,3 12,12' -draw 'line 12,3 3,12' close.gif
