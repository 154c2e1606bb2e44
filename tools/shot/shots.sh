#!/bin/sh
# Pictures of the window after paths of choices, each in a real X window (Xvfb), under a real
# window manager (openbox) with --window-manager.
#   shots.sh [--window-manager] TOLM-SHOT OUT-DIR LIST
# LIST has one picture a line: its name, then any of screen=WxH (1024x768 unless given),
# VARIABLE=value for the game's environment and --options of tolm-shot, then the choices
# (exact button names; @Card1 points at a card; ^Zpět gives a button the keyboard focus, as Tab
# would; +F11 presses F11).
set -eu
manager=
if [ "$1" = --window-manager ]; then
    manager=openbox
    shift
fi
shot=$1
out=$2
list=$3
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

grep -v '^#' "$list" | while read -r name rest; do
    [ -n "$name" ] || continue
    screen=1024x768 environment= options= path=
    for word in $rest; do
        case $word in
            screen=*) screen=${word#screen=} ;;
            --*) options="$options $word" ;;
            *=*) environment="$environment $word" ;;
            *) path="$path $word" ;;
        esac
    done
    # shellcheck disable=SC2016  # expanded by the inner shell
    xvfb-run -a -s "-screen 0 ${screen}x24 -dpi 96" sh -c '
        manager=$1 shot=$2 out=$3 environment=$4 options=$5 path=$6
        if [ -n "$manager" ]; then
            openbox --config-file /dev/null >/dev/null 2>&1 &
            # It names itself on the root window a moment before it manages windows.
            for _ in $(seq 100); do
                xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
                sleep 0.05
            done
            sleep 0.5
        fi
        # shellcheck disable=SC2086  # lists of words
        env $environment "$shot" $options "$out" $path
    ' sh "$manager" "$shot" "$out/$name.png" "$environment" "$options" "$path" </dev/null
done
