#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The inner loop: builds the debug build (configured from CMakePresets.json the first time) and
# runs its tests. No package installs, formatting, content, package or fuzzing checks: those are
# scripts/test.sh's.
#   quick.sh [--asan] [ctest arguments]     e.g. quick.sh -R 'rules|layers'
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=debug
if [[ ${1:-} == --asan ]]; then
    preset=asan
    shift
fi
cd "$root"
# A configured build reconfigures itself when a CMake file changes.
[[ -f build/$preset/build.ninja ]] || cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" "$@"
