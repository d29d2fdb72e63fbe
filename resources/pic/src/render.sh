#!/usr/bin/env bash
# Renders the interface pictures from their SVG sources (needs librsvg2-bin
# and imagemagick). The build uses the rendered files, which are committed.
set -euo pipefail
cd "$(dirname "$0")"
rsvg-convert -w 787 -h 582 back.svg -o ../back.png
convert ../back.png -background white -flatten -type TrueColor ../back.png
