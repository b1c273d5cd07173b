#!/bin/sh
# Regenerates the committed pictures from their SVG sources (rsvg-convert, package librsvg2-bin).
set -eu
cd "$(dirname "$0")"
rsvg-convert --width 203 --height 193 --output urn200.png urn200.svg
rsvg-convert --width 64 --height 64 --output icon_64.png icon_64.svg
