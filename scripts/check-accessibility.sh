#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game under Xvfb with the desktop's accessibility bus and reads it as a screen reader
# does (tests/accessibility/check_tree.py): every card named, turned through the bus, found, in
# English and in Russian; then playing together (`quilora --together`): the start window's rows,
# a computer's memory box and Play, the match's cards, players and spoken line. Needs Xvfb, D-Bus, at-spi2-core and python3-pyatspi (scripts/setup.sh).
#   check-accessibility.sh <folder holding the built quilora and its data>
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=${1:?usage: check-accessibility.sh <bin folder>}

if [[ ${2-} != --inside ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -r "$bin" "$work/game" # the game may write its files beside itself
    rm -f "$work/game/record.txt" "$work/game/Quilora.ini"
    exec timeout --kill-after=5 300 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$work/game" --inside
fi

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 30 display <&"$display_fd" || { echo "check-accessibility: no Xvfb" >&2; exit 1; }
export DISPLAY=:$display
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# The tests run offscreen, which has no accessibility bridge: the screen reader needs the X11 one.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$bin/quilora" >"$bin/game.log" 2>&1 &
pids+=($!)
if ! /usr/bin/python3 "$root/tests/accessibility/check_tree.py"; then
    cat "$bin/game.log" >&2
    exit 1
fi
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
# Playing together, its choices laid out beforehand: a person and a computer that forgets nothing.
export XDG_CONFIG_HOME=$bin/config
mkdir -p "$XDG_CONFIG_HOME/Quilora"
printf '%s\n' players=2 name1=Anna kind1=person name2=Robot kind2=computer memory2=perfect \
    >"$XDG_CONFIG_HOME/Quilora/together.conf"
"$bin/quilora" --together >"$bin/together.log" 2>&1 &
pids+=($!)
if ! /usr/bin/python3 "$root/tests/accessibility/check_tree.py" together; then
    cat "$bin/together.log" >&2
    exit 1
fi
