#!/usr/bin/env bash
# Packs an existing build as the Debian package (gzip rather than xz, as only the check needs
# it) and fails when lintian reports an error or a warning, so a packaging fault (a library not
# linked against libc, maintainer scripts calling ldconfig) cannot return unnoticed. CI runs it on
# the asan build that scripts/test.sh made; scripts/package.sh applies the same lintian rule to
# the release package.
# Usage: scripts/check-package.sh [build folder]   (default: build/asan)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lintian dpkg-dev file
build="$(realpath "${1:-build/asan}")"
if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "No build in $build: run scripts/test.sh first." >&2
    exit 2
fi
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip -D CPACK_PACKAGE_DIRECTORY="$out" >/dev/null)
lintian --fail-on error,warning "$out"/trevallion_*.deb 2> >(grep -v 'running with root privileges' >&2)
echo "Package: lintian reports no error or warning."
