#!/usr/bin/env bash
# Regenerates the PNG sizes of the hicolor theme and Icon3.ico from
# chronastre.svg (Debian packages librsvg2-bin and icoutils). Their output is
# committed, so that building needs neither tool.
set -euo pipefail
cd "$(dirname "$0")"
for taille in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${taille}x${taille}"
    rsvg-convert -w "$taille" -h "$taille" chronastre.svg -o "hicolor/${taille}x${taille}/chronastre.png"
done
icotool -c -o Icon3.ico hicolor/16x16/chronastre.png hicolor/32x32/chronastre.png \
    hicolor/48x48/chronastre.png -r hicolor/256x256/chronastre.png
