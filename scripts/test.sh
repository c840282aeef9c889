#!/usr/bin/env bash
# Installs what is missing, builds the tests under AddressSanitizer and UndefinedBehaviorSanitizer
# (the asan preset: debug, warnings as errors, a unity build) and runs the whole suite there, where
# any finding fails its test. This is the command CI runs; the dev preset is the quicker
# incremental build for working on the code.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
