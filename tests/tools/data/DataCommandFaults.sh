#!/usr/bin/env bash
# Usage: DataCommandFaults.sh TREVALLION_DATA OURAIRPORTS_FOLDER
# Every check prints one line; the script fails at the first check that does not hold.
set -uo pipefail
data="$1"
csv="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
passed=0

fail() { echo "FAIL: $*"; exit 1; }
ok() { passed=$((passed + 1)); echo "ok: $*"; }

# Runs trevallion-data with a time limit; sets status, out and err.
run() {
    timeout 20 "$data" "$@" >"$work/out" 2>"$work/err"
    status=$?
    out="$(cat "$work/out")"
    err="$(cat "$work/err")"
}

expect_refused() { # description, needle in the message
    [ "$status" -eq 1 ] || fail "$1: exit status $status, expected 1 ($err)"
    grep -qF -- "$2" "$work/err" || fail "$1: message lacks '$2': $err"
    ok "$1"
}

outline() {
    printf 'Tourer\n  Normal\n    Before start\n      Cabin\n        Doors:Closed\n'
}

# --- Endless input: every reader refuses /dev/zero at once instead of filling the memory.
for command in "aircraft /dev/zero" "waypoints /dev/zero" "checklist export /dev/zero" \
    "checklist import /dev/zero -o $work/z.db" "nav info /dev/zero" "nav airport /dev/zero KSEA"; do
    # shellcheck disable=SC2086
    run $command
    [ "$status" -eq 1 ] || fail "$command: exit status $status on /dev/zero"
    [ ! -e "$work/z.db" ] || fail "$command: wrote an output"
    ok "$command refused"
done

# --- A FIFO is refused at once instead of blocking the reader until a writer comes.
mkfifo "$work/fifo"
for command in "aircraft $work/fifo" "waypoints $work/fifo" "checklist export $work/fifo" \
    "nav info $work/fifo" "nav airport $work/fifo KSEA" "loading $work/fifo"; do
    # shellcheck disable=SC2086
    run $command
    [ "$status" -eq 1 ] || fail "$command: exit status $status on a FIFO"
    grep -qF "Is a FIFO, not a file" "$work/err" || fail "$command: $err"
    ok "$command refused"
done

# --- Empty results are never written as success.
outline >"$work/outline.txt"
run checklist import "$work/outline.txt" -o "$work/checklist.db"
[ "$status" -eq 0 ] || fail "import of a sound outline: $err"
cp "$work/checklist.db" "$work/checklist.before"
: >"$work/empty.txt"
run checklist import "$work/empty.txt" -o "$work/checklist.db"
expect_refused "empty outline" "Use --force"
cmp -s "$work/checklist.db" "$work/checklist.before" || fail "empty outline changed checklist.db"
run checklist import "$work/empty.txt" -o "$work/forced.db" --force
[ "$status" -eq 0 ] && [ -s "$work/forced.db" ] || fail "--force did not write: $err"
ok "empty outline written with --force"

run checklist import "$work/outline.txt" -o "$work/no/such/folder/checklist.db"
expect_refused "missing output folder" "does not exist"
[ ! -e "$work/no" ] || fail "the missing output folder was created"

run nav build "$work/zz.nav" --from "$csv" --country ZZ
expect_refused "nav build matching no country" 'country "ZZ"'
[ ! -e "$work/zz.nav" ] || fail "nav build wrote an empty file"
run nav build "$work/wa.nav" --from "$csv" --region WA
expect_refused "nav build with a region lacking its country" "COUNTRY-REGION"
run nav build "$work/no/such/x.nav" --from "$csv"
expect_refused "nav build into a missing folder" "does not exist"

# --- Bad usage names the option and exits 2.
for args in "--from" "--from $csv --from $csv" "--from $csv --colour red"; do
    # shellcheck disable=SC2086
    run nav build "$work/u.nav" $args
    [ "$status" -eq 2 ] || fail "nav build $args: exit status $status, expected 2"
    grep -qF -- "option '--" "$work/err" || fail "nav build $args: message names no option: $err"
    ok "nav build $args is bad usage"
done
run nav build "$work/d.nav" --from "$csv" --zones-on 2026-02-30
[ "$status" -eq 2 ] && grep -qF -- "--zones-on needs a date" "$work/err" || fail "--zones-on: $err"
ok "nav build with a day that is no date is bad usage"

# --- A time-zone table that is missing or damaged leaves the offsets 0 (not given) and says why.
mkdir "$work/tz"
printf 'US\t+4042-07400\tAmerica/New_York\nUS\tsomewhere\tAmerica/Chicago\n' >"$work/tz/zone1970.tab"
for folder in "$work/none" "$work/tz"; do
    TZDIR="$folder" run nav build "$work/z.nav" --from "$csv"
    [ "$status" -eq 0 ] || fail "nav build without a sound zone table: exit status $status ($err)"
    grep -qF "Warning: the airports were given no UTC offsets" "$work/err" || fail "no warning: $err"
    grep -qE "zone1970.tab(\.| is damaged at line 2\.)" "$work/err" || fail "no reason: $err"
    grep -qF '"utcOffsets": 0' "$work/out" || fail "offsets given: $out"
    ok "nav build with zone table $folder: offsets left out, with the reason"
