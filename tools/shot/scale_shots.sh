#!/bin/sh
# The game on screens of many sizes under a real window manager (openbox on Xvfb).
#   scale_shots.sh TOLM-SHOT OUT-DIR LIST   LIST as in tools/shot/scales.txt.
set -eu
shot=$1
out=$2
list=$3
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

grep -v '^#' "$list" | while read -r name screen environment rest; do
    [ -n "$name" ] || continue
    options=${rest%%:*}
    path=${rest#*:}
    [ "$environment" = - ] && environment=
    # shellcheck disable=SC2086  # options, environment and path are lists
    xvfb-run -a -s "-screen 0 ${screen}x24 -dpi 96" sh -c '
        openbox --config-file /dev/null >/dev/null 2>&1 &
        # The window manager names itself on the root window a moment before it manages windows.
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
            sleep 0.05
        done
        sleep 0.5
        shot=$1 out=$2 environment=$3 options=$4 path=$5
        env $environment "$shot" $options "$out" $path
    ' sh "$shot" "$out/$name.png" "$environment" "$options" "$path" </dev/null
done
