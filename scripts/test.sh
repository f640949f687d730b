#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test headless; then
# builds the same suite under AddressSanitizer and UndefinedBehaviorSanitizer and runs it again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset ci >/dev/null
cmake --build --preset ci --parallel "$(nproc)"
# The staged install: menu entry, AppStream data, icons and manual pages as a desktop sees them.
scripts/check-install.sh build/ci
QT_QPA_PLATFORM=offscreen ctest --preset ci --no-tests=error

# The first memory error, undefined behaviour or leak of our own ends the run.
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
ctest --preset asan --no-tests=error
