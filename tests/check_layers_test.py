#!/usr/bin/python3
"""The layering check refuses what reaches above its layer and passes what does not."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parent.parent / "scripts" / "check_layers.py"


def check(files):
    """Runs the check over a tree of `files` (path -> text); its exit status and stderr."""
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            target = pathlib.Path(root) / path
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_text(text, encoding="utf-8")
        run = subprocess.run([sys.executable, str(SCRIPT), root], capture_output=True, text=True)
        return run.returncode, run.stderr


class LayeringTest(unittest.TestCase):
    def test_refusals(self):
        cases = {
            "engine includes output": {"engine/a.cpp": '#include "output/b.h"\n'},
            "output includes app": {"output/a.cpp": '#include "app/form/x.h"\n'},
            "catalogue includes engine": {"catalogue/a.h": '#include "engine/b.h"\n'},
            "update includes output": {"update/a.cpp": '#include "output/b.h"\n'},
            "platform includes platform/qt": {"platform/a.cpp": '#include "platform/qt/b.h"\n'},
            "app includes platform/qt": {"app/form/a.cpp": '#include "platform/qt/b.h"\n'},
            "output includes platform/qt": {"output/a.cpp": '#include "platform/qt/b.h"\n'},
            "output takes FormControls": {"output/a.h": "void F(FormControls& c);\n"},
            "engine includes the form's controls": {
                "engine/a.cpp": '#include "platform/form_controls.h"\n'},
            "output names a control id": {"output/a.cpp": "int x = ids::kRegulatorValues;\n"},
            "catalogue names a dialog key": {"catalogue/a.cpp": "int x = ids::kOk;\n"},
            "platform names a form id": {"platform/a.cpp": "int x = ids::kCalculate;\n"},
            "platform/qt names a form id": {"platform/qt/a.cpp": "int x = ids::kP1;\n"},
            "engine includes words": {"engine/a.cpp": '#include "words/b.h"\n'},
            "update includes words": {"update/a.cpp": '#include "words/b.h"\n'},
            "words includes output": {"words/a.cpp": '#include "output/b.h"\n'},
            "words includes app": {"words/a.cpp": '#include "app/files/b.h"\n'},
            "engine holds a sentence": {
                "engine/a.cpp": 'QString m = QStringLiteral("Должно быть Р2<Р1");\n'},
            "engine holds a sentence in UTF-8": {"engine/a.h": 'auto m = u8"Ход";\n'},
            "engine holds a raw sentence": {"engine/a.cpp": 'auto m = R"x(Ход "клапана")x";\n'},
            "engine spells a letter as an escape": {"engine/a.cpp": 'auto m = "\\u0420";\n'},
            "update holds a letter": {"update/a.cpp": "char16_t c = u'Ф';\n"},
            "update holds a sentence after a comment": {
                "update/a.cpp": '// a "quoted" note\nauto m = "Ошибка соединения!";\n'},
        }
        for name, files in cases.items():
            with self.subTest(name):
                status, err = check(files)
                self.assertEqual(status, 1, err)
                self.assertIn("a.", err)

    def test_passes(self):
        cases = {
            "app includes every lower layer": {
                "app/form/a.cpp": "".join(
                    f'#include "{layer}/b.h"\n'
                    for layer in ("platform", "catalogue", "engine", "words", "output", "update"))},
            "output includes words": {"output/a.cpp": '#include "words/b.h"\n'},
            "words includes engine and update": {
                "words/a.cpp": '#include "engine/b.h"\n#include "update/c.h"\n'},
            "the engine's comments may be Russian": {
                "engine/a.cpp": '// Ход клапана, "равнопроцентная"\n/* Кавитация\n "x" */\n'
                                'int x = 0;  // it\'s "Ход"\n'},
            "the engine's Latin and Greek texts": {
                "engine/a.cpp": 'auto m = "Kv/Kvs = %.1f %%, ΔP, δ, x_F";\nchar c = \'"\';\n'},
            "the catalogue reads Russian element names": {
                "catalogue/a.cpp": 'QString t = QStringLiteral("клапан");\n'},
            "words and output hold words": {
                "words/a.cpp": 'auto m = "Ход";\n', "output/b.cpp": 'auto m = "Ход";\n'},
            "the window includes platform/qt": {"app/window/a.cpp": '#include "platform/qt/b.h"\n'},
            "the command line includes platform/qt": {
                "app/cli/a.cpp": '#include "platform/qt/b.h"\n'},
            "platform names the dialog keys": {"platform/a.cpp": "int x = ids::kOk + ids::kCancel;\n"},
            "tests are no layer": {"tests/a.cpp": '#include "app/form/b.h"\nint x = ids::kP1;\n'},
            "the form names its ids": {"app/form/a.cpp": "int x = ids::kP1;\n"},
        }
        for name, files in cases.items():
            with self.subTest(name):
                status, err = check(files)
                self.assertEqual(status, 0, err)


if __name__ == "__main__":
    unittest.main()
