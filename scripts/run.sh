#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
# Without a display it runs on Qt's VNC platform and says where to connect.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
program=build/release/bin/trevallion
# The window is the 240x320 device screen: shown at twice its size unless QT_SCALE_FACTOR says
# otherwise, so that its 8-point texts are readable on a desktop monitor.
export QT_SCALE_FACTOR="${QT_SCALE_FACTOR:-2}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    exec "$program" "$@"
fi
port="${TREVALLION_VNC_PORT:-5900}"
echo "No display found: Trevallion runs on a VNC server at localhost:${port}."
echo "Connect a VNC viewer to it (for example: vncviewer localhost:${port}); press Ctrl+C here to stop."
echo "To look at every screen without running the program, see 'Screens' in README.md."
# Square, so the screen also fits when it is turned to landscape.
QT_QPA_PLATFORM="vnc:size=640x640:port=${port}" exec "$program" "$@"
