#!/usr/bin/env bash
# Regenerates the pictures in docs/screenshots/ from the game itself: the
# driver plays scripts/screenshots/play.drv on a seeded board, offscreen, with
# the shipped themes and the rankings of scripts/screenshots/data, and draws
# each window with its `shot` command; ImageMagick then strips and packs each
# picture into 256 colours.
#
#   scripts/screenshots.sh [ZOOM]     (ZOOM in percent, default 100)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
zoom=${1:-100}

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quenza-driver

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data" "$work/shots"
cp scripts/screenshots/data/* "$work/data/"
if [ "$zoom" = 100 ]; then
    script=$top/scripts/screenshots/play.drv
else
    script=$work/play.drv
    sed -E "s/^(shot [^ ]+ [^ ]+)\$/\\1 $zoom/" scripts/screenshots/play.drv >"$script"
fi
(cd "$work/shots" &&
    QT_QPA_PLATFORM=offscreen "$top/build/default/bin/quenza-driver" --seed 5 \
        --date 2024-12-05 --data-dir "$work/data" "$script" >/dev/null)

mkdir -p docs/screenshots
for shot in "$work"/shots/*.png; do
    name=$(basename "$shot")
    convert "$shot" -strip +dither -colors 256 -define png:compression-level=9 \
        "PNG8:docs/screenshots/$name"
    echo "docs/screenshots/$name: $(identify -format '%wx%h' "docs/screenshots/$name")," \
        "$(stat -c %s "docs/screenshots/$name") bytes"
done
