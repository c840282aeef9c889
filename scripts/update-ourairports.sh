#!/usr/bin/env bash
# Refreshes the OurAirports snapshot that world.nav is built from: downloads the four CSV files
# the importer reads from https://ourairports.com/data/ (public domain) and packs them into
# res/ourairports/ourairports.tar.xz. Then set TREVALLION_OURAIRPORTS_SNAPSHOT (today) and
# TREVALLION_OURAIRPORTS_VALID_UNTIL in res/CMakeLists.txt and rebuild.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for file in airports.csv runways.csv airport-frequencies.csv navaids.csv; do
    curl -fsSL -o "$work/$file" "https://ourairports.com/data/$file"
done
tar -C "$work" -cJf res/ourairports/ourairports.tar.xz \
    airports.csv runways.csv airport-frequencies.csv navaids.csv
ls -l res/ourairports/ourairports.tar.xz
