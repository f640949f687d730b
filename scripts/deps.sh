#!/usr/bin/env bash
# Installs the Debian packages the build needs when any of them is missing.
# Sourced by run.sh and test.sh; the arguments are the packages to make sure of.
set -euo pipefail

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# What every build needs: the compiler, CMake, Qt 6 with its platform plugins, its Russian
# texts and a font, and the exact-number libraries (GMP, MPFR) found through pkg-config.
BUILD_PACKAGES=(g++ make cmake pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
                fonts-dejavu-core libgmp-dev libmpfr-dev)
# The tests also build a Russian locale of their own from the locale sources.
TEST_PACKAGES=(locales)
