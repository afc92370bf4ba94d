#!/usr/bin/env bash
# Takes docs/reforme.png: the window with the region GRANDE_BRETAGNE on
# 1 September 1752 (Julian there, Tuesday 12 September Gregorian), under
# LANG=fr_FR.UTF-8, in Xvfb. Run by hand, never by test.sh:
#   xvfb-run -a -s "-screen 0 800x600x24" scripts/capture_reforme.sh
# Needs faketime (the clock the window opens on), xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
configuration=$(mktemp -d)
trap 'rm -rf "$configuration"' EXIT
mkdir -p "$configuration/Orvendel"
printf '[General]\nregion=GRANDE_BRETAGNE\ntypeCalendrier=2\naffichageLitteral=true\n' \
    >"$configuration/Orvendel/Chronastre.conf"
XDG_CONFIG_HOME=$configuration LANG=fr_FR.UTF-8 faketime '1752-09-01 10:30:00' build/chronastre &
programme=$!
until fenetre=$(xdotool search --onlyvisible --name '^Chronastre' | head -n 1) && [ -n "$fenetre" ]; do
    sleep 0.2
done
xdotool windowmove "$fenetre" 0 0
sleep 1
import -window root -crop 540x270+0+0 docs/reforme.png
kill "$programme"
