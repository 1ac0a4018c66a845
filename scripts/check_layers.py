#!/usr/bin/python3
"""Fails when a source file reaches above its layer.

Layers, lowest first: platform <- catalogue <- engine <- words <- output <- app <- app/cli,
app/window; update (the catalogue update) builds on platform and catalogue only; words (the
texts of the lower layers' codes in the user's language) builds on them and update, and output
and app use it.
platform/qt builds on platform; app/window and app/cli may use it (the command line paints
charts into the documents it exports). Includes are written "layer/file.h" from the repository
root; a file's layer is the longest layer folder that holds it. Folders that are no layer
(tests, bench, fuzz, scripts) are not checked.

Besides the includes: nothing below app/ touches the form. catalogue/, engine/ and output/
name no FormControls and no control id; platform/ names no control id but the dialog keys
ids::kOk and ids::kCancel.

And engine/ and update/ hold no words: no string or character literal of theirs holds a
Cyrillic letter (nor its \\u escape). They return codes; the words are composed in words/ and
above, in the user's language. Comments may say anything, and the catalogue's Russian element
names are data, read in catalogue/.
"""
import pathlib
import re
import sys

ALLOWED = {
    "platform": {"platform"},
    "platform/qt": {"platform", "platform/qt"},
    "catalogue": {"platform", "catalogue"},
    "engine": {"platform", "catalogue", "engine"},
    "update": {"platform", "catalogue", "update"},
    "words": {"platform", "catalogue", "engine", "update", "words"},
    "output": {"platform", "catalogue", "engine", "words", "output"},
    "app": {"platform", "catalogue", "engine", "words", "output", "update", "app"},
    "app/cli": {"platform", "platform/qt", "catalogue", "engine", "words", "output", "update",
                "app", "app/cli"},
    "app/window": {"platform", "platform/qt", "catalogue", "engine", "words", "output", "update",
                   "app", "app/window"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
CONTROL_ID = re.compile(r"\bids::(k\w+)")
FORM_CONTROLS = re.compile(r"\bFormControls\b|platform/form_controls\.h")
FORM_FREE_LAYERS = ("catalogue", "engine", "output")
DIALOG_KEYS = {"kOk", "kCancel"}
WORDLESS_LAYERS = ("engine", "update")
CYRILLIC = re.compile(r"[\u0400-\u052f]|\\u0[45][0-9a-fA-F]{2}|\\U00000[45][0-9a-fA-F]{2}")
# A C++ source's comments and literals, in the order they start: a raw string literal, a string
# or character literal (with an encoding prefix), a line comment, a block comment.
TOKEN = re.compile(
    r'(?P<raw>(?:u8|[uUL])?R"(?P<delimiter>[^ ()\\\t\n]*)\((?:.|\n)*?\)(?P=delimiter)")'
    r"|(?P<literal>(?:u8|[uUL])?(?:\"(?:\\.|[^\"\\\n])*\"|'(?:\\.|[^'\\\n])*'))"
    r"|(?P<line>//[^\n]*)"
    r"|(?P<block>/\*(?:.|\n)*?\*/)")


def layer_of(path):
    """The longest layer folder that holds `path` (relative, with "/"), or None."""
    folder = path.rsplit("/", 1)[0] if "/" in path else ""
    best = None
    for layer in ALLOWED:
        if folder == layer or folder.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def literals_with_cyrillic(text):
    """The string and character literals of C++ source `text` that hold a Cyrillic letter."""
    found = []
    for token in TOKEN.finditer(text):
        literal = token.group("raw") or token.group("literal")
        if literal and CYRILLIC.search(literal):
            found.append(literal)
    return found


def faults_of(relative, own, text):
    """The faults of one source file of layer `own`."""
    faults = []
    for included in INCLUDE.findall(text):
        target = layer_of(included)
        if target is not None and target not in ALLOWED[own]:
            faults.append(f"{relative}: {own} includes {included} ({target})")
    ids = set(CONTROL_ID.findall(text))
    if own in FORM_FREE_LAYERS:
        if FORM_CONTROLS.search(text):
            faults.append(f"{relative}: {own} names the form's controls (FormControls)")
        if ids:
            faults.append(f"{relative}: {own} names control ids {sorted(ids)}")
    if own.startswith("platform") and ids - DIALOG_KEYS:
        faults.append(f"{relative}: platform names form ids {sorted(ids - DIALOG_KEYS)}")
    if own in WORDLESS_LAYERS:
        for literal in literals_with_cyrillic(text):
            faults.append(f"{relative}: {own} holds words, a Cyrillic literal {literal}")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for source in sorted(root.rglob("*")):
        if source.suffix not in (".h", ".cpp") or not source.is_file():
            continue
        relative = source.relative_to(root).as_posix()
        if relative.startswith("build") or relative.startswith("."):
            continue
        own = layer_of(relative)
        if own is None:
            continue
        text = source.read_text(encoding="utf-8", errors="replace")
        faults += faults_of(relative, own, text)
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"{len(faults)} fault(s) of layering", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
