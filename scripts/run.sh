#!/usr/bin/env bash
# Installs what is missing, builds the optimised program (only what changed) and starts it.
# Without a display it runs on a virtual X display shared by a VNC server that listens on this
# machine's loopback interface only, and says where to connect and the one-time password.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ ! -f build/release/build.ninja ]; then
    cmake --preset release
fi
cmake --build --preset release
program=build/release/bin/trevallion
# The window is the 240x320 device screen: shown at twice its size unless QT_SCALE_FACTOR says
# otherwise, so that its 8-point texts are readable on a desktop monitor.
export QT_SCALE_FACTOR="${QT_SCALE_FACTOR:-2}"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
    exec "$program" "$@"
fi

if ! command -v x11vnc >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends x11vnc
fi
port="${TREVALLION_VNC_PORT:-5900}"
display=":$((port - 5900 + 50))"
# Only this run's user may use the display: Xvfb takes clients holding a fresh cookie, and the VNC
# server asks for a one-time password (any local user can reach the loopback port).
secrets="$(mktemp -d)"
chmod 700 "$secrets"
export XAUTHORITY="$secrets/Xauthority"
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add "$display" . "$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')"
password="$(head -c 256 /dev/urandom | LC_ALL=C tr -dc 'A-Za-z0-9' | cut -c 1-8)"
x11vnc -storepasswd "$password" "$secrets/vncpasswd" >/dev/null 2>&1
# Square, so the screen also fits when it is turned to landscape.
Xvfb "$display" -screen 0 640x640x24 -nolisten tcp -auth "$XAUTHORITY" &
xvfb=$!
x11vnc=""
trap 'kill $xvfb ${x11vnc:+$x11vnc} 2>/dev/null || true; rm -rf "$secrets"' EXIT
sleep 1
x11vnc -display "$display" -auth "$XAUTHORITY" -localhost -rfbport "$port" -forever -shared \
    -rfbauth "$secrets/vncpasswd" -quiet &
x11vnc=$!
echo "No display found: Trevallion runs on a VNC server at localhost:${port}, reachable from this"
echo "machine only. From another computer, forward the port through SSH first:"
echo "    ssh -L ${port}:localhost:${port} USER@THIS-MACHINE"
echo "then connect a VNC viewer to localhost:${port} with this one-time password: ${password}"
echo "Press Ctrl+C here to stop."
echo "To look at every screen without running the program, see 'Screens' in README.md."
DISPLAY="$display" "$program" "$@"
