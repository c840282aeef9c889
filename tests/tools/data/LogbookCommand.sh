#!/usr/bin/env bash
# Usage: LogbookCommand.sh TREVALLION_DATA
# trevallion-data logbook: CSV out and in through the user's logbook, refusals of bad files
# that import nothing, and a logbook that is not one left as it is.
set -uo pipefail
data="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_DOCUMENTS_DIR="$work/Documents" XDG_CONFIG_HOME="$work/config"
logbook="$work/Documents/Orvenda/Trevallion/logbook.sqlite"

fail() { echo "FAIL: $*"; exit 1; }
run() {
    timeout 20 "$data" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

run logbook export
[ "$status" -eq 1 ] && [ ! -e "$logbook" ] || fail "export without a logbook: $status"
echo "ok: export makes no logbook"

header='Date,Aircraft,Type,From,To,Startup,Takeoff,Landing,Shutdown,Block,Flight,Air,Night,Landings,Night landings,Remarks'
printf '%s\r\n' "$header" \
    '2026-03-20,N123A,C172,KSEA,KBFI,23:50,23:58,00:10,00:20,0.5,0.2,0.2,0.5,1,1,"Night, ""hop"""' \
    '2026-03-21,N123A,C172,KBFI,KSEA,10:00,10:05,11:00,11:10,1.2,0.9,0.9,0.0,3,0,' >"$work/a.csv"
run logbook import "$work/a.csv"
[ "$status" -eq 0 ] && grep -qF 'Imported 2 flights.' "$work/out" || fail "import: $status $(cat "$work/err")"
run logbook import "$work/a.csv"
[ "$status" -eq 0 ] && grep -qF 'Imported 0 flights (2 already in the logbook).' "$work/out" ||
    fail "second import: $(cat "$work/out")"
run logbook export
[ "$status" -eq 0 ] && cmp -s "$work/out" "$work/a.csv" || fail "export differs from the import"
run logbook export --from 2026-03-21 --to 2026-03-21
[ "$(grep -c '^2026-' "$work/out")" -eq 1 ] || fail "date range: $(cat "$work/out")"
echo "ok: import, known flights left out, export gives the same file back"

{ printf '%s\r\n' "$header" '2026-03-22,N123A,C172,KSEA,KBFI,10:00,10:05,11:00,11:10,1.2,0.9,0.9,0.0,1,0,'
  printf '2026-03-23,N123A,C172,KSEA,KBFI,10:00,10:05,11:00,11:10,1.2,0.9,0.9,0.0,one,0,\r\n'; } >"$work/bad.csv"
run logbook import "$work/bad.csv"
[ "$status" -eq 1 ] && grep -qF 'Line 3: the landings "one"' "$work/err" && grep -qF 'Nothing was imported.' "$work/err" ||
    fail "bad row: $status $(cat "$work/err")"
run logbook export
[ "$(grep -c '^2026-' "$work/out")" -eq 2 ] || fail "a refused file changed the logbook"
run logbook import /dev/zero
[ "$status" -eq 1 ] || fail "/dev/zero: status $status"
echo "ok: a bad file imports nothing and names its line"

for usage in "" "frobnicate" "export --from 2026-13-01" "export --from 2026-03-02 --to 2026-03-01" \
    "export --since 2026-03-01" "import" "import a.csv b.csv"; do
    # shellcheck disable=SC2086
    run logbook $usage
    [ "$status" -eq 2 ] || fail "usage '$usage': status $status"
done
run logbook --help
[ "$status" -eq 0 ] && grep -qF 'import  adds the flights' "$work/out" || fail "--help"
run logbook export --help
[ "$status" -eq 0 ] || fail "export --help"
echo "ok: bad usage exits 2, --help 0"

printf 'not a database at all, just some text\n' >"$logbook"
cp "$logbook" "$work/before"
run logbook import "$work/a.csv"
[ "$status" -eq 1 ] && grep -qF 'not an SQLite database' "$work/err" || fail "foreign logbook: $status"
cmp -s "$logbook" "$work/before" || fail "the foreign logbook was changed"
echo "ok: a file that is not a logbook is left as it is"
