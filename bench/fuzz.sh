#!/usr/bin/env bash
# Fuzzes the number parser and formatter (fuzz/fuzz_numtext.cpp) with libFuzzer for a given
# number of seconds and reports the executions. Usage: bench/fuzz.sh [seconds] (120 by default).
# Installs what is missing (the build's packages, GMP and MPFR among them, clang and
# libFuzzer's runtime) and builds the fuzz preset. The corpus grows in build/fuzz/corpus
# from run to run; an input that breaks a check is kept as build/fuzz/crash-* and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)"

mkdir -p build/fuzz/corpus
log=build/fuzz/last-run.log
set +e
build/fuzz/fuzz/fuzz_numtext -max_total_time="$seconds" -dict=fuzz/numtext.dict \
    -artifact_prefix=build/fuzz/ -print_final_stats=1 build/fuzz/corpus 2>&1 | tee "$log" |
    grep -E '^(INFO: Seed|#[0-9]+[[:space:]]+DONE|numtext fault|==[0-9]+==ERROR|SUMMARY)'
status=${PIPESTATUS[0]}
set -e
awk -v s="$seconds" '/stat::number_of_executed_units/ { n = $2 }
    END { if (n) printf "fuzz run: %d s, %d executions (%.0f per second)\n", s, n, n / s }' "$log"
echo "corpus: $(ls build/fuzz/corpus | wc -l) inputs; full log in $log"
exit "$status"
