#!/usr/bin/env bash
# Usage: InstallCheck.sh BUILD_DIR VERSION
set -uo pipefail
build="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
passed=0
fail() { echo "FAIL: $*"; exit 1; }
ok() { passed=$((passed + 1)); echo "ok: $*"; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "install: $(cat "$work/install.log")"
for file in bin/trevallion bin/trevallion-calc bin/trevallion-data \
    share/trevallion/trevallion.htm share/trevallion/checklist.db share/trevallion/world.nav \
    share/trevallion/sounds/alarm.wav \
    share/applications/com.orvenda.Trevallion.desktop \
    share/metainfo/com.orvenda.Trevallion.metainfo.xml \
    share/icons/hicolor/scalable/apps/trevallion.svg share/icons/hicolor/48x48/apps/trevallion.png \
    share/icons/hicolor/256x256/apps/trevallion.png share/man/man1/trevallion.1.gz \
    share/man/man1/trevallion-calc.1.gz share/man/man1/trevallion-data.1.gz \
    share/bash-completion/completions/trevallion-calc share/doc/trevallion/copyright; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
ok "install layout"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/com.orvenda.Trevallion.desktop" ||
        fail "desktop entry"
    ok "desktop entry valid"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/com.orvenda.Trevallion.metainfo.xml" \
        >"$work/as.log" 2>&1 || fail "AppStream data: $(cat "$work/as.log")"
    ok "AppStream data valid"
fi
for page in trevallion trevallion-calc trevallion-data; do
    # grep reads the whole page: with -q it could stop early and fail gzip with SIGPIPE,
    # which pipefail reports as a missing version.
    gzip -dc "$prefix/share/man/man1/$page.1.gz" | grep "^.TH .*Trevallion $version" >/dev/null ||
        fail "manual page $page lacks the version $version"
done
ok "manual pages carry version $version"

for program in trevallion trevallion-calc trevallion-data; do
    [ "$("$prefix/bin/$program" --version)" = "$program $version" ] || fail "$program --version"
done
ok "--version of the installed programs"

# The Exec line of the menu entry starts the installed program, which finds its shipped data
# through the prefix: it runs (offscreen) until stopped, without a start-up error.
exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/com.orvenda.Trevallion.desktop")"
mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work" \
    QT_QPA_PLATFORM=offscreen PATH="$prefix/bin:$PATH" timeout 4 $exec_line >"$work/run.log" 2>&1
status=$?
[ "$status" -eq 124 ] || fail "the installed program stopped with status $status: $(cat "$work/run.log")"
[ -s "$work/home/Documents/Orvenda/Trevallion/checklist.db" ] ||
    fail "the installed program did not find its shipped checklist"
ok "menu entry starts the installed program, which finds its shipped data"

# Completion of calculator names and of a calculator's keys.
(
    PATH="$prefix/bin:$PATH"
    # shellcheck disable=SC1091
    source "$prefix/share/bash-completion/completions/trevallion-calc"
    COMP_WORDS=(trevallion-calc grou)
    COMP_CWORD=1
    _trevallion_calc
    [ "${COMPREPLY[*]}" = "ground-speed" ] || { echo "names: ${COMPREPLY[*]}"; exit 1; }
    COMP_WORDS=(trevallion-calc ground-speed --wind-d)
    COMP_CWORD=2
    _trevallion_calc
    [ "${COMPREPLY[*]}" = "--wind-direction" ] || { echo "keys: ${COMPREPLY[*]}"; exit 1; }
) || fail "bash completion"
ok "bash completion of names and keys"

echo "$passed passed, 0 failed"
