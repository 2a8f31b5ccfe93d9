#!/usr/bin/env bash
# Runs the converter into a fresh folder and compares its files with the committed ones.
# Exit 77 (skipped) when the public source data is not beside the repository.
set -euo pipefail
dataconv=$1 source=$2 committed=$3 out=$4
if [ ! -f "$source/coverage.csv" ]; then
  echo "source data not found at $source: skipped"
  exit 77
fi
rm -rf "$out"
mkdir -p "$out"
"$dataconv" "$source" "$out"
for f in normals.csv years.csv README.md DataPeriod.h; do
  cmp "$out/$f" "$committed/$f"
done
