#!/usr/bin/env bash
# Checks that every include in src/ runs from a folder to the same folder or one below it.
# Folders from the ground up; folders on one line are peers and may not include each other.
set -euo pipefail
cd "$(dirname "$0")/.."
levels=(
  "support"
  "pictures"
  "png"
  "pcx"
  "controls"
  "colours voklist lang"
  "shadow move palette"
  "app cli"
)
declare -A level
for i in "${!levels[@]}"; do for f in ${levels[$i]}; do level[$f]=$i; done; done
bad=0
while IFS= read -r line; do
  file=${line%%:*}
  from=$(echo "$file" | cut -d/ -f2)
  to=$(echo "$line" | sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p')
  [ -n "$to" ] && [ "$to" != "$from" ] || continue
  if [ -z "${level[$from]:-}" ] || [ -z "${level[$to]:-}" ] || [ "${level[$to]}" -ge "${level[$from]}" ]; then
    echo "upward or sideways include: $line"; bad=1
  fi
done < <(grep -rn '#include "' src)
exit $bad
