#!/bin/sh
# Pictures of the window at every ending of the story, in a real X window (Xvfb).
set -eu
shot=$1
out=$2
mkdir -p "$out"
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

town="Vyjít Jít Usmrtit Choice5 Pokračovat Choice4 Dál"
while read -r name path; do
    # shellcheck disable=SC2086  # the path is a list of choices
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$shot" "$out/$name.png" $path
    echo "$out/$name.png"
done <<EOF_ENDINGS
01-start
02-choice2 Vyjít Jít Usmrtit Choice5 Pokračovat Choice2
03-choice5 Vyjít Jít Usmrtit Pokračovat Choice2 Choice5
04-pokracovat2 Vyjít Jít Pokračovat Choice6 Choice2 Pokračovat2
05-vyrazit $town Visit1 Vyrazit
06-smula $town Visit2 Buy4 Šlukonv Dál3 Pryč Smůla @Card4
07-dale $town Visit2 Buy1 Šlukonv Dál3 Pryč darovat Dál4 Dále
08-choice1 $town Visit2 Buy3 Šlukonv Dál3 Dát Dál4 Choice1
09-penniless $town Visit2 Buy2 Šlukonv Šlukonv @Card2
EOF_ENDINGS
