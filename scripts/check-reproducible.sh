#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the last commit twice, from two clones in folders of different
# names and depths, one after the other, under different umasks, time zones and locales, and
# fails unless both packages are the same bytes. Each build is a release build without tests or
# benchmarks, dated by the commit (SOURCE_DATE_EPOCH), packed under umask 022 as Debian's
# package builder does. The second build is also packed under umask 077: its files and folders
# must be those of the first (only the modes of the three archive members in the .deb's own
# header follow the umask, and dpkg ignores them). On a difference it shows diffoscope's report
# where diffoscope is installed, else which archive members and files differ.
#   check-reproducible.sh [--keep]     (--keep leaves the clones and packages in /tmp)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
keep=${1-}

fail() {
    echo "check-reproducible: $*" >&2
    exit 1
}

commit=$(git -C "$root" rev-parse HEAD)
[[ -z $(git -C "$root" status --porcelain --untracked-files=no) ]] ||
    echo "check-reproducible: uncommitted changes are left out: building $commit" >&2
work=$(mktemp -d /tmp/quilora-reproducible.XXXXXX)
if [[ $keep == --keep ]]; then
    echo "check-reproducible: kept in $work"
else
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fi
chmod 755 "$work"

# build FOLDER UMASK TZ LOCALE: clones the commit into FOLDER and builds it there.
build() {
    local dir=$1
    mkdir -p "$(dirname "$dir")"
    git clone --quiet --no-checkout "$root" "$dir"
    (
        umask "$2"
        export TZ=$3 LC_ALL=$4
        cd "$dir"
        git checkout --quiet --detach "$commit"
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
        export SOURCE_DATE_EPOCH
        cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
              -DQUILORA_BUILD_TESTS=OFF -DQUILORA_BUILD_BENCH=OFF >/dev/null
        cmake --build build/release -j 2 >/dev/null
    )
}

# pack FOLDER UMASK OUT: packs the build in FOLDER into FOLDER/OUT and names the package.
pack() {
    local dir=$1
    (
        umask "$2"
        SOURCE_DATE_EPOCH=$(git -C "$dir" log -1 --format=%ct)
        export SOURCE_DATE_EPOCH
        cd "$dir/build/release"
        cpack -B "$dir/$3" >/dev/null
    )
    local packages=("$dir/$3"/quilora_*.deb)
    [[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "no package was made in $dir/$3"
    echo "${packages[0]}"
}

start=$SECONDS
build "$work/first" 022 UTC C.UTF-8
first=$(pack "$work/first" 022 package)
echo "check-reproducible: first package after $((SECONDS - start)) s"
build "$work/second/a/clone-in-another-folder" 077 Pacific/Chatham C
second=$(pack "$work/second/a/clone-in-another-folder" 022 package)
echo "check-reproducible: second package after $((SECONDS - start)) s"

# No folder of either build may be named in what was built.
for dir in "$work/first" "$work/second/a/clone-in-another-folder"; do
    binaries=$(find "$dir/build/release/bin" "$dir/build/release/lib" -type f \
                    \( -name quilora -o -name '*.so' \))
    for binary in $binaries; do
        ! grep -q -a -F "$dir" "$binary" || fail "$binary names its build folder $dir"
    done
done

if cmp -s "$first" "$second"; then
    echo "check-reproducible: both packages are the same bytes ($(sha256sum "$first" | cut -c1-16)…)"
    private=$(pack "$work/second/a/clone-in-another-folder" 077 package-umask-077)
    for member in control.tar.gz data.tar.gz; do
        cmp -s <(ar p "$first" "$member") <(ar p "$private" "$member") ||
            fail "packed under umask 077, $member differs: compare $first and $private (--keep)"
    done
    echo "check-reproducible: packed under umask 077, the same files and folders"
    exit 0
fi
echo "check-reproducible: the two packages differ" >&2
if command -v diffoscope >/dev/null; then
    diffoscope --text - "$first" "$second" >&2 || true
else
    # Which of the ar members differ, then which files of the data and control archives.
    for deb in "$first" "$second"; do
        mkdir -p "$deb.x" && (cd "$deb.x" && ar x "$deb" && mkdir data control &&
                              tar -xf data.tar.* -C data && tar -xf control.tar.* -C control)
    done
    for member in $(ar t "$first"); do
        cmp -s "$first.x/$member" "$second.x/$member" || echo "member $member differs" >&2
    done
    diff <(tar -tvf "$first".x/data.tar.*) <(tar -tvf "$second".x/data.tar.*) >&2 || true
    diff -r "$first.x/data" "$second.x/data" >&2 || true
    diff -r "$first.x/control" "$second.x/control" >&2 || true
fi
exit 1
