#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats every tracked .cpp and .h file with the repository's .clang-format.
#   format.sh           rewrites the files in place
#   format.sh --check   changes nothing; fails and names each file that is not formatted
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=(-i)
[[ ${1:-} == --check ]] && mode=(--dry-run --Werror)
git -C "$root" ls-files -z -- '*.cpp' '*.h' | (cd "$root" && xargs -0 clang-format "${mode[@]}")
