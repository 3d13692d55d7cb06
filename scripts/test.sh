#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting and that the committed content matches its
# generator, installs a release build and plays a game with it, checks its Debian package with
# lintian, runs each fuzz target for 45 seconds, then builds and runs every test twice: a debug
# build and an AddressSanitizer + UndefinedBehaviorSanitizer build; last, reads the game as a
# screen reader does.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"

echo "== Formatting"
bash "$root/scripts/format.sh" --check
bash "$root/scripts/licence-lines.sh" --check

echo "== Content"
bash "$root/scripts/check-content.sh"

# Not a CTest test: it checks what ships, the installed release build, once rather than in each
# test build, and it drops root to play as an ordinary user.
echo "== Installed game"
bash "$root/scripts/check-install.sh"

echo "== Debian package"
bash "$root/scripts/check-package.sh"

echo "== Fuzzing"
bash "$root/scripts/fuzz.sh" 45

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for variant in debug asan; do
    echo "== Tests: $variant build"
    sanitize=OFF
    [[ $variant == asan ]] && sanitize=ON
    cmake -S "$root" -B "$root/build/$variant" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
          -DQUILORA_SANITIZE=$sanitize >/dev/null
    cmake --build "$root/build/$variant"
    ctest --test-dir "$root/build/$variant" --output-on-failure -j2
done

echo "== Screen reader's view"
bash "$root/scripts/check-accessibility.sh" "$root/build/debug/bin"
