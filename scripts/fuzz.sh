#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds (default 60), one
# after the other, starting from its committed corpus in tests/fuzz/corpus. New inputs go to
# build/fuzz/corpus/NAME, never into the tree; a finding stops the run and leaves its input in
# build/fuzz/findings. Extra libFuzzer options come from FUZZ_OPTIONS (for example
# FUZZ_OPTIONS="-fork=1 -ignore_crashes=1" to go on past a known finding).
# Usage: scripts/fuzz.sh [seconds] [target names...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[[ $# -gt 0 ]] && shift
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(aircraft_file loading_text checklist_file checklist_outline nav_file waypoint_file
             ourairports nmea gdl90 resource_script number_text flight_plan entry_texts
             settings_file)
fi

bash scripts/install-deps.sh clang # clang++ with its libFuzzer and sanitizer runtimes
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
mkdir -p "$out/findings"
for name in "${targets[@]}"; do
    mkdir -p "$out/corpus/$name"
    echo "== $name ($seconds s)"
    "$out/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$out/findings/$name-" ${FUZZ_OPTIONS:-} \
        "$out/corpus/$name" "tests/fuzz/corpus/$name"
done
