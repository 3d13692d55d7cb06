#!/usr/bin/env bash
# Installs what is missing, checks the formatting and that the committed content matches its
# generator, then builds and runs every test twice: a debug build and an AddressSanitizer +
# UndefinedBehaviorSanitizer build, after each fuzz target has run for 45 seconds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"

echo "== Formatting"
git -C "$root" ls-files -z -- '*.cpp' '*.h' | (cd "$root" && xargs -0 clang-format --dry-run --Werror)

echo "== Content"
bash "$root/scripts/check-content.sh"

# First, so that the test runs' own summaries close the output.
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
    ctest --test-dir "$root/build/$variant" --output-on-failure
done
