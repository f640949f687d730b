#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG drawing. Run after changing the drawing and
# commit the PNGs with it, so that a build never needs the renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages librsvg2-bin

readonly ID=example.cifroid.Cifroid
readonly ICONS=packaging/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$ICONS/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$ICONS/scalable/apps/$ID.svg" \
        -o "$ICONS/${size}x${size}/apps/$ID.png"
done
echo "Rendered $ICONS/*/apps/$ID.png"
