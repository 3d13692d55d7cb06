#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release with the probes and compares the game with its floor under a private Xvfb:
#   bash bench/run.sh [compare.py options]      (for example --rounds 11 --idle 5 for a quick look)
# or times the picture-set maker writing whole sets, against its earlier GIF writer:
#   bash bench/run.sh sets [--runs N] [--compare FILE.png]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
build=$root/build/bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILORA_BUILD_TESTS=OFF \
      >/dev/null
if [[ ${1-} == sets ]]; then
    shift
    cmake --build "$build" --target set_bench >/dev/null
    exec "$build/bin/set_bench" "$@"
fi
cmake --build "$build" --target game_probe floor_probe deal_bench >/dev/null

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -t 10 display <&"$display_fd"
DISPLAY=:$display python3 "$root/bench/compare.py" "$build/bin" "$@"
