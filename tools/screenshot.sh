#!/bin/sh
# Takes a screenshot of the game's first scene in a real X window (Xvfb, no window manager).
set -eu
game=$1
shot=$2
mkdir -p "$(dirname "$shot")"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh -c '
    "$1" & pid=$!
    for _ in $(seq 50); do
        xwininfo -root -tree | grep -q "\"Tolm\"" && break
        sleep 0.1
    done
    sleep 1
    import -window root "$2"
    kill "$pid"
' sh "$game" "$shot"
echo "$shot"
