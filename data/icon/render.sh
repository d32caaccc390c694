#!/usr/bin/env bash
# Renders the game's icon, hulgor.svg, into the PNG sizes the desktop's
# icon theme uses (hulgor-16.png ... hulgor-256.png) and packs the Windows
# sizes into hulgor.ico, and the browser page's two home-screen sizes. The results are kept beside the SVG, so that no
# build needs rsvg-convert or icotool; run this again after changing the SVG
# and commit what it wrote.
#   bash data/icon/render.sh
set -euo pipefail
cd "$(dirname "$0")"
bash ../../tools/setup.sh --only librsvg2-bin icoutils
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" hulgor.svg --output "hulgor-$size.png"
done
# The browser page's home-screen icons (its manifest names them).
for size in 192 512; do
  rsvg-convert --width "$size" --height "$size" hulgor.svg --output "../../src/console/web/icon-$size.png"
done
# Windows draws 16 to 48 from bitmaps and takes 256 as PNG (--raw).
icotool --create --output hulgor.ico hulgor-16.png hulgor-24.png hulgor-32.png hulgor-48.png hulgor-64.png \
  --raw=hulgor-256.png
ls -l hulgor-*.png hulgor.ico
