#!/usr/bin/env bash
# Runs the Köppen tool into a fresh folder and compares its pictures with the committed
# ones. Exit 77 (skipped) when the public source data is not beside the repository.
set -euo pipefail
koppen=$1 source=$2 committed=$3 out=$4
if [ ! -f "$source/koppen-geiger-kgc/climatezones.csv" ]; then
  echo "source data not found at $source: skipped"
  exit 77
fi
rm -rf "$out"
mkdir -p "$out"
"$koppen" "$source" "$out"
for f in maps/koppen_world.gif maps/koppen_section.gif pictures/globe_japan.gif pictures/globe_america.gif pictures/logo.gif; do
  cmp "$out/$f" "$committed/$f"
done
