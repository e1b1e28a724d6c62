#!/bin/sh
# Renders the PNG icons from the SVGs. The PNGs are committed so that a build
# needs no converter; run this again after changing an SVG.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -e
cd "$(dirname "$0")"
# At 16 px the five rays of the full icon blur into one; a simpler drawing reads better.
rsvg-convert --width 16 --height 16 --format png --output velmar-cad-16.png velmar-cad-small.svg
for size in 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "velmar-cad-$size.png" velmar-cad.svg
done
