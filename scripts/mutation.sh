#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation testing, a library at a time, with the tests that exercise it:
#   bash scripts/mutation.sh [library ...]     (default: all of them)
# OPS=default uses the tool's default mix instead of the behaviour operators; MAX and SEED set
# the sample (40, 11); MUTANTS names the tool if ../shared/tools/mutants is not beside the
# repository. It makes a debug build without sanitizers in build/mut.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${MUTANTS:-"$root/../shared/tools/mutants/mutants.py"}
cd "$root"
declare -A files=(
    [core]="src/core/files.cpp src/core/paths.cpp src/core/pictures.cpp src/core/text_file.cpp"
    [platform]="src/platform/qt_platform.cpp"
    [language]="src/language/captions.cpp src/language/catalogue.cpp src/language/links.cpp src/language/accessible_names.cpp"
    [game]="src/game/form1.cpp src/game/board.cpp"
    [settings]="src/settings/form2.cpp src/settings/settings_file.cpp"
    [records]="src/records/record_book.cpp src/records/records_file.cpp src/records/records_list.cpp"
    [app]="src/app/program_models.cpp"
    [ui]="$(ls src/ui/game/*.cpp src/ui/widgets/*.cpp | tr '\n' ' ')"
    [mypictures]="$(ls src/mypictures/*.cpp src/ui/maker/*.cpp | tr '\n' ' ')"
    [together]="$(ls src/together/*.cpp src/ui/together/*.cpp | tr '\n' ' ')"
)
declare -A tests=(
    [core]="tst_surroundings tst_rules tst_window tst_hostile"
    [platform]="tst_surroundings tst_window tst_hostile"
    [language]="tst_rules tst_window"
    [game]="tst_rules tst_window"
    [settings]="tst_rules tst_window tst_hostile"
    [records]="tst_rules tst_window tst_hostile"
    [app]="tst_rules tst_window tst_hostile"
    [ui]="tst_window tst_hostile tst_together_window"
    [mypictures]="tst_mypictures tst_my_pictures_window tst_hostile"
    [together]="tst_together tst_together_window"
)
cmake -S . -B build/mut -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILORA_SANITIZE=OFF >/dev/null
ops=(--operators delete,condition,negation,return)
[[ ${OPS:-} == default ]] && ops=()
for lib in "${@:-core platform language game settings records app ui mypictures together}"; do
    for one in $lib; do
        regex="^($(echo ${tests[$one]} | tr ' ' '|'))\$"
        echo "== $one"
        python3 "$tool" --build "cmake --build build/mut --target $(echo ${tests[$one]})" \
            --test "QT_QPA_PLATFORM=offscreen ctest --test-dir build/mut -j2 --timeout 120 -R '$regex'" \
            --timeout 400 --max "${MAX:-40}" --seed "${SEED:-11}" "${ops[@]}" ${files[$one]}
    done
done
