#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a release build into a temporary prefix and plays one whole game with the installed
# program, started as its menu entry starts it, as an unprivileged user under Xvfb: it must find
# its pictures in share/games/quilora (share/quilora beside bin/ without QUILORA_GAMES_LAYOUT),
# keep its records in the user's data folder and write nothing into the prefix. Also validates
# the menu entry and the AppStream data. Needs Xvfb, xdotool and ImageMagick (scripts/setup.sh).
#   check-install.sh [build folder]     (default: build/release)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() {
    echo "check-install: $*" >&2
    exit 1
}

if [[ ${1-} != --play ]]; then
    build=${1:-$root/build/release}
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DQUILORA_BUILD_TESTS=OFF -DQUILORA_BUILD_BENCH=OFF >/dev/null
    cmake --build "$build"
    work=$(mktemp -d)
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
    chmod 755 "$work"
    cmake --install "$build" --prefix "$work/prefix" >/dev/null
    id=$(cmake -L -N "$build" | sed -n 's/^QUILORA_APP_ID:STRING=//p')
    games=$(cmake -L -N "$build" | sed -n 's/^QUILORA_GAMES_LAYOUT:BOOL=//p')
    program_dir=bin
    [[ $games == ON ]] && program_dir=games
    desktop="$work/prefix/share/applications/$id.desktop"
    desktop-file-validate "$desktop"
    desktop-file-validate "$work/prefix/share/applications/$id.mypictures.desktop"
    desktop-file-validate "$work/prefix/share/applications/$id.together.desktop"
    # The menu runs the command of Exec and shows the entry only when TryExec is found in PATH.
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    try_exec=$(sed -n 's/^TryExec=//p' "$desktop")
    found=$(PATH="$work/prefix/$program_dir" command -v "$try_exec" || true)
    [[ $found == "$work/prefix/$program_dir/quilora" ]] ||
        fail "the menu entry's TryExec=$try_exec is not the installed $program_dir/quilora"
    # libgd and libheif are for the maker alone, in a module loaded when it writes a set or opens
    # a HEIF or AVIF photo.
    linked=$(ldd "$work/prefix/$program_dir/quilora")
    for library in libgd libheif; do
        [[ $linked != *$library.so* ]] ||
            fail "the game links $library, which costs every game memory at start"
    done
    appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
        fail "appstreamcli rejects $id.metainfo.xml"
    # Every wait below has its own limit, generous for a busy machine; this one also covers a hung
    # X call.
    timeout --kill-after=5 300 bash "${BASH_SOURCE[0]}" --play "$work" "$program_dir" "$exec_line" ||
        fail "the installed game did not pass (exit status $?)"
    exit 0
fi

# --- The game, played as a person would -------------------------------------------------------
work=$2
prefix=$work/prefix
program_dir=$prefix/$3
read -r -a command <<<"$4"
home=$work/home
name="Install Check"
game_pid=
xvfb_pid=
cleanup() {
    [[ -z $game_pid ]] || kill "$game_pid" 2>/dev/null || true
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 124' TERM INT

# wait_for SECONDS WHAT COMMAND...: retries COMMAND until it succeeds.
wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || fail "no $what after $limit s"
        sleep 0.05
    done
}

# CI runs as root, who may write anywhere: the game runs as nobody then. An unprivileged caller
# runs it as itself and takes the write bits off the prefix instead.
mkdir -p "$home/run"
chmod -R a-w "$prefix"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody: "$home"
    as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
fi
chmod 700 "$home/run"
listing() { find "$prefix" -printf '%p %s %m %T@\n' | sort; }
before=$(listing)

# A display of our own: -displayfd picks a free number, so a running X server is never reused.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 30 "display from Xvfb" test -s "$work/display"
DISPLAY=:$(<"$work/display")
export DISPLAY

"${as_user[@]}" env -i PATH="$program_dir:/usr/bin:/bin" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" "${command[@]}" \
    >"$work/game.log" 2>&1 &
game_pid=$!
trap 'cleanup; echo "--- game output:"; cat "$work/game.log"' EXIT

WIDTH=0 HEIGHT=0 X=0 Y=0
find_window() { window=$(xdotool search --name '^Quilora [0-9]' 2>/dev/null | head -n 1); }
wait_for 30 "game window" find_window
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ((WIDTH == 641 && HEIGHT == 425))
}
wait_for 30 "window of 641x425 (last seen ${WIDTH:-?}x${HEIGHT:-?})" geometry
# Without a window manager the window stays where the program put it, the top left corner.
((X == 0 && Y == 0)) || fail "window at $X,$Y instead of the top left corner"

# pixels W H X Y: a digest of that part of the window.
pixels() { import -window root -crop "$1x$2+$(($3 + X))+$(($4 + Y))" +repage rgb:- | md5sum; }
card_x() { echo $((16 + 104 * ($1 % 6))); }
card_y() { echo $((40 + 94 * ($1 / 6))); }
card_hash() { pixels 90 80 "$(card_x "$1")" "$(card_y "$1")"; }
click_card() { xdotool mousemove --sync $(($(card_x "$1") + 45 + X)) $(($(card_y "$1") + 40 + Y)) click 1; }
# The victory panel's left edge lies in the gap between the second and third card columns.
panel_edge() { pixels 6 150 216 150; }

# Drawn once the margin and a card differ (an unpainted window is all black) and all backs agree.
painted() {
    [[ $(pixels 1 1 10 100) != $(pixels 1 1 20 100) ]] && face_down=$(card_hash 0) &&
        [[ $(card_hash 23) == "$face_down" ]]
}
wait_for 30 "board of face-down cards" painted
board_gap=$(panel_edge)
# Face up when it differs from the back and two looks agree, so a half-drawn card never counts.
face_up() {
    local first
    first=$(card_hash "$1")
    [[ $first != "$face_down" ]] && shown=$(card_hash "$1") && [[ $shown == "$first" ]]
}

declare -A cards_of
for n in $(seq 0 23); do
    click_card "$n"
    wait_for 30 "picture on card $n (are the pictures in share found?)" face_up "$n"
    cards_of[$shown]+="$n "
done
((${#cards_of[@]} == 12)) || fail "${#cards_of[@]} different pictures on the board, not 12"
for cards in "${cards_of[@]}"; do
    read -r -a pair <<<"$cards"
    ((${#pair[@]} == 2)) || fail "a picture is dealt to the cards ${pair[*]}, not to two"
    # A pair already found, or found by its first click, takes the other click without harm.
    click_card "${pair[0]}"
    click_card "${pair[1]}"
done

panel_shown() { [[ $(panel_edge) != "$board_gap" ]]; }
wait_for 30 "victory panel after the twelfth pair" panel_shown
xdotool windowfocus --sync "$window"
xdotool type --delay 10 "$name"
xdotool key Return

records=$home/data/Quilora/record.txt
stored() { [[ -f $records ]] && grep -q "~$name~" "$records"; }
wait_for 30 "record named '$name' in $records" stored
mapfile -t lines < <(tr -d '\r' <"$records")
((${#lines[@]} == 2)) || fail "$records holds ${#lines[@]} lines, not 2: ${lines[*]}"
printf '%s\n' "${lines[@]}" | grep -q '^999~Unknown~' || fail "no default record in $records"
printf '%s\n' "${lines[@]}" | grep -Eq "^[0-9]+([.,][0-9])?~$name~" ||
    fail "no time before the name in $records"
[[ $(listing) == "$before" ]] || fail "the game changed files in the installed prefix"
trap cleanup EXIT
echo "installed game: pictures found, a game won and '$name' stored in the user's data folder"
