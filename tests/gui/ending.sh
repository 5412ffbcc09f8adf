#!/bin/bash
# Ends the real program the ways a session ends it: SIGTERM (a desktop logout), SIGHUP, SIGINT,
# each with a tree open, and the screenshot hook. Every way out must leave what a close leaves:
# the settings saved, no double-start marker, no working folder, no lock of the tree, the tree
# file as it was.
# Usage: ending.sh PROGRAM WORK TREE
set -u
program=$1 work=$2 tree=$3
name=$(basename "$tree")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prepare() {
    rm -rf "$work"
    mkdir -p "$work/save"
    cp "$program" "$work/"
    cp "$tree" "$work/save/"
    printf '[start]\r\ntip=0\r\n' >"$work/kinvelor.ini"
    printf '{ "screens": [ { "name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }\n' >"$work/screen.json"
}

expectClosedInOrder() {
    local how=$1
    [ ! -e "$work/data/active.rdk" ] || fail "$how: the double-start marker was left"
    ! ls "$work/temp" 2>/dev/null | grep -q kopie || fail "$how: the working folder was left"
    # The start counted in the settings ([start] cislo) shows that they were saved.
    tr -d '\r' <"$work/kinvelor.ini" | awk '/^\[/ { s = $0 } s == "[start]" && $0 == "cislo=1" { f = 1 } END { exit !f }' ||
        fail "$how: the settings were not saved"
    [ ! -e "$work/save/.$name.zamek" ] || fail "$how: the tree's lock file was left"
    cmp -s "$tree" "$work/save/$name" || fail "$how: the tree file changed"
}

export QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json"
# A signal ignored by whoever started this script stays ignored in the program (as under nohup).
ignoredAtEntry=$(trap -p)
# Job control: a background program does not start with SIGINT ignored.
set -m
for sig in TERM HUP INT; do
    if [[ $sig != TERM && $ignoredAtEntry == *"SIG$sig"* ]]; then
        echo "SIG$sig is ignored here, not tried"
        continue
    fi
    prepare
    (cd "$work" && exec "./$(basename "$program")" "save/$name") &
    pid=$!
    # Started: the tree is open once its lock file is there.
    for _ in $(seq 1 1200); do
        [ -e "$work/save/.$name.zamek" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -e "$work/save/.$name.zamek" ] || fail "SIG$sig: the program did not open the tree"
    sleep 0.5
    kill -"$sig" "$pid"
    for _ in $(seq 1 600); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid"
        fail "SIG$sig: the program did not end"
    fi
    wait "$pid"
    rc=$?
    [ "$rc" -eq 0 ] || fail "SIG$sig: the program ended with $rc"
    expectClosedInOrder "SIG$sig"
done

prepare
(cd "$work" && KINVELOR_SCREENSHOT="$work/shot.png" "./$(basename "$program")" "save/$name") ||
    fail "the screenshot run ended with $?"
expectClosedInOrder "screenshot"
echo "every way out closed in order"
