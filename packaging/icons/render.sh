#!/usr/bin/env bash
# Renders the program's icon at the sizes of the hicolor theme, from the one
# drawing. Run after changing vivira.svg, and commit the pictures it makes.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" vivira.svg --output "vivira-$size.png"
done
