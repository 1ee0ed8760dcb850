#!/usr/bin/env bash
# Checks that the source folders include one another one way only: each folder may
# include itself and the folders below it in this order, never one above it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
layers=(app clock alarms options controls content ui common)  # the program on top, the layer and common at the bottom

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
for folder in "${layers[@]}"; do
  for file in "$root"/src/"$folder"/*; do
    while IFS= read -r included; do
      target=${included%%/*}
      [ -n "${rank[$target]+set}" ] || continue  # resource.h and other files outside the folders
      if [ "${rank[$target]}" -lt "${rank[$folder]}" ]; then
        echo "${file#"$root"/}: includes $included, from a folder above $folder" >&2
        status=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done
[ $status -eq 0 ] && echo "includes: every folder includes only itself and the folders below it"
exit $status
