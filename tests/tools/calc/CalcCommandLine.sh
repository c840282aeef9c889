#!/usr/bin/env bash
# Usage: CalcCommandLine.sh TREVALLION_CALC
set -uo pipefail
calc="$1"
passed=0
fail() { echo "FAIL: $*"; exit 1; }

# expect STATUS NEEDLE ARGS...: the exit status, and a text found in the output or the message.
expect() {
    local want="$1" needle="$2"
    shift 2
    local text status
    text="$("$calc" "$@" 2>&1)"
    status=$?
    [ "$status" -eq "$want" ] || fail "$*: status $status, expected $want ($text)"
    # A here-string, not a pipe: grep -q stops at the first match, and with pipefail the writer's
    # broken pipe would fail a check that found its text.
    grep -qF -- "$needle" <<<"$text" || fail "$*: '$needle' not in: $text"
    passed=$((passed + 1))
    echo "ok: $* -> $want"
}

expect 0 "Calculators:" --help
expect 0 "trevallion-calc " --version
expect 2 "Usage:"
expect 2 "unknown calculator 'nosuch'" nosuch
expect 2 "unknown option '--speed'" ground-speed --speed 3
expect 2 "option '--tas' needs a value" ground-speed --tas
expect 2 "option '--tas' is given more than once" ground-speed --tas 100 --tas 120
expect 2 "Unknown pair 'kelvin-celsius'" convert --pair kelvin-celsius --celsius 3
expect 2 "--east takes yes or no." heading-time --east maybe
expect 0 "distance-track  (Distance & Track)" --help
expect 0 "--wind-speed  Wind Speed" ground-speed --help
expect 0 "[--distance VALUE]" time-speed-distance --help
# Nothing to show, or no finite number in or out: a message and status 1, never silence.
expect 1 "--value 1e400 is not a finite number" distance-conversion --value 1e400
expect 1 "time-speed-distance has nothing to show" time-speed-distance
expect 1 "fuel-burn gives no finite result" fuel-burn --fuel-burn 1e308 --time 9:00
expect 0 "Time (hh:mm): 1:12" time-speed-distance --speed 100 --distance 120
expect 0 "Kilometres: 1.6" distance-conversion --value 1 --units statute-miles
# The altimeter message of the dialog, once.
messages="$("$calc" pressure-altitude --altitude 1000 --altimeter 948 2>&1 >/dev/null | grep -c altimeter)"
[ "$messages" -le 1 ] || fail "pressure-altitude printed its altimeter message $messages times"
passed=$((passed + 1))
expect 0 "Total: 0:45" time-sum --time +1:30 --time -0:45
# Output that cannot be written is a failure with the reason, not success.
text="$("$calc" time-sum --time +1:30 2>&1 >/dev/full)"
[ $? -eq 1 ] && [[ "$text" == *"No space left on device"* ]] || fail "time-sum >/dev/full: $text"
passed=$((passed + 1))
echo "ok: time-sum >/dev/full -> 1"
expect 0 "Ground Speed: 105" ground-speed --wind-direction 45 --wind-speed 20 --course 90 --tas 120
expect 1 "Invalid" ground-speed --wind-direction 400 --wind-speed 20 --course 90 --tas 120
expect 0 "Sun set Local: 20:10" sun-times --latitude 47:26:56N --longitude 122:18:33W --date 2026-06-21 --utc-offset -8
expect 0 "Sun rise UTC: Up all day" sun-times --latitude 78:00.00N --longitude 015:00.00E --date 2026-06-21
expect 1 "Invalid latitude" sun-times --latitude 47:26 --longitude 122:18:33W

# distance-track: typed positions, and identifiers looked up only as the kind says.
home="40:00:00 N 000:00:00 W"
expect 0 "Distance: 75nm" distance-track --from "$home" --to "41:00.00 N, 001:00.00 E"
expect 0 "Return: 218°T" distance-track --from "$home" --to "41:00:00 N 001:00:00 E"
expect 1 "Please enter a To location." distance-track --from "$home"
# Two nav aids are called OLM (Washington and Ecuador): the one near the other end is taken.
expect 0 "To: Olympia VORTAC (nearest of 2)" distance-track --from KSEA --to OLM --to-kind navaid
expect 0 "Distance: 37nm" distance-track --from KSEA --to OLM --to-kind navaid
empty="$(mktemp)" # a waypoints.db of version 3 with no waypoints
printf '\003\000\000\000\000\000\000\000' > "$empty"
expect 1 "User location ZZZ not found." distance-track --from "$home" --to zzz --to-kind user \
    --waypoints "$empty"
rm -f "$empty"
expect 2 "take airport, navaid or user" distance-track --from-kind city --from X --to Y

# flight-plan: the planning view's table over the shipped world file, no user waypoints.
nav="$(dirname "$calc")/../share/trevallion/world.nav"
nowaypoints="$(mktemp -d)/waypoints.db"
plan=(--nav "$nav" --waypoints "$nowaypoints" --fuel-burn 9 --tas 100)
expect 0 $'ID\tNM\tMT\tMH\tGS\tTime\tFuel\tETE' flight-plan --route "KSEA KPAE" "${plan[@]}"
expect 0 "Total time: " flight-plan --route "KSEA  KPAE KBLI" --wind-direction 270 --magnetic \
    --wind-speed 20 "${plan[@]}"
expect 1 "Identifier NOPE not found." flight-plan --route "KSEA NOPE" "${plan[@]}"
expect 1 "Error: Invalid wind heading (361)" flight-plan --route KSEA --wind-direction 361 \
    "${plan[@]}"

# flight-plan files of other programs: exported, imported again onto the same table.
files="$(mktemp -d)"
table="$("$calc" flight-plan --route "KSEA OLM KPAE" "${plan[@]}" --export-fpl "$files/p.fpl" \
    --export-gpx "$files/p.gpx" 2>/dev/null)"
for f in p.fpl p.gpx; do
    [ "$("$calc" flight-plan --import "$files/$f" "${plan[@]}" 2>/dev/null)" = "$table" ] ||
        fail "flight-plan --import $f gives another table"
    passed=$((passed + 1))
done
expect 2 "--import takes the place of --route" flight-plan --import "$files/p.gpx" --route KSEA \
    "${plan[@]}"
printf '<gpx xmlns="http://www.topografix.com/GPX/1/1"><rte>\n<rtept lat="47.6" lon="-122.3">' \
    > "$files/cut.gpx"
expect 1 "The file is damaged at line 2" flight-plan --import "$files/cut.gpx" "${plan[@]}"
printf '<gpx xmlns="http://www.topografix.com/GPX/1/1"><rte><rtept lat="47.6" lon="-122.3">%s' \
    '<name>Lake Union</name></rtept></rte></gpx>' > "$files/new.gpx"
expect 1 "no user waypoints yet: LAKEUN 47:36:00 N 122:18:00 W" flight-plan \
    --import "$files/new.gpx" "${plan[@]}"
[ ! -e "$nowaypoints" ] || fail "an import that was not allowed to add waypoints wrote them"
expect 0 "LAKEUN" flight-plan --import "$files/new.gpx" --add-waypoints "${plan[@]}"
expect 0 "LAKEUN" flight-plan --route LAKEUN "${plan[@]}"
expect 1 "Error: The folder" flight-plan --route KSEA --export-gpx "$files/no/p.gpx" "${plan[@]}"
rm -rf "$files" "$(dirname "$nowaypoints")"

echo "$passed passed, 0 failed"
