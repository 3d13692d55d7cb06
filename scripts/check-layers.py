#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a file in src/ includes a header of a layer above its own.

    check-layers.py [src folder]     (default: the src folder beside scripts/)
    check-layers.py --self-test      plants faults in a scratch tree and expects each reported

Each folder of src/ is a layer (its first path component: src/ui/x/y.h is in ui); the files
directly in src/ (main.cpp) are the program, above every layer. A file may include its own
layer and those that LAYERS lets its layer use, directly or through others. Within a layer that
PARTS divides, a part's file may include of that layer only its own part and those below it.
"""
import pathlib
import re
import subprocess
import sys
import tempfile

# The layers each layer builds on directly, as the README's "Layout of the source" states them.
LAYERS = {
    "core": [],
    "platform": ["core"],
    "language": ["platform"],
    "game": ["language"],
    "settings": ["game"],
    "records": ["settings"],
    "mypictures": ["language"],
    "together": ["game"],
    "app": ["records"],
    "ui": ["app", "mypictures", "together"],
}
# The parts of a layer, each a sub-folder, and the parts each builds on directly: the maker's
# window and playing together's windows share the widgets, never the game's windows.
PARTS = {
    "ui": {
        "widgets": [],
        "game": ["widgets"],
        "maker": ["widgets"],
        "together": ["widgets"],
    },
}
PROGRAM = "the program (src/*.cpp)"
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".in"}
INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]')


def reachable(layer, graph=LAYERS):
    """Every layer that `layer` may include, its own included."""
    seen, todo = {layer}, list(graph[layer])
    while todo:
        below = todo.pop()
        if below not in seen:
            seen.add(below)
            todo += graph[below]
    return seen


def rule(layer, graph=LAYERS):
    """The chains below `layer`, as the README writes them: game → language → platform → core."""
    chains, todo = [], [[layer]]
    while todo:
        chain = todo.pop()
        below = graph[chain[-1]]
        if not below:
            chains.append(" → ".join(chain))
        todo += [chain + [b] for b in reversed(below)]
    return ", ".join(chains)


def faults(src):
    src = pathlib.Path(src)
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    found = [f"src/{name}/ is in no layer: add it to LAYERS in scripts/check-layers.py "
             "and to the README's layer graph" for name in sorted(folders - LAYERS.keys())]
    for layer, named in PARTS.items():
        if (src / layer).is_dir():
            found += [f"src/{layer}/{name}/ is in no part of {layer}: add it to PARTS in "
                      "scripts/check-layers.py and to the README's layout"
                      for name in sorted(p.name for p in (src / layer).iterdir()
                                         if p.is_dir() and p.name not in named and
                                         any(f.suffix in SOURCE_SUFFIXES for f in p.rglob("*")))]
    cycles = [name for name in LAYERS if any(name in reachable(b) for b in LAYERS[name])]
    cycles += [f"{layer}/{name}" for layer, named in PARTS.items() for name in named
               if any(name in reachable(b, named) for b in named[name])]
    if cycles:
        return found + [f"LAYERS or PARTS in scripts/check-layers.py goes round through "
                        f"{', '.join(cycles)}"]
    for path in sorted(p for p in src.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file()):
        parts = path.relative_to(src).parts
        layer = parts[0] if len(parts) > 1 else None
        if layer is not None and layer not in LAYERS:
            continue  # reported above
        allowed = reachable(layer) if layer else set(LAYERS)
        layer_parts = PARTS.get(layer, {})
        part = parts[1] if len(parts) > 2 and parts[1] in layer_parts else None
        shown = f"src/{path.relative_to(src).as_posix()}"
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            header = match.group(1)
            target = header.split("/")[0]
            if target == "..":
                found.append(f'{shown}:{number}: includes "{header}": name a header by its '
                             'layer\'s folder ("game/board.h"), never through ".."')
            elif target in folders and target not in allowed:
                why = (f"{layer} may include only itself and what lies below it, {rule(layer)}"
                       if layer
                       else f"{PROGRAM} may include any layer")
                found.append(f'{shown}:{number}: includes "{header}", a header of {target}, '
                             f"against the layer rule: {why}")
            elif part and target == layer and header.count("/") > 1:
                into = header.split("/")[1]
                if into in layer_parts and into not in reachable(part, layer_parts):
                    found.append(
                        f'{shown}:{number}: includes "{header}", a header of {layer}/{into}, '
                        f"against the layer rule: {layer}/{part} may include of {layer} only "
                        f"itself and what lies below it, {rule(part, layer_parts)}")
    return found


def self_test():
    plants = {
        "main.cpp": '#include "ui/launcher.h"\n#include "../outside.h"\n',
        "ui/a.cpp": '#include "records/b.h"\n#include "together/c.h"\n#include "core/d.h"\n',
        "game/form1.cpp": '#include "language/e.h"\n#include "core/f.h"\n#include <QString>\n'
                          '// #include "ui/in_a_comment.h"\n'
                          '#include "settings/back_arrow.h"\n',
        "language/g.h": '  #  include <ui/angle.h>\n',
        "mypictures/h.cpp": '#include "game/sideways.h"\n#include "platform/i.h"\n',
        "core/j.cpp": '#include "../ui/dots.h"\n#include "j.moc"\n',
        "records/k.h": '#include "app/p.h"\n', "together/l.h": "", "settings/m.h": "",
        "platform/n.h": "", "app/p.h": '#include "records/k.h"\n', "extra/o.h": "",
        "ui/maker/q.cpp": '#include "ui/widgets/r.h"\n#include "ui/game/s.h"\n',
        "ui/game/s.h": '#include "ui/widgets/r.h"\n#include "ui/maker/q.h"\n',
        "ui/widgets/r.h": '#include "core/d.h"\n', "ui/icons/t.qrc": "", "ui/odd/u.h": "",
    }
    expected = [
        "src/extra/ is in no layer",
        'src/core/j.cpp:1: includes "../ui/dots.h"',
        'src/game/form1.cpp:5: includes "settings/back_arrow.h", a header of settings, against '
        "the layer rule: game may include only itself and what lies below it, "
        "game → language → platform → core",
        'src/language/g.h:1: includes "ui/angle.h"',
        'src/main.cpp:2: includes "../outside.h"',
        'src/records/k.h:1: includes "app/p.h", a header of app, against the layer rule: '
        "records may include only itself and what lies below it, "
        "records → settings → game → language → platform → core",
        'src/mypictures/h.cpp:1: includes "game/sideways.h", a header of game, against the layer '
        "rule: mypictures may include only itself and what lies below it, "
        "mypictures → language → platform → core",
        'src/ui/game/s.h:2: includes "ui/maker/q.h", a header of ui/maker, against the layer '
        "rule: ui/game may include of ui only itself and what lies below it, game → widgets",
        'src/ui/maker/q.cpp:2: includes "ui/game/s.h", a header of ui/game, against the layer '
        "rule: ui/maker may include of ui only itself and what lies below it, maker → widgets",
        "src/ui/odd/ is in no part of ui",
    ]
    with tempfile.TemporaryDirectory() as root:
        for name, text in plants.items():
            path = pathlib.Path(root, name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        # As CTest runs it: what it says on stderr and how it exits.
        run = subprocess.run([sys.executable, __file__, root], capture_output=True, text=True)
        clean = pathlib.Path(root, "clean")
        for name, text in [("core/a.h", ""), ("ui/b.cpp", '#include "core/a.h"\n')]:
            (clean / name).parent.mkdir(parents=True, exist_ok=True)
            (clean / name).write_text(text, encoding="utf-8")
        clean_run = subprocess.run([sys.executable, __file__, clean], capture_output=True)
        LAYERS["core"].append("ui")
        try:
            cyclic = faults(root)
        finally:
            LAYERS["core"].remove("ui")
        PARTS["ui"]["widgets"].append("maker")
        try:
            cyclic_parts = faults(root)
        finally:
            PARTS["ui"]["widgets"].remove("maker")
    got = run.stderr.splitlines()
    problems = [] if run.returncode == 1 else [f"exit status {run.returncode}, not 1"]
    if clean_run.returncode != 0 or clean_run.stderr:
        problems.append("a tree without faults is not passed")
    if got[-1:] != [f"{len(expected)} fault(s) in the layers"]:
        problems.append(f"the last line is not the count of {len(expected)} faults")
    got = got[:-1]
    problems += [f"not reported: {e}" for e in expected if not any(g.startswith(e) for g in got)]
    problems += [f"reported wrongly: {g}" for g in got
                 if not any(g.startswith(e) for e in expected)]
    if not any("goes round through core" in line for line in cyclic):
        problems.append("a LAYERS table that goes round is not reported")
    if not any("goes round through ui/widgets" in line for line in cyclic_parts):
        problems.append("a PARTS table that goes round is not reported")
    for problem in problems:
        print(f"self-test: {problem}", file=sys.stderr)
    if problems:
        return 1
    print(f"self-test: all {len(expected)} planted faults reported, nothing else")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    src = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent / "src"
    found = faults(src)
    for line in found:
        print(line, file=sys.stderr)
    if found:
        print(f"{len(found)} fault(s) in the layers", file=sys.stderr)
        return 1
    print("layers: every include in src/ points down the layer graph")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
