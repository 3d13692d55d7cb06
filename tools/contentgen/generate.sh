#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the content generator in a temporary folder and regenerates data/, src/ui/icons/ and
# dist/icons/.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$root/tools/contentgen" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
QT_QPA_PLATFORM=offscreen "$build/contentgen" "$root"
echo "content regenerated under $root/data, $root/src/ui/icons and $root/dist/icons"
