#!/usr/bin/env bash
# Renders every window of the suite in a representative state into docs/screenshots/: the
# calculator, the equation chooser beside a solved equation, a solved triangle, two drawn
# vectors, a reduced fraction and the About window. They are taken on a virtual screen under a
# light window manager, so each picture shows the frame and caption a user sees. The same
# windows are also rendered for review, not published, with a larger desktop font (144 dpi, no
# scaling) into BUILD_DIR/screenshots/large-font and at 200 % into BUILD_DIR/screenshots/200.
# BUILD_DIR names another build folder than build/ci.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth openbox
build=${BUILD_DIR:-build/ci}
cmake --preset ci -B "$build" >/dev/null
cmake --build "$build" --target cifroid_screenshots --parallel "$(nproc)"

# render SCREEN OUT [VARIABLE=VALUE...]: every window on a virtual screen of that size.
render() {
    local screen=$1 out=$2
    shift 2
    mkdir -p "$out"
    env QT_QPA_PLATFORM=xcb "$@" xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
        openbox --sm-disable >/dev/null 2>&1 &
        wm=$!
        sleep 1
        status=0
        "$1"/tools/screenshots/cifroid_screenshots "$2" || status=$?
        kill "$wm" 2>/dev/null || true
        exit "$status"' screenshots "$build" "$out"
    ls -l "$out"
}

render 1280x1024 docs/screenshots
render 1280x1024 "$build/screenshots/large-font" QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144
render 2560x2048 "$build/screenshots/200" QT_SCALE_FACTOR=2
