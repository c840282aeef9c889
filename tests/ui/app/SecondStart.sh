#!/usr/bin/env bash
# Usage: SecondStart.sh TREVALLION
# Two real copies of the program on one home: the second start ends at once with status 0 and
# leaves the first running; after the first is killed, the next start takes its stale lock over.
set -uo pipefail
program="$1"
work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

mkdir -p "$work/home" && mkdir -m 700 "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DOCUMENTS_DIR

# Whether a copy listens on the socket: a socket file left by a killed copy refuses connections.
# (Its inode number says nothing: the file system may give a new socket the same number.)
listening() {
    python3 - "$work"/run/trevallion-*.socket <<'PY' 2>/dev/null
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(1)
s.connect(sys.argv[1])
PY
}

start_first() { # starts a copy in the background and waits until it listens on the socket
    "$program" >"$work/$1.out" 2>&1 &
    pids+=($!)
    for _ in $(seq 200); do
        listening && return 0
        sleep 0.1
    done
    fail "$1 did not start listening: $(cat "$work/$1.out")"
}

second_start() { # a further start must end at once with status 0
    timeout 20 "$program" >"$work/$1.out" 2>&1
    status=$?
    [ "$status" -eq 0 ] || fail "$1 ended with status $status: $(cat "$work/$1.out")"
    ok "$1 ended with status 0"
}

start_first first
first=${pids[-1]}
second_start second
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
ok "the first copy runs on"

kill -9 "$first"
wait "$first" 2>/dev/null
listening && fail "a killed copy still listens"
compgen -G "$work/run/trevallion-*.lock" >/dev/null || fail "no lock file was left to take over"
start_first third
sleep 1
kill -0 "${pids[-1]}" 2>/dev/null || fail "the start after a killed copy did not take over"
ok "the stale lock was taken over"
second_start fourth
