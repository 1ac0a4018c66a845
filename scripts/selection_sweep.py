#!/usr/bin/env python3
"""Runs a broad grid of selections through selvio-cli and compares two such runs.

  selection_sweep.py run --cli build/app/selvio-cli --data DIR --out OUT
      Copies the catalogue and the fluid data of DIR into a scratch folder and calculates every
      point of the grid (media, products, pressures, temperatures, flows, actuators) under each
      base selection file (connection, two- or three-way execution, mixing or diverting,
      pressure-balanced or not, electric actuator options), one "batch --json" run per base; the
      pinned case table and the bundled examples as well. Writes OUT/<base>.jsonl.
  selection_sweep.py compare BEFORE AFTER
      Counts the points whose whole output differs between two runs, split by the outcome before
      (found, or not), and shows the first few.

Used to show that a change of the bundled catalogue leaves the existing selections alone: run it
with the catalogue before and after the change, with the same program, and compare.
"""

import argparse
import itertools
import json
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA_FILES = ["xmldata.xml", "Рнас.dat", "etilenglikol.dat", "propilenglikol.dat"]

# Byte offsets of the selection file's record (after its 4-byte version word); see
# app/files/settings_record.h.
CONNECTION, EXECUTION, THREE_WAY_USE = 4, 8, 12
CONTROL_SIGNAL, SUPPLY_VOLTAGE, SIGNAL_TYPE = 1656, 1660, 1664
OPTIONS = (1668, 1672, 1676, 1680)  # limit switches, potentiometer, spring, heater
BALANCED = 3120

# The electric actuator asked for: (name, control signal, voltage, signal index, options on).
ELECTRIC = [("24v3-all", 1, 1, 1, 1), ("24v3-none", 1, 1, 1, 0), ("220v3-none", 1, 2, 1, 0),
            ("24vA-none", 2, 1, 0, 0)]
# Connection, execution, three-way use (1 mixing, 2 diverting) and pressure balance.
DESIGNS = [(c, e, u, b) for c in (1, 2) for e, u in ((1, 1), (2, 1), (2, 2)) for b in (0, 1)]

HEADER = "label,medium,product,p1,p2,t,drop,flow,flow_unit,setting,actuator,cavitation,density"


def base_record(example, connection, execution, use, balanced, electric):
    record = bytearray(example)

    def put(offset, value):
        struct.pack_into("<i", record, 4 + offset, value)

    put(CONNECTION, connection)
    put(EXECUTION, execution)
    put(THREE_WAY_USE, use)
    put(BALANCED, balanced)
    _, control, voltage, signal, options = electric
    put(CONTROL_SIGNAL, control)
    put(SUPPLY_VOLTAGE, voltage)
    put(SIGNAL_TYPE, signal)
    for offset in OPTIONS:
        put(offset, options)
    return bytes(record)


def grid_rows():
    rows = []
    actuators = ["электро", "пневмо", "термо", "нет"]
    for medium, density in (("вода", ""), ("гликоль", "1040")):
        for p1, p2, t, drop, flow, actuator in itertools.product(
                (2, 6, 10, 16), (0.5, 3), (20, 70, 90, 130, 150), (0.1, 0.3, 1),
                (0.3, 1, 3, 10, 30, 100, 300), actuators):
            if p2 >= p1:
                continue
            label = f"{medium}|клапан|{p1}|{p2}|{t}|{drop}|{flow}|{actuator}"
            rows.append(f"{label},{medium},клапан,{p1},{p2},{t},{drop},{flow},м³/ч,,{actuator},1,"
                        f"{density}")
        for product, setting in (("РПД", 0.5), ("РК", 4)):
            for p1, p2, t, drop, flow in itertools.product((6, 10), (1, 5), (70, 130), (0.5, 2),
                                                           (1, 10, 50)):
                label = f"{medium}|{product}|{p1}|{p2}|{t}|{drop}|{flow}|{setting}"
                rows.append(f"{label},{medium},{product},{p1},{p2},{t},{drop},{flow},м³/ч,"
                            f"{setting},нет,1,{density}")
    for p1, t, delta, flow, actuator in itertools.product(
            (1, 3, 6, 10, 16), (120, 165, 200), (0.1, 0.2, 0.4), (50, 200, 1000, 5000),
            ("электро", "пневмо", "нет")):
        label = f"пар|клапан|{p1}|{t}|{delta}|{flow}|{actuator}"
        rows.append(f"{label},пар,клапан,{p1},,{t},{delta},{flow},кг/ч,,{actuator},0,")
    for p1, t, delta, flow in itertools.product((6, 10), (170, 200), (0.2, 0.4), (100, 1000)):
        label = f"пар|РК|{p1}|{t}|{delta}|{flow}"
        rows.append(f"{label},пар,РК,{p1},,{t},{delta},{flow},кг/ч,3,нет,0,")
    return rows


