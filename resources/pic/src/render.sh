#!/usr/bin/env bash
# Renders the interface pictures from their SVG sources (needs librsvg2-bin
# and imagemagick). The build uses the rendered files, which are committed.
set -euo pipefail
cd "$(dirname "$0")"
rsvg-convert -w 787 -h 582 back.svg -o ../back.png
convert ../back.png -background white -flatten -type TrueColor ../back.png
# The frame's logo, navigation-button and status-bar pictures and the
# question windows' right and wrong marks, at their size on the screen, with
# transparent backgrounds.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for name in cat logo info user time dept resize ok error; do
  rsvg-convert "$name.svg" -o "$tmp/$name.png"
  convert "$tmp/$name.png" -background none "../$name.gif"
done
# The examinee photo placeholder of the examination window.
rsvg-convert nopic.svg -o "$tmp/nopic.png"
convert "$tmp/nopic.png" -background white -flatten -quality 90 ../nopic.jpg
# The prompt after more than ten wrong answers, at its size on the screen.
rsvg-convert error_enter.svg -o "$tmp/error_enter.png"
convert "$tmp/error_enter.png" -background white -flatten -strip -quality 90 ../error_enter.jpg
