#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when regenerating the shipped content would change a byte of data/, src/ui/icons/ or
# dist/icons/: builds the generator in a temporary folder, runs it into an empty tree and
# compares. Needs the generator's packages (scripts/setup.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$root/tools/contentgen" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" >/dev/null
mkdir -p "$work/tree/tools/contentgen"
cp -r "$root/tools/contentgen/text" "$work/tree/tools/contentgen/"
QT_QPA_PLATFORM=offscreen "$work/build/contentgen" "$work/tree" 2> >(grep -v XDG_RUNTIME_DIR >&2)

# CREDITS and the CMake file are kept by hand; everything else there comes from the generator,
# so a file only on one side fails the check as well.
status=0
for dir in data src/ui/icons dist/icons; do
    diff -r -q -x CREDITS -x CMakeLists.txt "$root/$dir" "$work/tree/$dir" || status=1
done
if ((status)); then
    echo "The committed content differs from what tools/contentgen makes: run" \
         "'bash tools/contentgen/generate.sh' and commit the result." >&2
    exit 1
fi
echo "content matches the generator"
