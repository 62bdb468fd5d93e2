#!/usr/bin/env bash
# Draws the program's icon at the sizes a desktop menu asks for, from assets/icones/orbel_swl.svg
# (and orbel_swl_petit.svg for the smallest).
# The PNGs are committed; run this again after changing the SVG (needs rsvg-convert, from
# Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../.."
# 16 and 24 px come from a drawing of their own, made for so few pixels.
for taille in 16 24; do
  rsvg-convert -w "$taille" -h "$taille" assets/icones/orbel_swl_petit.svg \
    -o "assets/icones/orbel_swl_${taille}.png"
done
for taille in 32 48 64 128 256; do
  rsvg-convert -w "$taille" -h "$taille" assets/icones/orbel_swl.svg \
    -o "assets/icones/orbel_swl_${taille}.png"
done
