#!/usr/bin/env bash
# Usage: GpsCommand.sh TREVALLION_DATA
# trevallion-data gps: one JSON object a fix from a recording and from NMEA over UDP sent on the
# loopback interface; a source that sends nothing exits 1 with the reason, bad usage 2.
set -uo pipefail
data="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
sentence() { # the NMEA sentence of a body, with its checksum
    python3 -c 'import sys,functools; b=sys.argv[1]; print("$%s*%02X\r" % (b, functools.reduce(lambda a,c: a^ord(c), b, 0)))' "$1"
}

for s in 10 11 12; do
    sentence "GPRMC,1007$s.00,A,5226.9118,N,00144.7532,W,9$s.0,150.0,200326,1.2,W,A"
done >"$work/flight.nmea"
timeout 30 "$data" gps --source "replay:$work/flight.nmea" --count 2 >"$work/out" 2>"$work/err"
[ $? -eq 0 ] || fail "replay: $(cat "$work/err")"
[ "$(wc -l <"$work/out")" -eq 2 ] || fail "replay: not two fixes: $(cat "$work/out")"
grep -qF '"time":"2026-03-20T10:07:10.000Z"' "$work/out" || fail "replay time: $(cat "$work/out")"
grep -qF '"groundSpeed":910' "$work/out" || fail "replay speed"
grep -qF '"longitude":-1.7458' "$work/out" || fail "replay: west is negative"
echo "ok: a recording, one object a fix"

port=$((47600 + $$ % 300))
(sleep 1; for s in 20 21; do sentence "GPRMC,1007$s.00,A,5226.9118,N,00144.7532,W,41.0,150.0,200326,,"; done |
    python3 -c 'import socket,sys; s=socket.socket(socket.AF_INET,socket.SOCK_DGRAM); s.sendto(sys.stdin.buffer.read(),("127.0.0.1",int(sys.argv[1])))' "$port") &
timeout 30 "$data" gps --source "udp:127.0.0.1:$port" --count 1 --seconds 10 >"$work/out" 2>"$work/err"
status=$?
wait
[ $status -eq 0 ] || fail "udp: status $status: $(cat "$work/err")"
grep -qF '"valid":true' "$work/out" && grep -qF "\"source\":\"udp:127.0.0.1:$port\"" "$work/out" ||
    fail "udp: $(cat "$work/out")"
echo "ok: NMEA over UDP"

timeout 30 "$data" gps --source "gdl90:127.0.0.1:$port" --seconds 1 >"$work/out" 2>"$work/err"
[ $? -eq 1 ] && grep -qF "no fix arrived from gdl90:127.0.0.1:$port within 1 seconds" "$work/err" ||
    fail "silence: $(cat "$work/err")"
timeout 30 "$data" gps --source "gpsd:127.0.0.1:1" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] && grep -qF "Connection refused" "$work/err" || fail "no gpsd: $(cat "$work/err")"
for bad in "--source" "--source bluetooth" "--source udp --count 0" "--count 2"; do
    # shellcheck disable=SC2086
    timeout 30 "$data" gps $bad >/dev/null 2>&1
    [ $? -eq 2 ] || fail "bad usage '$bad'"
done
echo "ok: silence exits 1 with the reason, bad usage 2"
echo "3 passed, 0 failed"
