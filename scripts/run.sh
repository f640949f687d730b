#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the calculator.
# Any arguments are handed on to the program: they become its start-up display text.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
exec build/release/src/cifroid "$@"
