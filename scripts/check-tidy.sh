#!/usr/bin/env bash
# Runs clang-tidy with the checked-in .clang-tidy over the program's sources (src/ and tools/) and
# fails on any finding. It reads the compile commands of the asan build, which is a unity build:
# checking its merged sources parses Qt's headers once for every few files instead of once a
# file, a quarter of the time. Run it after building the asan preset (CI does).
# Usage: scripts/check-tidy.sh [files...]   (default: every source of src/ and tools/)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang-tidy
build=build/asan
if [ ! -f "$build/compile_commands.json" ]; then
    echo "No asan build: run 'cmake --preset asan && cmake --build --preset asan' first." >&2
    exit 2
fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    # The merged sources of the program's libraries and tools, and the few sources kept out of
    # merging; Qt's generated sources are not ours to check.
    mapfile -t files < <(python3 - "$build" <<'PY'
import json, os, sys
build = os.path.abspath(sys.argv[1])
root = os.getcwd()
for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
    path = entry["file"]
    ours = any(path.startswith(os.path.join(base, top) + "/")
               for base in (build, root) for top in ("src", "tools"))
    if ours and "_autogen" not in path:
        print(path)
PY
    )
fi
# Every finding is an error (WarningsAsErrors in .clang-tidy), so one makes clang-tidy, and so
# xargs, exit non-zero. --quiet and the filter drop the counts of suppressed warnings.
if printf '%s\0' "${files[@]}" |
    xargs -0 -n 1 -P "$(nproc)" clang-tidy -p "$build" --quiet \
        --header-filter="$PWD/(src|tools)/.*" 2> >(grep -v 'warnings generated' >&2); then
    echo "clang-tidy: no findings in ${#files[@]} sources."
else
    echo "clang-tidy: findings above." >&2
    exit 1
fi
