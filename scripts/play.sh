#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILORA_BUILD_TESTS=OFF -DQUILORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build/release"
exec "$root/build/release/bin/quilora"
