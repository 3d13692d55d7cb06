#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of a release build and holds it to Debian's rules: lintian must
# report no error and no warning, and the machine-readable copyright, which lintian does not
# read in a binary package, must parse, give a text for every licence it names and describe
# files that exist. Needs lintian and python3-debian (scripts/setup.sh).
#   check-package.sh [build folder]     (default: build/release)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build/release}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILORA_BUILD_TESTS=OFF -DQUILORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
(cd "$build" && cpack -B "$work" >/dev/null)
package=$(echo "$work"/quilora_*.deb)

# lintian advises against root; it only reads the package. It runs in the package's folder: a
# clone under a private folder (mode 700, as /root is) is no place nobody may enter.
as_user=()
[[ $(id -u) -ne 0 ]] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
(cd "$work" && "${as_user[@]}" env HOME="$work" lintian --fail-on error,warning "$package")

cd "$root"
git ls-files -z | /usr/bin/python3 -c '
import fnmatch, re, sys
from debian.copyright import Copyright

tracked = sys.stdin.read().split("\0")
with open("dist/copyright", encoding="utf-8") as f:
    copyright = Copyright(f, strict=True)
texts = {p.license.synopsis for p in copyright.all_license_paragraphs()}
used, faults = set(), []
for paragraph in copyright.all_files_paragraphs():
    license = paragraph.license
    names = set(re.split(r"\s+(?:and|or)\s+|\s*,\s*", license.synopsis))
    used |= names
    if not license.text:
        faults += [f"no text for the licence {n}" for n in sorted(names - texts)]
    faults += [f"{p} matches no file" for p in paragraph.files
               if not fnmatch.filter(tracked, p)]
faults += [f"the licence {n} is given but used by no files" for n in sorted(texts - used)]
for fault in faults:
    print(f"dist/copyright: {fault}", file=sys.stderr)
sys.exit(1 if faults else 0)
'
echo "package: lintian reports no error or warning; dist/copyright is complete"
