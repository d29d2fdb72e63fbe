#!/usr/bin/env bash
# Renders the interface pictures from their drawings (resources/pic/drawings/*.svg)
# to the GIF files that the program compiles in. Needs rsvg-convert and
# ImageMagick's convert; run it after changing a drawing.
set -euo pipefail
pic=$(cd "$(dirname "$0")/../resources/pic" && pwd)
for svg in "$pic"/drawings/*.svg; do
  name=$(basename "$svg" .svg)
  rsvg-convert --zoom=1 "$svg" -o "/tmp/$name.png"
  convert "/tmp/$name.png" -background none "$pic/$name.gif"
  rm -f "/tmp/$name.png"
done
