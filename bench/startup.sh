#!/usr/bin/env bash
# Start-up time and memory of the calculator beside the bare Qt 6 window and two peer
# calculators, in one run of the workplace's start-up benchmark (../shared/bench/startup.sh).
# Usage: bench/startup.sh [runs] [passes] (10 and 2 by default). Run as root the first time: the
# shared setup installs Xvfb, the peers and builds the bare window.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
passes=${2:-2}
shared=../shared/bench
floor=${BENCH_BUILD:-/tmp/cifroid-bench}/qt6-floor

[ -x "$floor" ] && command -v galculator >/dev/null || bash "$shared/setup.sh" --peers
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"

config=$(mktemp -d)/startup.conf
cat >"$config" <<CONF
cifroid    | $PWD/build/release/src/cifroid | ^cifroid\$
qt6-floor  | $floor | ^qt6-floor\$
galculator | galculator | ^galculator\$
mate-calc  | mate-calc  | ^mate-calc\$
CONF
bash "$shared/startup.sh" -n "$runs" -p "$passes" -q 30 "$config"
