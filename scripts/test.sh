#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset ci >/dev/null
cmake --build --preset ci --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset ci --no-tests=error
