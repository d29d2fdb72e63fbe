#!/bin/sh
# Re-render every picture source resources/images/src/tevral_<n>.svg to
# resources/images/tevral_<n>.jpg (JPEG quality 85, white background).
# Needs rsvg-convert (librsvg2-bin), ImageMagick and fonts-wqy-zenhei.
set -eu
cd "$(dirname "$0")/../resources/images"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for src in src/tevral_*.svg; do
    name=$(basename "$src" .svg)
    rsvg-convert -b white -o "$tmp/$name.png" "$src"
    convert "$tmp/$name.png" -strip -quality 85 -sampling-factor 4:2:0 "$name.jpg"
done
echo "rendered $(ls src/tevral_*.svg | wc -l) pictures"
