#!/usr/bin/env bash
# Builds the optimised program and packs it as a Debian package in the repository's folder
# (trevallion_VERSION_ARCH.deb), checked with lintian when it is installed.
# Install it with: apt install ./trevallion_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
for tool in dpkg-shlibdeps:dpkg-dev file:file; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        sudo=""
        if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${tool##*:}"
    fi
done
cmake --preset release
cmake --build --preset release
rm -f build/release/trevallion_*.deb
(cd build/release && cpack -G DEB)
cp build/release/trevallion_*.deb .
package="$(ls trevallion_*.deb)"
if command -v lintian >/dev/null; then
    lintian --fail-on error "$package"
fi
echo "Built $package. Install it with: apt install ./$package"
