#!/usr/bin/env bash
# Builds the optimised program and packs it as a Debian package in the repository's folder
# (trevallion_VERSION_ARCH.deb), and fails when lintian reports an error or a warning.
# Install it with: apt install ./trevallion_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lintian dpkg-dev file
cmake --preset release
cmake --build --preset release
rm -f build/release/trevallion_*.deb
(cd build/release && cpack -G DEB)
rm -f trevallion_*.deb
cp build/release/trevallion_*.deb .
package="$(ls trevallion_*.deb)"
lintian --fail-on error,warning "$package" 2> >(grep -v 'running with root privileges' >&2)
echo "Built $package. Install it with: apt install ./$package"
