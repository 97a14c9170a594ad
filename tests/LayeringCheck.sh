#!/usr/bin/env bash
# Fails on any include in src/ that runs up the stack of libraries or across
# between peers, naming the file and line:
#   platform (0) -> store (1) -> measure (2) -> results | settings | report (3) -> app (4)
set -euo pipefail
src=${1:?usage: LayeringCheck.sh <src folder>}

rank() {
  case $1 in
    platform) echo 0 ;;
    store) echo 1 ;;
    measure) echo 2 ;;
    results | settings | report) echo 3 ;;
    app) echo 4 ;;
    *) echo -1 ;;
  esac
}

faults=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  included=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${rest#*:}")
  layer=${file#"$src"/}
  layer=${layer%%/*}
  target=${included%%/*}
  [ "$target" = "$included" ] && continue
  [ "$target" = "$layer" ] && continue
  own=$(rank "$layer")
  other=$(rank "$target")
  if [ "$other" -lt 0 ] || [ "$other" -ge "$own" ]; then
    echo "${file#"$src"/}:$line: $layer must not include $included"
    faults=$((faults + 1))
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' -E '^\s*#\s*include\s+"' "$src")

if [ "$faults" -gt 0 ]; then
  echo "$faults include(s) against the order of the libraries"
  exit 1
fi
echo "layering: every include runs down the stack"
