#!/usr/bin/env bash
# Fails on any include in src/ that runs up the stack of libraries or across
# between peers, naming the file and line:
#   core -> audio -> hall -> widgets -> printing -> measure -> results | settings | report | entrants | help -> app
# The build refuses most of these already (each library exports only its own
# include folder); this also catches an include that a linked library's
# folder happens to satisfy.
set -euo pipefail
src=${1:?usage: LayeringCheck.sh <src folder>}

rank() {
  case $1 in
    core) echo 0 ;;
    audio) echo 1 ;;
    hall) echo 2 ;;
    widgets) echo 3 ;;
    printing) echo 4 ;;
    measure) echo 5 ;;
    results | settings | report | entrants | help) echo 6 ;;
    app) echo 7 ;;
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
