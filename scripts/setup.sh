#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing the game needs on Debian 12. Quiet and quick
# when everything is already there.
set -euo pipefail

# libgif-dev and fonts-noto-color-emoji, with Qt and DejaVu, are for the content generator that
# scripts/check-content.sh runs; xvfb, xdotool, imagemagick, appstream and desktop-file-utils for
# scripts/check-install.sh; dpkg-dev and file for the Debian package that cpack makes, lintian
# and python3-debian for its check, scripts/check-package.sh; dbus-daemon, at-spi2-core and
# python3-pyatspi for scripts/check-accessibility.sh; clang, its libFuzzer runtime and llvm (for
# readable stack traces) for scripts/fuzz.sh. libgd-dev quantises and writes the GIFs of the
# player's own sets; libheif-dev reads HEIF and AVIF photos for them (and encodes the tests'
# photos); libmagick++-dev builds the ImageMagick writer they had before, the baseline
# of bench/set_bench; qt6-image-formats-plugins reads WebP (and TIFF) photos. qt6-tools-dev and
# qt6-l10n-tools compile the Russian texts (Qt's translation file) into the game. python3 runs
# the layer check, scripts/check-layers.py, a CTest test.
packages=(cmake g++ ninja-build python3 qt6-base-dev qt6-multimedia-dev fonts-dejavu-core
          clang-format libgif-dev fonts-noto-color-emoji
          xvfb xdotool imagemagick appstream desktop-file-utils dpkg-dev file lintian python3-debian
          dbus-daemon at-spi2-core python3-pyatspi
          clang libclang-rt-14-dev llvm
          libgd-dev libheif-dev libmagick++-dev qt6-image-formats-plugins qt6-tools-dev qt6-l10n-tools)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
