#!/usr/bin/env bash
# The calculator's idle cost with its banner scrolling: CPU time used over a quiet spell under
# Xvfb, as a share of one core, beside the floor: a bare Qt window moving a strip on the same
# 100 ms tick (built here with the compiler and Qt's pkg-config files). Usage:
# bench/idle_cpu.sh [seconds] [rounds] (30 s, 3 rounds by default); the release build must exist
# (scripts/run.sh makes it), or CIFROID_PROGRAM names another build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
rounds=${2:-3}
program=${CIFROID_PROGRAM:-build/release/src/cifroid}
[ -x "$program" ] || { echo "no $program: build the release preset first" >&2; exit 1; }
floor=build/idle-floor
if [ ! -x "$floor" ]; then
    mkdir -p build
    # shellcheck disable=SC2046
    g++ -std=c++17 -O2 -fPIC bench/idle_floor/idle_floor.cpp -o "$floor" \
        $(pkg-config --cflags --libs Qt6Widgets)
fi

if [ -z "${CIFROID_IN_XVFB:-}" ]; then
    CIFROID_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$seconds" "$rounds"
fi

# Time on a core of all the program's threads, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }
measure() {
    "$1" 2>/dev/null &
    local pid=$! before after
    sleep 3 # past the start-up
    before=$(cpu_ns "$pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v ns=$((after - before)) -v s="$seconds" -v who="$2" 'BEGIN {
        printf "%-11s %.2f%% of a core (%.0f ms over %d s)\n", who, 100 * ns / 1e9 / s, ns / 1e6, s
    }'
}
# Alternating, so that the machine's other work falls on both alike.
for _ in $(seq "$rounds"); do
    measure "$floor" "floor"
    measure "$program" "calculator"
done
