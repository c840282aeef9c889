#!/bin/bash
# Runs the benchmarks (never part of the test suite): builds an optimised tree with the bench
# programs in build/bench, then the navigation data and settings benchmarks on the world file the
# build makes, the .nav builder against a Python read of the same CSV files (bench/nav-build.py),
# and the start-up comparison under Xvfb (bench/start-up.py).
#   scripts/bench.sh [--quick]   (--quick: short runs, for a loaded machine)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh xdotool
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON > /dev/null
cmake --build "$build" --target bench_NavDataBench bench_bare_window trevallion trevallion-data \
    trevallion_world_nav trevallion_shipped_data trevallion_default_checklist \
    trevallion_gps_recordings
world="$build/share/trevallion/world.nav"
min_time=0.5
runs=20
idle=60
if [ "${1:-}" = "--quick" ]; then
    min_time=0.1
    runs=5
    idle=10
fi
echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/bench_NavDataBench" --nav="$world" --benchmark_min_time="$min_time"
# The builder with the arguments the build gives it, so that its file must equal world.nav.
snapshot="$(sed -n 's/^set(TREVALLION_OURAIRPORTS_SNAPSHOT "\(.*\)")$/\1/p' res/CMakeLists.txt)"
valid="$(sed -n 's/^set(TREVALLION_OURAIRPORTS_VALID_UNTIL "\(.*\)")$/\1/p' res/CMakeLists.txt)"
python3 bench/nav-build.py "$build/bin/trevallion-data" "$build/ourairports" --runs "$runs" \
    --description "OurAirports World $snapshot" --valid-until "$valid" --zones-on "$snapshot" \
    --reference "$world"
python3 bench/start-up.py "$build" "$world" --runs "$runs" --idle "$idle"