def run_batch(cli, work, arguments):
    done = subprocess.run([str(cli), "batch", *arguments, "--dir", str(work), "--json"],
                          capture_output=True, text=True, check=False)
    if done.returncode != 0:
        sys.exit(f"selvio-cli batch {' '.join(arguments)} failed: {done.stderr}")
    return done.stdout


def run(args):
    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    example = (ROOT / "data" / "example.crp").read_bytes()
    with tempfile.TemporaryDirectory() as scratch:
        work = pathlib.Path(scratch)
        for name in DATA_FILES:
            shutil.copy(pathlib.Path(args.data) / name, work / name)
        grid = work / "grid.csv"
        grid.write_text(HEADER + "\n" + "\n".join(grid_rows()) + "\n", encoding="utf-8")
        for design, electric in itertools.product(DESIGNS, ELECTRIC):
            name = "c{}-e{}-u{}-b{}-{}".format(*design, electric[0])
            base = work / f"{name}.crp"
            base.write_bytes(base_record(example, *design, electric))
            (out / f"{name}.jsonl").write_text(
                run_batch(args.cli, work, [str(grid), "--base", str(base)]), encoding="utf-8")
        pinned = run_batch(args.cli, work, [str(ROOT / "tests/data/pinned/cases.csv")])
        pinned += run_batch(args.cli, work, [str(ROOT / "data/batch_example.csv")])
        (out / "pinned.jsonl").write_text(pinned, encoding="utf-8")


def compare(args):
    before_dir, after_dir = pathlib.Path(args.before), pathlib.Path(args.after)
    total = 0
    changed = {"found before": [], "not found before": []}
    pinned_changed = 0
    for before_file in sorted(before_dir.glob("*.jsonl")):
        before = before_file.read_text(encoding="utf-8").splitlines()
        after = (after_dir / before_file.name).read_text(encoding="utf-8").splitlines()
        if len(before) != len(after):
            sys.exit(f"{before_file.name}: {len(before)} lines before, {len(after)} after")
        for old, new in zip(before, after):
            total += 1
            if old == new:
                continue
            old_row, new_row = json.loads(old), json.loads(new)
            if before_file.name == "pinned.jsonl":
                pinned_changed += 1
            key = "found before" if old_row.get("outcome") == 1 else "not found before"
            shown = [c["name"] for c in new_row.get("candidates", [])]
            changed[key].append(f"{before_file.stem} {old_row.get('label')}: outcome "
                                f"{old_row.get('outcome')} -> {new_row.get('outcome')}, "
                                f"now {shown[:3]}")
    print(f"points: {total}")
    print(f"changed, pinned cases and examples: {pinned_changed}")
    for key, lines in changed.items():
        print(f"changed, {key}: {len(lines)}")
        for line in lines[:args.show]:
            print("  " + line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    commands = parser.add_subparsers(dest="command", required=True)
    run_parser = commands.add_parser("run")
    run_parser.add_argument("--cli", required=True)
    run_parser.add_argument("--data", required=True)
    run_parser.add_argument("--out", required=True)
    compare_parser = commands.add_parser("compare")
    compare_parser.add_argument("before")
    compare_parser.add_argument("after")
    compare_parser.add_argument("--show", type=int, default=5)
    args = parser.parse_args()
    run(args) if args.command == "run" else compare(args)


if __name__ == "__main__":
    main()
