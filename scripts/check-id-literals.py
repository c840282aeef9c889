#!/usr/bin/env python3
"""Fails when C++ code writes a resource id as a number although res/resource.h names it.

Ids are read from the "#define NAME value" lines of res/resource.h. Numbers that are ids are
found in the code of src/, tests/, tools/ and bench/ (comments and string literals, raw resource
scripts included, are not code) by where they appear:
  - values of 30000 and above (commands and strings) anywhere;
  - control ids (1001 to 29999) in the user interface code and its tests, or on a line that
    already names an id;
  - template and menu ids (100 to 999) on a line that names templates, menus or ids.
A line whose comment says "not an id" is skipped, for a quantity that only looks like an id, and
a file that says "ids here are parser test data" (tests of the resource parsers on scripts of
their own) is skipped whole. The screen sizes 240 and 320 are always taken as quantities.
Usage: scripts/check-id-literals.py [files...]   (default: every tracked C++ file)
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
UI_PREFIXES = ("src/ui/", "tests/ui/", "tools/")
# Names on a line that say its numbers are control, command or string ids...
ID_NAME = re.compile(r"\b(ID[A-Z]?_\w+|\w*(Command|Control|Button|String)Ids?|GetDlgItem|"
                     r"LoadString|PressKeypad)\b")
# ...and those that say its numbers are template or menu ids.
TEMPLATE_NAME = re.compile(r"\b(IDD_\w+|IDM_\w+|IDR_\w+|\w*Templates?\w*|\w*Menus?(Id|Bar)\w*|"
                           r"\w*ViewIds?)\b", re.IGNORECASE)
SCREEN_SIZES = {240, 320}
NUMBER = re.compile(r"(?<![\w.'])(\d{3,5})(?![\w.'])")


def resource_ids():
    ids = {}
    for line in (ROOT / "res/resource.h").read_text(encoding="utf-8").splitlines():
        match = re.match(r"#define\s+(\w+)\s+(\d+)\b", line)
        if match:
            ids.setdefault(int(match.group(2)), []).append(match.group(1))
    return ids


def code_lines(text):
    """Yields (line number, code, comment) with string and character literals blanked."""
    raw = re.compile(r'R"([^(\s]*)\(')
    number, in_raw, in_block = 0, None, False
    for line in text.splitlines():
        number += 1
        code, comment, i = "", "", 0
        while i < len(line):
            if in_raw is not None:
                end = line.find(")" + in_raw + '"', i)
                if end < 0:
                    i = len(line)
                    continue
                i, in_raw = end + len(in_raw) + 2, None
                code += '""'
            elif in_block:
                end = line.find("*/", i)
                comment += line[i:] if end < 0 else line[i:end]
                i, in_block = (len(line), True) if end < 0 else (end + 2, False)
            elif line.startswith("//", i):
                comment += line[i:]
                i = len(line)
            elif line.startswith("/*", i):
                in_block, i = True, i + 2
            elif (m := raw.match(line, i)):
                in_raw, i = m.group(1), m.end()
            elif line[i] in "\"'":
                quote, j = line[i], i + 1
                while j < len(line) and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                code += quote * 2
                i = j + 1
            else:
                code += line[i]
                i += 1
        yield number, code, comment


def findings(path, ids):
    ui = path.startswith(UI_PREFIXES)
    text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
    if "ids here are parser test data" in text:
        return
    for number, code, comment in code_lines(text):
        if "not an id" in comment:
            continue
        names_ids = ID_NAME.search(code) is not None
        names_templates = TEMPLATE_NAME.search(code) is not None
        for match in NUMBER.finditer(code):
            value = int(match.group(1))
            if value not in ids or value in SCREEN_SIZES:
                continue
            if value >= 30000 or (value > 1000 and (ui or names_ids)) or \
                    (100 <= value < 1000 and names_templates):
                yield f"{path}:{number}: {value} is {' or '.join(ids[value])}"


def main():
    files = sys.argv[1:] or subprocess.run(
        ["git", "ls-files", "src", "tests", "tools", "bench"], cwd=ROOT, check=True,
        capture_output=True, text=True).stdout.split()
    ids = resource_ids()
    found = [f for path in files if path.endswith((".cpp", ".h"))
             for f in findings(path, ids)]
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} resource ids written as numbers: use their names from "
              "res/resource.h (or mark a quantity that only looks like one with "
              "'// not an id').", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
