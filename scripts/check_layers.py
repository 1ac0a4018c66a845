#!/usr/bin/python3
"""Fails when a source file includes a header of a higher layer.

Layers, lowest first: platform <- catalogue <- engine <- output <- app <- app/cli, app/window;
update (the catalogue update) builds on platform and catalogue only, and app may use it.
platform/qt builds on platform; app/window may use it. Includes are written "layer/file.h"
from the repository root; a file's layer is the longest layer folder that holds it. Folders
that are no layer (tests, bench, scripts) are not checked.
"""
import pathlib
import re
import sys

ALLOWED = {
    "platform": {"platform"},
    "platform/qt": {"platform", "platform/qt"},
    "catalogue": {"platform", "catalogue"},
    "engine": {"platform", "catalogue", "engine"},
    "output": {"platform", "catalogue", "engine", "output"},
    "update": {"platform", "catalogue", "update"},
    "app": {"platform", "catalogue", "engine", "output", "update", "app"},
    "app/cli": {"platform", "catalogue", "engine", "output", "update", "app", "app/cli"},
    "app/window": {"platform", "platform/qt", "catalogue", "engine", "output", "update", "app",
                   "app/window"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def layer_of(path):
    """The longest layer folder that holds `path` (relative, with "/"), or None."""
    folder = path.rsplit("/", 1)[0] if "/" in path else ""
    best = None
    for layer in ALLOWED:
        if folder == layer or folder.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        if relative.startswith("build"):
            continue
        own = layer_of(relative)
        if own is None:
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        for included in INCLUDE.findall(text):
            target = layer_of(included)
            if target is not None and target not in ALLOWED[own]:
                faults.append(f"{relative}: {own} includes {included} ({target})")
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"{len(faults)} include(s) of a higher layer", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
