#!/bin/sh
# Pictures of the window after paths of choices, each in a real X window (Xvfb).
#   shots.sh TOLM-SHOT OUT-DIR LIST   LIST has one picture a line: its name, then the choices
#   (exact button names; @Card1 points at a card).
set -eu
shot=$1
out=$2
list=$3
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

grep -v '^#' "$list" | while read -r name path; do
    [ -n "$name" ] || continue
    # shellcheck disable=SC2086  # the path is a list of choices
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$shot" "$out/$name.png" $path
    echo "$out/$name.png"
done
