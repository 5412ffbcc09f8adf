#!/usr/bin/env python3
"""Prints figures of the checkout's structure: the methods and data members each class of the main
window declares itself, how many translation units the frame's and one tab's headers reach, and the
lines of the window texts.

    bench/structure_figures.py [--build build-test] [Class ...]   (run inside the checkout)

The classes are read from clang's syntax tree of a translation unit that includes their header,
with the flags the build gives it; the build must be complete, as its dependencies tell which
units include what. Methods are the CXXMethodDecl the class itself declares (constructors and
destructors are other kinds), data members its FieldDecl (static ones are VarDecl); the
compiler's own implicit ones are left out, deleted ones counted apart; the members are the
methods not deleted and the fields.
"""
import argparse
import glob
import json
import os
import re
import shlex
import subprocess
import sys

CLASSES = ["MainFrame", "PersonEditor", "ReportCommands", "GedcomCommands", "Thlavni", "ThlavniForm"]
REACHED = ["shell/hlavni.h", "forms/hlavni_dalsi.h"]
# The checkout the tool is run in, which need not be the one it lies in.
ROOT = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True, text=True,
                      check=True).stdout.strip()


def dependencies(build):
    """Each unit the build compiles: its source and the set of all it includes, relative to the
    checkout."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True,
                         check=True).stdout
    units = []
    for line in out.splitlines():
        if line and not line[0].isspace():
            units.append([])
        elif line.strip():
            units[-1].append(os.path.relpath(os.path.normpath(os.path.join(build, line.strip())), ROOT))
    return [(files[0], set(files[1:])) for files in units if files]


def header_of(cls):
    found = subprocess.run(["git", "grep", "-lE", rf"^(class|struct) {cls}\b[^;]*$", "--", "*.h"],
                           cwd=ROOT, capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def syntax_tree(entry, cls):
    """The top declarations clang dumps whose name holds `cls`."""
    args = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    kept = ["clang++"]
    skip = False
    for a in args[1:]:
        if skip:
            skip = False
        elif a == "-o":
            skip = True
        elif a not in ("-c", entry["file"]) and not a.startswith("-W"):
            kept.append(a)
    kept += ["-w", "-fsyntax-only", "-Xclang", "-ast-dump=json", "-Xclang",
             f"-ast-dump-filter={cls}", entry["file"]]
    text = subprocess.run(kept, cwd=entry["directory"], capture_output=True, text=True,
                          check=True).stdout
    decoder = json.JSONDecoder()
    at = text.find("{")
    while at >= 0:
        decl, at = decoder.raw_decode(text, at)
        yield decl
        at = text.find("{", at)


def members(record):
    """Counts of methods, deleted methods, public methods, fields and public fields."""
    access = "private" if record.get("tagUsed") == "class" else "public"
    counts = dict.fromkeys(["methods", "deleted", "public", "fields", "public fields"], 0)
    for decl in record.get("inner", []):
        kind = decl["kind"]
        if kind == "AccessSpecDecl":
            access = decl["access"]
        elif decl.get("isImplicit"):
            continue
        elif kind == "CXXMethodDecl":
            counts["methods"] += 1
            counts["deleted"] += bool(decl.get("explicitlyDeleted"))
            counts["public"] += access == "public"
        elif kind == "FieldDecl":
            counts["fields"] += 1
            counts["public fields"] += access == "public"
    return counts


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default="build-test")
    parser.add_argument("classes", nargs="*")
    options = parser.parse_args()
    build = os.path.join(ROOT, options.build)
    units = dependencies(build)
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        commands = {os.path.relpath(e["file"], ROOT): e for e in json.load(f)}

    print(f"{'class':<16} {'methods':>7} {'public':>7} {'deleted':>7} {'fields':>7} {'public':>7} "
          f"{'members':>7}  header")
    for cls in CLASSES + options.classes:
        header = header_of(cls)
        users = sorted((len(deps), unit) for unit, deps in units
                       if header in deps and unit in commands)
        if not users:
            print(f"{cls:<16} " + (f"no unit of the build includes {header}" if header
                                   else "no header defines it"))
            continue
        records = [d for d in syntax_tree(commands[users[0][1]], cls)
                   if d.get("kind") == "CXXRecordDecl" and d.get("name") == cls
                   and d.get("completeDefinition")]
        c = members(records[0])
        print(f"{cls:<16} {c['methods']:>7} {c['public']:>7} {c['deleted']:>7} {c['fields']:>7} "
              f"{c['public fields']:>7} {c['methods'] - c['deleted'] + c['fields']:>7}  {header}")

    print()
    for header in REACHED:
        reached = sum(header in deps for _, deps in units)
        print(f"{header} is included by {reached} of {len(units)} translation units")

    print()
    total = 0
    for path in sorted(glob.glob(os.path.join(ROOT, "shell", "window_texts*.cpp"))):
        with open(path, encoding="utf-8") as f:
            lines = sum(1 for _ in f)
        total += lines
        print(f"{lines:>6} {os.path.relpath(path, ROOT)}")
    print(f"{total:>6} in all")
    return 0


if __name__ == "__main__":
    sys.exit(main())
