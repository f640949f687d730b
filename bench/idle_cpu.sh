#!/usr/bin/env bash
# The calculator's idle cost with its banner scrolling: CPU time used over a quiet spell under
# Xvfb, as a share of one core. Usage: bench/idle_cpu.sh [seconds] (30 by default); the
# release build must exist (scripts/run.sh makes it), or CIFROID_PROGRAM names another build.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
program=${CIFROID_PROGRAM:-build/release/src/cifroid}
[ -x "$program" ] || { echo "no $program: build the release preset first" >&2; exit 1; }

if [ -z "${CIFROID_IN_XVFB:-}" ]; then
    CIFROID_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$seconds"
fi

# Time on a core of all the program's threads, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%d", sum }'; }
"$program" 2>/dev/null &
pid=$!
sleep 3 # past the start-up
before=$(cpu_ns "$pid")
sleep "$seconds"
after=$(cpu_ns "$pid")
kill "$pid"
awk -v ns=$((after - before)) -v s="$seconds" 'BEGIN {
    printf "idle CPU over %d s: %.2f%% of a core (%.0f ms)\n", s, 100 * ns / 1e9 / s, ns / 1e6
}'
