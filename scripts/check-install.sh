#!/usr/bin/env bash
# Installs a build into a staging folder and checks what a desktop would see there:
# the menu entry and the software-centre data pass their validators, every icon size is
# present at its size, and the manual pages render without warnings.
# Usage: scripts/check-install.sh [build folder, default build/ci, configured and built]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages desktop-file-utils appstream man-db groff-base

readonly BUILD=${1:-build/ci}
readonly ID=example.cifroid.Cifroid
readonly ICON_SIZES=(16 22 24 32 48 64 128 256)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$BUILD" --prefix /usr >/dev/null
readonly ROOT=$stage/usr

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Width and height of a PNG, read from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

for file in bin/cifroid share/cifroid/HELP.htm share/applications/$ID.desktop \
    share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
    share/man/man1/cifroid.1.gz share/man/ru/man1/cifroid.1.gz; do
    [ -f "$ROOT/$file" ] || fail "not installed: $file"
done

echo "== desktop-file-validate"
# Hints are let through: the entry names one main category, Education, and the hint that
# "Calculator" could also go with "Utility" is a choice, not a fault.
if ! report=$(desktop-file-validate "$ROOT/share/applications/$ID.desktop" 2>&1) ||
    grep -Eq ': (error|warning):' <<<"$report"; then
    fail "desktop entry"
fi
echo "${report:-no messages}"

echo "== appstreamcli validate-tree --no-net"
# Checks the metainfo and that its launchable names an installed desktop entry.
if ! appstreamcli validate-tree --no-net "$stage"; then
    fail "metainfo"
fi

echo "== screenshots"
while read -r url; do
    shot=docs/screenshots/${url##*/}
    [ -f "$shot" ] || fail "the metainfo shows $url, but $shot is not in the repository"
done < <(grep -o 'https://cifroid.example/screenshots/[^<]*' "$ROOT/share/metainfo/$ID.metainfo.xml")

echo "== icon sizes"
for size in "${ICON_SIZES[@]}"; do
    png=$ROOT/share/icons/hicolor/${size}x${size}/apps/$ID.png
    if [ ! -f "$png" ]; then
        fail "icon ${size}x${size} missing"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
        fail "icon ${size}x${size} is $(png_size "$png")"
    fi
done
echo "${ICON_SIZES[*]}"

echo "== man -l"
for page in "$ROOT"/share/man/man1/cifroid.1.gz "$ROOT"/share/man/ru/man1/cifroid.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        fail "${page#"$stage"}: $warnings"
    else
        echo "${page#"$stage"}: no warnings"
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "Staged install: $failures check(s) failed" >&2
    exit 1
fi
echo "Staged install: every check passed"
