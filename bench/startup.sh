#!/usr/bin/env bash
# Start-up time and memory of the calculator beside the two Qt 6 floors (the bare window, and the
# window sized from its texts) and two peer calculators, in one run of the workplace's start-up
# benchmark (../shared/bench/startup.sh).
# Usage: bench/startup.sh [runs] [passes] (10 and 2 by default). Run as root the first time: the
# shared setup installs Xvfb, the peers and builds the bare window.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
passes=${2:-2}
shared=../shared/bench
floor=${BENCH_BUILD:-/tmp/cifroid-bench}/qt6-floor
textFloor=${BENCH_BUILD:-/tmp/cifroid-bench}/qt6-text-floor

[ -x "$floor" ] && [ -x "$textFloor" ] && command -v galculator >/dev/null || bash "$shared/setup.sh" --peers
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"

config=$(mktemp -d)/startup.conf
cat >"$config" <<CONF
cifroid    | $PWD/build/release/src/cifroid | ^cifroid\$
qt6-floor  | $floor | ^qt6-floor\$
qt6-text-floor | $textFloor | ^qt6-text-floor\$
galculator | galculator | ^galculator\$
mate-calc  | mate-calc  | ^mate-calc\$
CONF
bash "$shared/startup.sh" -n "$runs" -p "$passes" -q 30 "$config"
