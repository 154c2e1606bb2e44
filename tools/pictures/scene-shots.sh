#!/bin/sh
# Pictures of the window in each scene that brings a new picture to the front, in a real X
# window (Xvfb): one per picture box, to judge each picture where the player sees it.
#   scene-shots.sh TOLM-SHOT OUT-DIR
set -eu
shot=$1
out=$2
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

town="Vyjít Jít Pokračovat Choice3 Dál"
trip="$town Visit2 Buy1 Šlukonv"
while read -r name path; do
    # shellcheck disable=SC2086  # the path is a list of choices
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$shot" "$out/$name.png" $path
    echo "$out/$name.png"
done <<EOF_SCENES
pic-14-domovnik Vyjít
pic-13-picture10 Vyjít Jít
pic-12-picture9 Vyjít Jít Pokračovat
pic-11-panelak $town
pic-10-picture8 $town Visit1
pic-09-picture7 $town Visit1 Vyrazit
pic-08-picture6 $town Visit2
pic-07-picture5 $town Visit2 Buy1
pic-06-picture4 $town Visit3
pic-05-autobus $trip
pic-04-picture3 $trip Dál3
pic-03-picture2 $trip Dál3 Pryč
pic-02-vcela $trip Dál3 Pryč darovat Dál4
pic-01-picture1 $trip Dál3 Pryč darovat Dál4 Dále
EOF_SCENES
