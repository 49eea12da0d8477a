#!/usr/bin/env python3
"""Drawings saved by qivhost, read by an independent DXF reader (ezdxf).

Every real drawing of the test data is opened and saved by qivhost with an empty session, and
a floor plan with a trim; a drawing from a JSON dump is saved into a new file. A drawing saved
without changes must be the file it came from, byte for byte; ezdxf must find no error in a
saved file that it does not find in the drawing it came from, and the saved model space must
hold the same entities, less the trimmed one and plus the new ones.

usage: dxf_independent_reader_test.py QIVHOST DATA_DIR EXAMPLES_DIR WORK_DIR
"""
import glob
import os
import subprocess
import sys

from ezdxf import recover


def problems(path):
    doc, auditor = recover.readfile(path)
    return doc, len(auditor.errors) + len(doc.audit().errors)


def run(qivhost, work, drawing, script_lines, *outputs):
    script = os.path.join(work, "session.qivs")
    with open(script, "w", encoding="utf-8") as f:
        f.write("".join(line + "\n" for line in script_lines))
    subprocess.run([qivhost, "run", "Probe", "--drawing", drawing, "--script", script,
                    "--settings-dir", os.path.join(work, "settings"), *outputs],
                   check=True, stdout=subprocess.DEVNULL)


def kinds(doc):
    counts = {}
    for entity in doc.modelspace():
        counts[entity.dxftype()] = counts.get(entity.dxftype(), 0) + 1
    return counts


def main():
    qivhost, data, examples, work = sys.argv[1:5]
    os.makedirs(work, exist_ok=True)
    failures = []
    drawings = sorted(glob.glob(os.path.join(data, "dxf-samples", "*.dxf")))
    drawings += sorted(glob.glob(os.path.join(data, "*.dxf")))
    drawings += sorted(glob.glob(os.path.join(examples, "*", "*.dxf")))
    checked = 0
    for drawing in drawings:
        if "bin_dxf" in drawing:
            continue
        saved = os.path.join(work, "saved.dxf")
        run(qivhost, work, drawing, [], "--dxf", saved)
        with open(drawing, "rb") as original, open(saved, "rb") as written:
            if original.read() != written.read():
                failures.append(f"{os.path.basename(drawing)}: not saved byte for byte")
        before, before_problems = problems(drawing)
        after, after_problems = problems(saved)
        if after_problems > before_problems or kinds(before) != kinds(after):
            failures.append(f"{os.path.basename(drawing)}: {before_problems} -> {after_problems}"
                            f" problems, {kinds(before)} -> {kinds(after)}")
        checked += 1

    # A trim on a real floor plan: the probe cuts a wall line back to the picked point.
    plan = os.path.join(data, "dxf-samples", "sky_floorplan.dxf")
    trimmed = os.path.join(work, "trimmed.dxf")
    run(qivhost, work, plan, ["start", "pick -648.77292602758 100", "cancel", "destroy"],
        "--dxf", trimmed)
    before, before_problems = problems(plan)
    after, after_problems = problems(trimmed)
    if after_problems > before_problems or len(after.modelspace()) != len(before.modelspace()):
        failures.append(f"trimmed floor plan: {before_problems} -> {after_problems} problems")
    checked += 1

    # A drawing that was not read from DXF is saved into a new file.
    dump = os.path.join(work, "elbows.json")
    new = os.path.join(work, "new.dxf")
    run(qivhost, work, os.path.join(examples, "sarvik", "elbows.dxf"), [], "--dump", dump)
    run(qivhost, work, dump, [], "--dxf", new)
    doc, new_problems = problems(new)
    if new_problems or len(doc.modelspace()) != 12:
        failures.append(f"new file: {new_problems} problems, {len(doc.modelspace())} entities")
    checked += 1

    for failure in failures:
        print("FAILED:", failure)
    print(f"{checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
