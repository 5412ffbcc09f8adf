#!/usr/bin/env python3
"""A developer's tool: how many persons of each GEDCOM file Gramps sees the same in the file and
in our export of our import of it, by name, sex, birth, death and burial.

    bench/gramps_judge.py BENCH_DIR FILE.ged...

BENCH_DIR holds the gedcom_import and gedcom_export tools (build-release/bench or
build-bench/bench). Each file is imported with the import command's default options, saved as a
tree file and exported as Export, GED does; Gramps reads the file and our export and writes each
out again as GEDCOM, and the persons of the two are compared as the tree can hold them: dates
that a tree has no place for (ranges, phrases, other calendars) are left out on both sides.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HELD_DATE = re.compile(
    r"^((ABT|EST|CAL) )?((\d{1,2} )?(JAN|FEB|MAR|APR|MAY|JUN|JUL|AUG|SEP|OCT|NOV|DEC) )?(\d{1,4})$")


def held_date(value):
    m = HELD_DATE.match(value)
    if not m or int(m.group(6)) < 1:
        return "*"
    return ("ABT " if m.group(1) else "") + (m.group(3) or "") + m.group(6)


def held_name(value):
    # Given names with what followed the surname, then the surname; blanks and commas count once.
    value = value.replace(",", " ")
    m = re.match(r"^(.*?)(/[^/]*/)(.*)$", value)
    if m:
        suffix = " ".join(m.group(3).split())
        half = len(suffix) // 2
        # Gramps adds its NSFX to the suffix the NAME line already gave.
        if len(suffix) % 2 == 1 and suffix[half] == " " and suffix[:half] == suffix[half + 1:]:
            suffix = suffix[:half]
        value = m.group(1) + " " + suffix + " " + m.group(2)
    return " ".join(value.split())


def records(path):
    """INDI records of a file Gramps wrote, in file order: (xref, [(level, tag, value)])."""
    out = []
    current = None
    with open(path, encoding="utf-8", errors="replace") as f:
        for text in f:
            parts = text.rstrip("\r\n").split(" ", 2)
            if not parts[0].isdigit() or len(parts) < 2:
                continue
            level = int(parts[0])
            if level == 0:
                current = None
                if len(parts) == 3 and parts[1].startswith("@") and parts[2].strip() == "INDI":
                    current = (parts[1].strip("@"), [])
                    out.append(current)
            elif current is not None:
                tag = parts[1]
                value = parts[2] if len(parts) == 3 else ""
                current[1].append((level, tag, value))
    return out


def person(lines):
    p = {"events": {}}
    names, others = None, []
    event, name, name_type = None, None, None

    def end_name():
        nonlocal names, name, name_type
        if name is not None:
            if names is None:
                names = name
            elif name_type in ("married", "birth"):
                others.append(name_type + ": " + name)
        name, name_type = None, None

    for level, tag, value in lines:
        if level == 1:
            end_name()
            event = tag
            if tag == "NAME":
                name = held_name(value)
            elif tag == "SEX":
                p["sex"] = value
        elif level == 2 and event == "NAME" and tag == "TYPE":
            name_type = value
        elif level == 2 and event in ("BIRT", "DEAT", "BURI") and tag in ("DATE", "PLAC"):
            key = event + " " + tag
            if key not in p["events"]:
                p["events"][key] = held_date(value) if tag == "DATE" else value.rstrip(" ")
    end_name()
    p["names"] = " | ".join([names or ""] + sorted(others))
    return p


def view(p, ref):
    s = ["name " + p["names"]]
    if ref.get("sex") in ("M", "F"):
        s.append("sex " + p.get("sex", ""))
    for key in ("BIRT DATE", "BIRT PLAC", "DEAT DATE", "DEAT PLAC", "BURI PLAC"):
        if ref["events"].get(key) == "*":
            continue
        s.append(key + " " + p["events"].get(key, ""))
    return "\n".join(s)


def run(argv, cwd, home):
    env = dict(os.environ, HOME=home, LANG="C.UTF-8")
    env.pop("DISPLAY", None)
    return subprocess.run(argv, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, check=True).stdout


def gramps_id(xref):
    m = re.match(r"^I(\d+)$", xref)
    return "I%04d" % int(m.group(1)) if m else xref


def judge(bench, path, work):
    stem = os.path.splitext(os.path.basename(path))[0]
    folder = os.path.join(work, stem)
    os.makedirs(folder)
    # A copy, so that the import's log is written beside it and not beside the file.
    shutil.copyfile(path, os.path.join(folder, "in.ged"))
    run([os.path.join(bench, "gedcom_import"), "in.ged", "tree.rod"], folder, folder)
    run([os.path.join(bench, "gedcom_export"), "tree.rod", "ours.ged"], folder, folder)
    run(["gramps", "-C", stem + "-ref", "-i", os.path.abspath(path), "-e", "ref.ged"], folder, folder)
    run(["gramps", "-C", stem + "-back", "-i", "ours.ged", "-e", "back.ged"], folder, folder)
    # The import numbers the persons from the last record of the file (number 0) to the first.
    original = [line.split(" ", 2)[1].strip("@") for line in open(path, encoding="latin-1")
                if re.match(r"^0 @[^@]+@ INDI\s*$", line)]
    ref = {x: person(l) for x, l in records(os.path.join(folder, "ref.ged"))}
    back = {x: person(l) for x, l in records(os.path.join(folder, "back.ged"))}
    identical = 0
    for k, xref in enumerate(original):
        r = ref.get(gramps_id(xref))
        b = back.get("CL%d" % (len(original) - 1 - k))
        if r is not None and b is not None and view(r, r) == view(b, r):
            identical += 1
    return identical, len(ref)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    bench = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as work:
        print("| file | persons identical |")
        print("|---|---|")
        for path in sys.argv[2:]:
            identical, total = judge(bench, path, work)
            print("| %s | %d / %d |" % (os.path.basename(path), identical, total))


if __name__ == "__main__":
    main()