done
run nav build "$work/z.nav" --from "$csv"
grep -qF '"utcOffsets": 8' "$work/out" && [ ! -s "$work/err" ] || fail "system zones: $out $err"
ok "nav build gives every airport its zone's offset"

run --version
[ "$status" -eq 0 ] && [[ "$out" == "trevallion-data "* ]] || fail "--version: $status $out"
ok "--version"

# --- A full disk: the save fails with the system's reason and the old file stays intact.
if unshare --mount --propagation private true 2>/dev/null; then
    cp "$work/checklist.before" "$work/keep.db"
    printf 'Other\n  Tab\n' >"$work/outline2.txt"
    unshare --mount --propagation private bash -c '
        set -e
        disk="$1/disk"; mkdir -p "$disk"
        mount -t tmpfs -o size=64k tmpfs "$disk"
        cp "$1/keep.db" "$disk/checklist.db"
        "$2" nav build "$disk/old.nav" --from "$3" >/dev/null
        cp "$disk/old.nav" "$1/old.nav"
        dd if=/dev/zero of="$disk/filler" bs=512 2>/dev/null || true
        set +e
        "$2" checklist import "$1/outline2.txt" -o "$disk/checklist.db" 2>"$1/import.err"
        echo $? >"$1/import.status"
        "$2" nav build "$disk/old.nav" --from "$3" --description Other >/dev/null 2>"$1/nav.err"
        echo $? >"$1/nav.status"
        cp "$disk/checklist.db" "$1/after.db"; cp "$disk/old.nav" "$1/after.nav"
    ' _ "$work" "$data" "$csv" 2>"$work/unshare.err"
    [ "$(cat "$work/import.status")" = 1 ] || fail "checklist import on a full disk did not fail"
    grep -qF "No space left on device" "$work/import.err" || fail "import reason: $(cat "$work/import.err")"
    cmp -s "$work/after.db" "$work/keep.db" || fail "full disk changed checklist.db"
    [ "$(cat "$work/nav.status")" = 1 ] || fail "nav build on a full disk did not fail"
    grep -qF "No space left on device" "$work/nav.err" || fail "nav reason: $(cat "$work/nav.err")"
    cmp -s "$work/after.nav" "$work/old.nav" || fail "full disk changed the .nav file"
    ok "full disk keeps checklist.db and the .nav file"
else
    echo "skip: no mount namespace here for the full-disk check"
fi

# --- Saves killed at random moments leave the old or the new complete file, never a part.
printf 'Big\n' >"$work/big.txt"
for i in $(seq 1 400); do printf '  Tab %d\n    Group\n      Sub\n        Item %d:Check\n' "$i" "$i"; done >>"$work/big.txt"
run checklist import "$work/big.txt" -o "$work/new.db"
[ "$status" -eq 0 ] || fail "import of the large outline: $err"
cp "$work/checklist.before" "$work/killed.db"
for i in $(seq 1 60); do
    cp "$work/checklist.before" "$work/killed.db"
    "$data" checklist import "$work/big.txt" -o "$work/killed.db" >/dev/null 2>&1 &
    pid=$!
    sleep "0.00$((RANDOM % 10))$((RANDOM % 10))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    cmp -s "$work/killed.db" "$work/checklist.before" || cmp -s "$work/killed.db" "$work/new.db" ||
        fail "kill -9 during a save left a damaged file (round $i)"
done
ok "60 saves killed at random moments left old or new files only"

# --- A file name that is not UTF-8 is opened by its bytes.
odd="$work/$(printf 'check\xfflist.db')"
cp "$work/checklist.db" "$odd"
run checklist export "$odd"
[ "$status" -eq 0 ] && [[ "$out" == *"Tourer"* ]] || fail "export of a non-UTF-8 name: $status $err"
ok "a non-UTF-8 file name is read"
run checklist import "$work/outline.txt" -o "$work/$(printf 'made\xff.db')"
[ "$status" -eq 2 ] && [ -z "$(ls "$work" | grep '^made')" ] || fail "output to a non-UTF-8 name: $status $err"
ok "an output under a non-UTF-8 name is refused, not written under another name"

# --- Standard output that cannot be written whole ends with status 1 and the reason.
run nav build "$work/info.nav" --from "$csv"
[ "$status" -eq 0 ] || fail "nav build for the output checks: $err"
for command in "aircraft --default" "checklist export $work/new.db" "nav info $work/info.nav" \
    "--help"; do
    # shellcheck disable=SC2086
    timeout 20 "$data" $command >/dev/full 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "$command >/dev/full: exit status $status"
    grep -qF "No space left on device" "$work/err" || fail "$command >/dev/full: $(cat "$work/err")"
    ok "$command >/dev/full fails"
done
if unshare --mount --propagation private true 2>/dev/null; then
    unshare --mount --propagation private bash -c '
        disk="$1/small"; mkdir -p "$disk"
        mount -t tmpfs -o size=8k tmpfs "$disk" || exit
        "$2" checklist export "$1/new.db" >"$disk/export.txt" 2>"$1/export.err"
        echo $? >"$1/export.status"
    ' _ "$work" "$data" 2>"$work/unshare.err"
    [ "$(cat "$work/export.status")" = 1 ] || fail "export to a nearly full disk did not fail"
    grep -qF "No space left on device" "$work/export.err" || fail "export: $(cat "$work/export.err")"
    ok "an export cut short by a full disk fails"
fi

echo "$passed passed, 0 failed"
