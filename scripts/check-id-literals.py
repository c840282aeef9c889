#!/usr/bin/env python3
"""Fails when C++ code writes a resource id as a number, or uses a control id resource.h lacks.

Ids are read from the "#define NAME value" lines of res/resource.h; the prefix of a name gives
the kind of the id: IDD_ template, IDM_ and IDR_ menu, IDC_ control, IDS_ string, ID_ command.
Numbers (decimal or hexadecimal, with or without a suffix such as 32954u) are found in the code
of src/, tests/, tools/ and bench/ (comments and string literals, raw resource scripts included,
are not code) by where they appear:
  - values of 30000 and above (commands and strings) anywhere;
  - control ids (1001 to 29999) in the user interface code and its tests, or on a line that
    already names an id;
  - smaller ids (100 to 999: templates, menus, a few commands) on a line that names ids of the
    same kind (a menu id beside a menu or a view, a command beside a command, ...).
Control ids are checked for real as well: a number, or a constant of the user interface code
(constexpr int or an array of them), handed to a function that takes a control id
(GetDlgItem, Edit, Combo, Bind, ...) must be an IDC_ id (or IDOK, IDCANCEL ...) of resource.h.
A line whose comment says "not an id" is skipped, for a quantity that only looks like an id, and
a file that says "ids here are parser test data" (tests of the resource parsers on scripts of
their own) or "ids here are test template data" (tests on templates of their own, installed in
place of the program's) is skipped whole. The screen sizes 240 and 320 are always taken as quantities.
Usage: scripts/check-id-literals.py [files...]   (default: every tracked C++ file)
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
UI_PREFIXES = ("src/ui/", "tests/ui/", "tools/")
# Names on a line that say its numbers are ids of some kind...
ANY_ID_NAME = re.compile(r"\b(ID[A-Z]?_\w+|\w*(Command|Control|Button|String)Ids?|GetDlgItem|"
                         r"LoadString|PressKeypad)\b")
# ...and those that say which kind.
KIND_NAMES = {
    "template": re.compile(r"\b(IDD_\w+|\w*Templates?\w*|LayoutTriple)\b", re.IGNORECASE),
    "menu": re.compile(r"\b(IDM_\w+|IDR_\w+|ID_VIEW_\w+|\w*Menus?\w*|\w*ViewIds?|kView\w+)\b",
                       re.IGNORECASE),
    "command": re.compile(r"\b(ID_\w+|\w*Commands?\w*)\b", re.IGNORECASE),
    "control": re.compile(r"\b(IDC_\w+|\w*Controls?(Id|Ids)?|GetDlgItem)\b", re.IGNORECASE),
    "string": re.compile(r"\b(IDS_\w+|LoadString|\w*StringIds?)\b"),
}
PREFIX_KINDS = (("IDD_", "template"), ("IDM_", "menu"), ("IDR_", "menu"), ("IDC_", "control"),
                ("IDS_", "string"), ("ID_", "command"))
PREDEFINED_CONTROLS = {1: "IDOK", 2: "IDCANCEL", 3: "IDABORT", 4: "IDRETRY", 5: "IDIGNORE",
                       6: "IDYES", 7: "IDNO", -1: "IDC_STATIC"}
SCREEN_SIZES = {240, 320}
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9A-Fa-f]+|\d{3,5})([uUlL]{0,3})(?![\w.'])")
# A call whose first argument is a control id: a number, a constant, or an element of an array.
CONTROL_CALL = re.compile(
    r"\b(GetDlgItem|Edit|Combo|Button|Label|CheckBox|Item<[\w:]+>|Bind|SetDlgItemText|"
    r"GetDlgItemText|IsDlgButtonChecked|CheckDlgButton|Control)\s*\(\s*"
    r"(?:(\d+)|(?:\w+::)*(k\w+)(?:\[(\d+)\])?)\s*[,)\[]")
CONSTANT = re.compile(r"\bconstexpr\s+(?:int|std::array<int,\s*\d+>)\s+(k\w+)\s*=\s*"
                      r"(-?\d+|\{[-\d,\s]*\})\s*;")


def resource_ids():
    """{value: [(name, kind)]} from res/resource.h."""
    ids = {}
    for line in (ROOT / "res/resource.h").read_text(encoding="utf-8").splitlines():
        match = re.match(r"#define\s+(\w+)\s+(\d+)\b", line)
        if match:
            name = match.group(1)
            kind = next((k for prefix, k in PREFIX_KINDS if name.startswith(prefix)), "other")
            ids.setdefault(int(match.group(2)), []).append((name, kind))
    return ids


def control_ids(ids):
    found = {value for value, names in ids.items() if any(k == "control" for _, k in names)}
    return found | set(PREDEFINED_CONTROLS)


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


def checked_lines(path):
    """The code lines of a file that the check reads (none for parser test data)."""
    text = (ROOT / path).read_text(encoding="utf-8", errors="replace")
    if "ids here are parser test data" in text or "ids here are test template data" in text:
        return []
    return [(n, code) for n, code, comment in code_lines(text) if "not an id" not in comment]


def literal_value(digits):
    """The value of a C++ integer literal (without its suffix); None when malformed."""
    try:
        if digits[:2] in ("0x", "0X"):
            return int(digits, 16)
        return int(digits, 8) if digits.startswith("0") else int(digits)
    except ValueError:
        return None


def is_named_id(value, names, code, ui):
    if value in SCREEN_SIZES:
        return False
    if value >= 30000:
        return True
    if value > 1000:
        return ui or ANY_ID_NAME.search(code) is not None
    return value >= 100 and any(KIND_NAMES[kind].search(code) for _, kind in names
                                if kind in KIND_NAMES)


def literal_findings(path, lines, ids):
    ui = path.startswith(UI_PREFIXES)
    for number, code in lines:
        for match in NUMBER.finditer(code):
            value = literal_value(match.group(1))
            names = ids.get(value)
            if names and is_named_id(value, names, code, ui):
                yield (f"{path}:{number}: {match.group(0)} is "
                       f"{' or '.join(name for name, _ in names)}")


def ui_constants(lines):
    """{name: [values]} of the integer constants a file declares."""
    constants = {}
    for _, code in lines:
        for match in CONSTANT.finditer(code):
            constants[match.group(1)] = [int(v) for v in re.findall(r"-?\d+", match.group(2))]
    return constants


def control_findings(path, lines, constants, controls):
    for number, code in lines:
        for match in CONTROL_CALL.finditer(code):
            literal, name, index = match.group(2), match.group(3), match.group(4)
            if literal is not None:
                values = [int(literal)]
            elif name in constants:
                values = constants[name]
                if index is not None and int(index) < len(values):
                    values = [values[int(index)]]
            else:
                continue
            for value in values:
                if value not in controls:
                    what = literal or name
                    yield (f"{path}:{number}: control id {what} ({value}) is not in "
                           f"res/resource.h")


def main():
    files = sys.argv[1:] or subprocess.run(
        ["git", "ls-files", "src", "tests", "tools", "bench"], cwd=ROOT, check=True,
        capture_output=True, text=True).stdout.split()
    files = [path for path in files if path.endswith((".cpp", ".h"))]
    ids = resource_ids()
    lines = {path: checked_lines(path) for path in files}
    constants = {}
    for path in files:
        if path.startswith(UI_PREFIXES):
            constants.update(ui_constants(lines[path]))
    controls = control_ids(ids)
    found = [f for path in files for f in literal_findings(path, lines[path], ids)]
    found += [f for path in files if path.startswith(UI_PREFIXES)
              for f in control_findings(path, lines[path], constants, controls)]
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} resource ids written as numbers or missing from res/resource.h: use "
              "their names from res/resource.h, add a control's id there (or mark a quantity "
              "that only looks like an id with '// not an id').", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
