#!/usr/bin/env bash
# Usage: LoadingCommand.sh TREVALLION_DATA
# trevallion-data loading: a saved loading computed as JSON, and refusals of bad files.
set -uo pipefail
data="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The default fleet: no aircraft.db of the user's is found under this home.
export HOME="$work" XDG_DOCUMENTS_DIR="$work/Documents" XDG_CONFIG_HOME="$work/config"

fail() { echo "FAIL: $*"; exit 1; }
run() {
    timeout 20 "$data" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

# The default C172 with 170 on the pilot seat and no fuel weighs 1720 in every phase: start-up
# fuel and burn never take a tank below empty.
printf 'Aircraft=N123A\r\nPilot seat=170.0\r\nFuel=Custom\r\nMain fuel=0.0,5.0\r\n' >"$work/pilot.wb"
run loading "$work/pilot.wb"
[ "$status" -eq 0 ] || fail "sound loading: status $status: $(cat "$work/err")"
[ "$(grep -c '"weight": 1720' "$work/out")" -eq 4 ] || fail "phases not all 1720: $(cat "$work/out")"
grep -qF '"message": "Aircraft is within limits."' "$work/out" || fail "no limit message"
echo "ok: pilot only, every phase 1720"

printf 'Aircraft=N123A\r\nBaggage 2=60\r\n' >"$work/heavy.wb"
run loading "$work/heavy.wb"
grep -qF '"message": "Baggage 2 is over weight."' "$work/out" || fail "overweight station"
grep -qF '"withinLimits": false' "$work/out" || fail "overweight station within limits"
echo "ok: an overweight station is reported"

printf 'Aircraft=N999\r\n' >"$work/unknown.wb"
run loading "$work/unknown.wb"
[ "$status" -eq 1 ] && grep -qF 'Unknown aircraft.' "$work/err" || fail "unknown aircraft: $status"
echo "ok: unknown aircraft refused"

printf 'Fuel=Full\r\n' >"$work/none.wb"
run loading "$work/none.wb"
[ "$status" -eq 1 ] || fail "a file without aircraft: status $status"
run loading /dev/zero
[ "$status" -eq 1 ] || fail "/dev/zero: status $status"
run loading "$work/pilot.wb" --aircraft-file "$work/missing.db"
[ "$status" -eq 1 ] || fail "missing aircraft file: status $status"
run loading
[ "$status" -eq 2 ] || fail "bad usage: status $status"
echo "ok: bad files exit 1, bad usage 2"

# The fuel densities come from the user's preferences, as the program uses them, and options
# override them.
fuel() { sed -n 's/.*"rampFuelWeight": \([0-9.]*\).*/\1/p' "$work/out"; }
printf 'Aircraft=N123A\r\nFuel=Custom\r\nMain fuel=40.0,0.0\r\n' >"$work/full.wb"
run loading "$work/full.wb"
default="$(fuel)"
mkdir -p "$work/config/Orvenda Technologies"
printf '[Settings]\nAvGasWeight=7.00\n' >"$work/config/Orvenda Technologies/Trevallion.ini"
run loading "$work/full.wb"
preferred="$(fuel)"
run loading "$work/full.wb" --avgas-density 6.01
overridden="$(fuel)"
[ -n "$default" ] && [ "$overridden" = "$default" ] || fail "override: $overridden, not $default"
python3 -c "import sys; d,p=float(sys.argv[1]),float(sys.argv[2]); sys.exit(abs(p/d-7/6.01)>1e-3)" \
    "$default" "$preferred" || fail "preferred density: $preferred against $default"
run loading "$work/full.wb" --avgas-density -1
[ "$status" -eq 2 ] || fail "a negative density: status $status"
echo "ok: densities from the preferences, overridden by options"
