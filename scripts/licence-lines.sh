#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every tracked source file (C++, CMake, shell, Python) its licence line.
#   licence-lines.sh           adds the line where it is missing (after a #! line)
#   licence-lines.sh --check   changes nothing; fails and names each file without it
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
id="SPDX-License-Identifier: GPL-3.0-or-later"
check=0
[[ ${1:-} == --check ]] && check=1
missing=0
while IFS= read -r -d '' file; do
    path="$root/$file"
    head -n 3 "$path" | grep -q "$id" && continue
    if ((check)); then
        echo "$file: no '$id' line" >&2
        missing=1
        continue
    fi
    case $file in
    *.cpp | *.h) line="// $id" ;;
    *) line="# $id" ;;
    esac
    if head -n 1 "$path" | grep -q '^#!'; then
        sed -i "1a $line" "$path"
    else
        sed -i "1i $line" "$path"
    fi
done < <(git -C "$root" ls-files -z -- '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' \
    '*CMakeLists.txt' scripts/pre-commit .ci/run ':!:tools/mutants')
exit $missing
