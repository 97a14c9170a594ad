#!/usr/bin/env bash
# Every script in scripts/ parses, and shellcheck, where installed, finds
# nothing in it.
set -uo pipefail
scripts=${1:?usage: ScriptsCheck.sh <scripts folder>}

files=()
for file in "$scripts"/* "$scripts"/lib/*.sh; do
  [ -f "$file" ] && files+=("$file")
done
status=0
for file in "${files[@]}"; do
  bash -n "$file" || status=1
done
if command -v shellcheck >/dev/null; then
  shellcheck "${files[@]}" || status=1
else
  echo "shellcheck is not installed: only the syntax was checked"
fi
exit $status
